#pragma once
// Captions that keep their boxes. The screens are laid out for Verdana and MS Sans Serif,
// which no Linux desktop has; the sans-serif that stands in (DejaVu, Noto, Liberation,
// Cantarell) is wider or taller. The layout stays as designed and the text adapts: a
// caption that would lose ink outside its box is set a little smaller until it fits.
// Which controls are fitted, and from which size, is decided here; the arithmetic of the
// size is FittingSize's.

#include "look/FittingSize.h"

#include <initializer_list>
#include <optional>

class QWidget;

namespace look {

// Every label, button, check box and frame title in the window.
void FitCaptions(QWidget* window);
// One control, from the size it was designed with; call again after its text changes.
void FitCaption(QWidget* control);
// Controls that read as a set (the field labels of a form) share the size the tightest of
// them needs.
void FitTogether(std::initializer_list<QWidget*> controls);

// The caption a control draws, where and how; nothing for a control without one.
std::optional<CaptionBox> CaptionBoxOf(QWidget* control);
// The size the control was built with, before any fitting.
double DesignedPoints(QWidget* control);

} // namespace look
