#include "look/CaptionFitting.h"

#include "look/FittingSize.h"

#include <QCheckBox>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>

#include <algorithm>
#include <cmath>
#include <limits>

namespace look {

namespace {

// Remembers the size the screen asked for, so a second fit starts from it.
constexpr const char* DesignedPointsProperty = "designedPoints";
// Marks a control fitted with its set, which a fit of the whole window leaves alone.
constexpr const char* FittedWithSetProperty = "fittedWithSet";

// The part of the control its parents leave on screen: a label placed partly past its
// frame's edge (the forum banner's) loses whatever lies there.
QRect VisiblePart(const QWidget* control) {
    QRect visible = control->rect();
    for (const QWidget* ancestor = control; !ancestor->isWindow();) {
        ancestor = ancestor->parentWidget();
        if (!ancestor)
            break;
        visible &= QRect(control->mapFrom(ancestor, QPoint(0, 0)), ancestor->size());
    }
    return visible;
}

} // namespace

std::optional<CaptionBox> CaptionBoxOf(QWidget* control) {
    if (auto* label = qobject_cast<QLabel*>(control)) {
        if (label->text().isEmpty())
            return std::nullopt;
        const int wrap = label->wordWrap() ? Qt::TextWordWrap : Qt::TextSingleLine;
        QRect box = label->contentsRect() & VisiblePart(label);
        if (label->indent() > 0 && (label->alignment() & Qt::AlignLeft))
            box.setLeft(box.left() + label->indent());
        return CaptionBox{label->text(), box, int(label->alignment()) | wrap};
    }
    // Push buttons and check boxes; a tool button (the menu bar's overflow) has no caption.
    const bool checkBox = qobject_cast<QCheckBox*>(control) != nullptr;
    if (checkBox || qobject_cast<QPushButton*>(control)) {
        auto* button = static_cast<QAbstractButton*>(control);
        if (button->text().isEmpty())
            return std::nullopt;
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        const auto element = checkBox ? QStyle::SE_CheckBoxContents : QStyle::SE_PushButtonContents;
        const QRect box = button->style()->subElementRect(element, &option, button);
        return CaptionBox{button->text(), box, Qt::TextShowMnemonic | Qt::TextSingleLine};
    }
    if (auto* frame = qobject_cast<QGroupBox*>(control)) {
        if (frame->title().isEmpty())
            return std::nullopt;
        return CaptionBox{frame->title(), frame->rect(), Qt::TextShowMnemonic | Qt::TextSingleLine};
    }
    return std::nullopt;
}

double DesignedPoints(QWidget* control) {
    QVariant designed = control->property(DesignedPointsProperty);
    if (!designed.isValid()) {
        designed = control->font().pointSizeF();
        control->setProperty(DesignedPointsProperty, designed);
    }
    return designed.toDouble();
}

namespace {

// A letter that reaches left of its origin (the tail of a "J") would lose that ink at the
// edge of a left-aligned label: the text starts that much further in. Only a letter that
// can begin a line meets that edge, and each is measured once.
void MakeRoomForOverhang(QLabel* label) {
    if (!(label->alignment() & Qt::AlignLeft))
        return;
    const QString text = label->text();
    QString lineStarts;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const bool startsLine = i == 0 || !text[i - 1].isLetterOrNumber();
        if (startsLine && !lineStarts.contains(text[i]))
            lineStarts += text[i];
    }
    const QFontMetricsF metrics(label->font());
    double overhang = 0;
    for (const QChar c : lineStarts)
        overhang = std::max(overhang, -metrics.leftBearing(c));
    label->setIndent(overhang > 0 ? int(std::ceil(overhang)) : -1);
}

// A screen built afresh (the result screen, on every Next) asks again what an earlier one
// asked: the answer for the same font, text, box and size is remembered. The screens hold
// few captions, so the answers stay few.
double RememberedFit(const QFont& font, double designed, const CaptionBox& caption, int dpi) {
    static QHash<QString, double> answers;
    QFont asDesigned = font;
    asDesigned.setPointSizeF(designed);
    const QRect& box = caption.box;
    const QString key = asDesigned.key() + QChar(0) + caption.text + QChar(0) +
                        QString::asprintf("%d,%d,%dx%d,%d,%d", box.x(), box.y(), box.width(),
                                          box.height(), caption.flags, dpi);
    auto known = answers.constFind(key);
    if (known == answers.cend())
        known = answers.insert(key, LargestFittingPoints(font, designed, caption, dpi));
    return *known;
}

// Fits the control's caption at the largest size up to `ceiling` (and up to the size it was
// designed with) and returns the size it is set in.
double FitCaptionUpTo(QWidget* control, double ceiling) {
    if (auto* label = qobject_cast<QLabel*>(control))
        MakeRoomForOverhang(label);
    QFont font = control->font();
    const auto caption = CaptionBoxOf(control);
    if (!caption)
        return font.pointSizeF();
    const double designed = std::min(DesignedPoints(control), ceiling);
    font.setPointSizeF(RememberedFit(font, designed, *caption, control->logicalDpiY()));
    control->setFont(font);
    return font.pointSizeF();
}

} // namespace

void FitCaption(QWidget* control) {
    FitCaptionUpTo(control, std::numeric_limits<double>::max());
}

// Each control is tried only from the size the ones before it fit at: whatever it could
// take above that, the set would not use.
void FitTogether(std::initializer_list<QWidget*> controls) {
    double shared = std::numeric_limits<double>::max();
    for (QWidget* control : controls)
        shared = std::min(shared, FitCaptionUpTo(control, shared));
    for (QWidget* control : controls) {
        QFont font = control->font();
        font.setPointSizeF(shared);
        control->setFont(font);
        control->setProperty(FittedWithSetProperty, true);
    }
}

void FitCaptions(QWidget* window) {
    for (QWidget* control : window->findChildren<QWidget*>()) {
        if (!control->property(FittedWithSetProperty).toBool())
            FitCaption(control);
    }
}

} // namespace look
