#include "look/Controls.h"

#include "look/LinkLabel.h"
#include "look/ScreenLook.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

#include <limits>

namespace look {

namespace {

template <typename Control> Control* Placed(Control* control, const char* name, QRect rect) {
    control->setObjectName(QLatin1String(name));
    control->setGeometry(rect);
    return control;
}

} // namespace

QGroupBox* MakeFrame(QWidget* parent, const char* name, const QString& caption, QRect rect) {
    auto* frame = Placed(new QGroupBox(caption, parent), name, rect);
    frame->setFont(Verdana(DefaultPoints, !caption.isEmpty()));
    return frame;
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, QRect rect,
                  const QFont& font) {
    auto* label = Placed(new QLabel(text, parent), name, rect);
    label->setFont(font);
    return label;
}

LinkLabel* MakeLinkLabel(QWidget* parent, const char* name, const QString& text, QRect rect,
                         const QFont& font, const QColor& colour) {
    auto* label = Placed(new LinkLabel(parent), name, rect);
    label->setText(text);
    label->setFont(font);
    SetTextColour(label, colour);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption, QRect rect) {
    auto* button = Placed(new QPushButton(caption, parent), name, rect);
    button->setFont(Verdana());
    // Enter presses the focused button, as Space does. Outside a dialog this makes no button
    // the default one, so Enter in a text box stays the box's own.
    button->setAutoDefault(true);
    return button;
}

QLineEdit* MakeTextBox(QWidget* parent, const char* name, const QString& text, QRect rect) {
    auto* box = Placed(new QLineEdit(text, parent), name, rect);
    box->setFont(Verdana());
    box->setMaxLength(std::numeric_limits<int>::max());
    return box;
}

QComboBox* MakeList(QWidget* parent, const char* name, QRect rect) {
    auto* list = Placed(new QComboBox(parent), name, rect);
    list->setFont(Verdana());
    list->setEditable(false);
    SetFaceColour(list, ScreenBackground, Qt::white);
    return list;
}

void SetTabOrder(std::initializer_list<QWidget*> controls) {
    QWidget* previous = nullptr;
    for (QWidget* control : controls) {
        if (previous)
            QWidget::setTabOrder(previous, control);
        previous = control;
    }
}

} // namespace look
