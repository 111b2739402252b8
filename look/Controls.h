#pragma once
// The controls the screens are built from, named as the screens name them (object name =
// control name), placed in twips and set in the screens' shared font.

#include <QColor>
#include <QFont>
#include <QRect>

#include <initializer_list>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace look {

class LinkLabel;

QGroupBox* MakeFrame(QWidget* parent, const char* name, const QString& caption, QRect rect);
QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, QRect rect,
                  const QFont& font);
LinkLabel* MakeLinkLabel(QWidget* parent, const char* name, const QString& text, QRect rect,
                         const QFont& font, const QColor& colour);
QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption, QRect rect);
// A one-line box without the toolkit's length limit: no box of the program has one.
QLineEdit* MakeTextBox(QWidget* parent, const char* name, const QString& text, QRect rect);
// A drop-down list the user can only pick from, light blue with white text.
QComboBox* MakeList(QWidget* parent, const char* name, QRect rect);

// Tab moves through the controls in this order.
void SetTabOrder(std::initializer_list<QWidget*> controls);

} // namespace look
