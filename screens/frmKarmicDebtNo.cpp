#include "screens/frmKarmicDebtNo.h"

#include "desktop/ScreenWindow.h"
#include "engine/KarmicDebt.h"
#include "look/CaptionFitting.h"
#include "look/Controls.h"
#include "look/ScreenLook.h"
#include "platform/Platform.h"
#include "resources/Product.h"
#include "text/QtText.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>

namespace screens {

using look::TwipsRect;
using look::Verdana;

frmKarmicDebtNo::frmKarmicDebtNo(platform::Platform& platform, QWidget* parent)
    : QWidget(parent), platform_(platform) {
    setObjectName(QStringLiteral("frmKarmicDebtNo"));
    look::ApplyScreenLook(this);
    look::SetScreenTitle(this, product::ScreenTitle);
    desktop::MakeScreenWindow(this, look::TwipsSize(6405, 5130));
    desktop::AskInsteadOfClosing(this, [this] { emit closeRequested(); });

    MakeForumBanner(this, platform_, TwipsRect(60, 0, 6300, 615), TwipsRect(120, 135, 6120, 585));

    txtDisplay_ = new QPlainTextEdit(this);
    txtDisplay_->setObjectName(QStringLiteral("txtDisplay"));
    txtDisplay_->setGeometry(TwipsRect(60, 690, 6300, 2955));
    txtDisplay_->setFont(Verdana());
    txtDisplay_->setReadOnly(true);
    txtDisplay_->setAccessibleName(QStringLiteral("Karmic Debt Number reading"));
    txtDisplay_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    txtDisplay_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    txtDisplay_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtDisplay_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    txtDisplay_->viewport()->setMouseTracking(true);
    txtDisplay_->viewport()->installEventFilter(this);
    look::SetFaceColour(txtDisplay_, look::ScreenBackground, Qt::white);

    cmdback_ = look::MakeButton(this, "cmdback", "&Back", TwipsRect(5250, 3780, 1095, 375));

    MakeBrandBanner(this, platform_, TwipsRect(60, 4200, 6300, 855));

    look::FitCaptions(this);
    QWidget::setTabOrder(cmdback_, txtDisplay_);
    cmdback_->setFocus();

    connect(cmdback_, &QPushButton::clicked, this, &frmKarmicDebtNo::cmdback_Click);
    connect(txtDisplay_, &QPlainTextEdit::textChanged, this,
            &frmKarmicDebtNo::txtDisplay_ClipboardGuard);
}

void frmKarmicDebtNo::ShowReading(const engine::Reading& reading) {
    for (const std::u16string& paragraph : reading.paragraphs)
        txtDisplay_->insertPlainText(text::WithQtLineBreaks(QString::fromStdU16String(paragraph)));
    QTextCursor caret = txtDisplay_->textCursor();
    caret.movePosition(QTextCursor::Start);
    txtDisplay_->setTextCursor(caret);
    txtDisplay_->verticalScrollBar()->setValue(0);
    txtDisplay_->setAccessibleDescription(txtDisplay_->toPlainText());
}

void frmKarmicDebtNo::cmdback_Click() {
    emit backRequested();
}

// Only what this program put on the clipboard is emptied: text the user copied in
// another program stays where it is.
void frmKarmicDebtNo::txtDisplay_ClipboardGuard() {
    if (platform_.OwnsClipboard())
        platform_.EmptyClipboard();
}

// A press always starts a new selection: one pressed inside would be dragged out whole.
void frmKarmicDebtNo::txtDisplay_ForgetSelection() {
    QTextCursor caret = txtDisplay_->textCursor();
    if (!caret.hasSelection())
        return;
    const int scrolled = txtDisplay_->verticalScrollBar()->value();
    caret.clearSelection();
    txtDisplay_->setTextCursor(caret);
    txtDisplay_->verticalScrollBar()->setValue(scrolled);
}

bool frmKarmicDebtNo::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        txtDisplay_ForgetSelection();
        txtDisplay_ClipboardGuard();
        break;
    case QEvent::MouseButtonRelease:
        txtDisplay_ClipboardGuard();
        // The box puts its selection into X11's primary selection as it handles the
        // release, after this filter; the mouse may then be outside, and no further event
        // would come here.
        QMetaObject::invokeMethod(this, &frmKarmicDebtNo::txtDisplay_ClipboardGuard,
                                  Qt::QueuedConnection);
        break;
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
        txtDisplay_ClipboardGuard();
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void frmKarmicDebtNo::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    cmdback_->setFocus();
}

} // namespace screens
