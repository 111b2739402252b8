#include "frmKarmicDebtNo.h"

#include "Platform.h"
#include "Product.h"

#include <QCloseEvent>
#include <QPlainTextEdit>
#include <QScrollBar>

namespace ui {

using platform::TwipsRect;
using platform::Verdana;

namespace {

const QString ParagraphEnd = QStringLiteral("\r\n\r\n");

} // namespace

frmKarmicDebtNo::frmKarmicDebtNo(platform::Platform& platform, QWidget* parent)
    : QWidget(parent), platform_(platform) {
    setObjectName(QStringLiteral("frmKarmicDebtNo"));
    platform::ApplyScreenLook(this, platform::ScreenTitle);
    platform::MakeFixedWindow(this, platform::TwipsSize(6405, 5130));

    MakeForumBanner(this, platform_, TwipsRect(60, 0, 6300, 615), TwipsRect(120, 135, 6120, 585));

    txtDisplay_ = new QPlainTextEdit(this);
    txtDisplay_->setObjectName(QStringLiteral("txtDisplay"));
    txtDisplay_->setGeometry(TwipsRect(60, 690, 6300, 2955));
    txtDisplay_->setFont(Verdana(8.25));
    txtDisplay_->setReadOnly(true);
    txtDisplay_->setAccessibleName(QStringLiteral("Karmic Debt Number reading"));
    txtDisplay_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    txtDisplay_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    txtDisplay_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtDisplay_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    txtDisplay_->viewport()->setMouseTracking(true);
    txtDisplay_->viewport()->installEventFilter(this);
    platform::SetFaceColour(txtDisplay_, platform::ScreenBackground, Qt::white);

    cmdback_ = MakeButton(this, "cmdback", "&Back", TwipsRect(5250, 3780, 1095, 375));

    MakeBrandBanner(this, platform_, TwipsRect(60, 4200, 6300, 855));

    QWidget::setTabOrder(cmdback_, txtDisplay_);
    cmdback_->setFocus();

    connect(cmdback_, &QPushButton::clicked, this, &frmKarmicDebtNo::cmdback_Click);
    connect(txtDisplay_, &QPlainTextEdit::textChanged, this,
            &frmKarmicDebtNo::txtDisplay_ClipboardGuard);
}

void frmKarmicDebtNo::ShowReading(const QString& reading) {
    qsizetype start = 0;
    while (start < reading.size()) {
        const qsizetype end = reading.indexOf(ParagraphEnd, start);
        const qsizetype next = end < 0 ? reading.size() : end + ParagraphEnd.size();
        QString paragraph = reading.mid(start, next - start);
        txtDisplay_->insertPlainText(paragraph.replace(QLatin1String("\r\n"), QLatin1String("\n")));
        start = next;
    }
    QTextCursor caret = txtDisplay_->textCursor();
    caret.movePosition(QTextCursor::Start);
    txtDisplay_->setTextCursor(caret);
    txtDisplay_->verticalScrollBar()->setValue(0);
    txtDisplay_->setAccessibleDescription(txtDisplay_->toPlainText());
}

void frmKarmicDebtNo::cmdback_Click() {
    emit backRequested();
}

void frmKarmicDebtNo::Form_Unload() {
    emit exitRequested();
}

// Only what this program put on the clipboard is emptied: text the user copied in
// another program stays where it is.
void frmKarmicDebtNo::txtDisplay_ClipboardGuard() {
    if (platform_.OwnsClipboard())
        platform_.EmptyClipboard();
}

bool frmKarmicDebtNo::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
        txtDisplay_ClipboardGuard();
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void frmKarmicDebtNo::closeEvent(QCloseEvent* event) {
    event->ignore();
    Form_Unload();
}

void frmKarmicDebtNo::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    cmdback_->setFocus();
}

} // namespace ui
