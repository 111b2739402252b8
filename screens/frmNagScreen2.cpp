#include "screens/frmNagScreen2.h"

#include "desktop/ScreenWindow.h"
#include "look/CaptionFitting.h"
#include "look/Controls.h"
#include "look/LinkLabel.h"
#include "look/ScreenLook.h"
#include "platform/Platform.h"
#include "resources/Product.h"
#include "screens/MessageTextBox.h"
#include "text/QtText.h"
#include "web/OpenPage.h"
#include "web/Placeholders.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QTimer>

#include <algorithm>
#include <utility>

namespace screens {

using look::DefaultPoints;
using look::MakeButton;
using look::MakeFrame;
using look::MakeLabel;
using look::MakeLinkLabel;
using look::MakeTextBox;
using look::TwipsRect;
using look::Verdana;
using text::TrimSpaces;
using web::PageKey;
namespace Placeholder = web::Placeholder;
using web::OpenPage;

namespace {

const QColor Navy{0, 0, 128};
const QColor CheckBlue{0, 0, 192};
const QString InitialMessage = Placeholder::Message + QStringLiteral("\r\n");

const QString DownloadInvitation = QStringLiteral(
    "Calvora Softwares makes a whole family of free programs for everyone who is curious "
    "about the hidden side of life. Try our astrology programs to read your stars and "
    "planets, our psychic programs to sharpen your intuition, our tarot programs to lay the "
    "cards and learn their meanings, our numerology programs to discover what your name and "
    "birth date say about you, and our occult programs to explore the mysteries of the "
    "ages. Each one is small, easy to use and free to download. If you like them, please "
    "share them with your friends and family, tell them about Calvora, and help us keep "
    "these softwares free for all.");

// A line box's text, or the message box's with its line breaks as CR LF, as the site has
// always received them.
QString TextOf(const QWidget* box) {
    if (const auto* line = qobject_cast<const QLineEdit*>(box))
        return line->text();
    return dynamic_cast<const MessageTextBox*>(box)->Text();
}

void SetTextOf(QWidget* box, const QString& text) {
    if (auto* line = qobject_cast<QLineEdit*>(box))
        line->setText(text);
    else
        dynamic_cast<MessageTextBox*>(box)->SetText(text);
}

} // namespace

// Worded as they have always been shown, "activites" included.
const QStringList& frmNagScreen2::Appeals() {
    static const QStringList appeals{
        QStringLiteral("Calvora Softwares, such as this can be created and maintained only "
                       "with your support. The best way to support Calvora is to visit Calvora "
                       "regularly and take part in the discussions and other activities on the "
                       "board."),
        QStringLiteral("Visit Calvora regularly. Support Calvora by taking part in the "
                       "discussions and other activities. These softwares cannot be supported "
                       "and maintained, without you regularly visiting Calvora"),
        QStringLiteral("Calvora is a FREE online discussion forum for all things mystic. To "
                       "help Calvora develop and maintain this software visit Calvora "
                       "regularly."),
        QStringLiteral("Calvora needs your help. All you need to do is visit Calvora regularly "
                       "and take part in the various discussions and activites to help us "
                       "maintain and develop more Calvora Softwares."),
    };
    return appeals;
}

frmNagScreen2::frmNagScreen2(platform::Platform& platform, QWidget* parent)
    : QWidget(parent), platform_(platform), referral_(platform) {
    setObjectName(QStringLiteral("frmNagScreen2"));
    look::ApplyScreenLook(this);
    // Unlike the other screens, a white form.
    look::SetColours(this, {{QPalette::Window, Qt::white},
                            {QPalette::WindowText, Qt::black},
                            {QPalette::Base, Qt::white},
                            {QPalette::Text, Qt::black}});

    desktop::MakeScreenWindow(this, look::TwipsSize(11115, 4725), desktop::Stacking::AboveOthers);
    desktop::AskInsteadOfClosing(this, [this] { emit closeRequested(); });
    BuildControls();
}

void frmNagScreen2::BuildControls() {
    picNagscreen2Icon_ =
        MakeLabel(this, "picNagscreen2Icon", QString(), TwipsRect(360, 120, 540, 540), Verdana());

    // Sizes itself to its title, as far as the download frame leaves room.
    MakeLabel(this, "lblNagScreen2Caption", product::ScreenTitle, TwipsRect(1080, 240, 6120, 480),
              look::ScreenFont(QStringLiteral("MS Sans Serif"), 18));

    Label2_ =
        MakeLabel(this, "Label2", QString(), TwipsRect(120, 840, 6975, 1095), Verdana(9.75, true));
    Label2_->setWordWrap(true);
    Label2_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    Check1_ = new QCheckBox(QStringLiteral("Click Here To Visit Calvora Now"), this);
    Check1_->setObjectName(QStringLiteral("Check1"));
    Check1_->setGeometry(TwipsRect(30, 2040, 7185, 555));
    Check1_->setFont(Verdana(14.25));
    look::SetTextColour(Check1_, CheckBlue);
    Check1_->setCursor(Qt::PointingHandCursor);

    cmdClose_ = MakeButton(this, "cmdClose", "E&xit", TwipsRect(6000, 2760, 1245, 375));

    BuildReferralFrame();
    BuildDownloadFrame();
    // Plain buttons: neither takes the light blue face of the other screens.
    for (QPushButton* button : {cmdClose_, cmdSubmit_})
        look::SetFaceColour(button, look::PlainFace, Qt::black);

    // The keyboard order of the original form: Exit, the check box, then the referral
    // boxes in their own order; the message box is last and only Tab reaches it.
    look::SetTabOrder({cmdClose_, Check1_, txtName_, cmdSubmit_, txtEmail_, txtFriendEmail_,
                       txtFriendName_, txtMessage_});

    look::FitCaptions(this);

    connect(cmdClose_, &QPushButton::clicked, this, &frmNagScreen2::cmdClose_Click);
    connect(Check1_, &QCheckBox::clicked, this, &frmNagScreen2::Check1_Click);
    connect(cmdSubmit_, &QPushButton::clicked, this, &frmNagScreen2::cmdSubmit_Click);
}

void frmNagScreen2::BuildReferralFrame() {
    auto* frame = MakeFrame(this, "Frame2", "Refer A Friend", TwipsRect(120, 3240, 7065, 1455));
    frame->setFont(Verdana(9.75, true));
    look::SetFaceColour(frame, Navy, Qt::white);

    txtName_ = MakeTextBox(frame, "txtName", Placeholder::Name, TwipsRect(85, 360, 3375, 285));
    txtEmail_ = MakeTextBox(frame, "txtEmail", Placeholder::Email, TwipsRect(3600, 360, 3375, 285));
    txtFriendName_ =
        MakeTextBox(frame, "txtFriendName", Placeholder::FriendName, TwipsRect(85, 720, 3375, 285));
    txtFriendEmail_ = MakeTextBox(frame, "txtFriendEmail", Placeholder::FriendEmail,
                                  TwipsRect(3600, 720, 3375, 285));
    cmdSubmit_ =
        MakeButton(frame, "cmdSubmit", "Refer A Friend &Now", TwipsRect(1920, 1080, 3375, 285));
    cmdSubmit_->setFont(Verdana(DefaultPoints, true));

    // Lies below the frame's edge: the user never sees it, and sends its first text
    // unless Tab brings the focus into it.
    txtMessage_ = new MessageTextBox(frame);
    txtMessage_->setObjectName(QStringLiteral("txtMessage"));
    txtMessage_->setGeometry(TwipsRect(4800, 3600, 1815, 495));
    txtMessage_->setFont(Verdana());
    txtMessage_->setTabChangesFocus(true);
    txtMessage_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtMessage_->SetText(InitialMessage);

    for (QLineEdit* box : {txtName_, txtEmail_, txtFriendName_, txtFriendEmail_})
        look::SetFaceColour(box, Qt::white, Qt::black);
    formBoxes_ = {{txtName_, Placeholder::Name, false},
                  {txtEmail_, Placeholder::Email, true},
                  {txtFriendName_, Placeholder::FriendName, false},
                  {txtFriendEmail_, Placeholder::FriendEmail, true},
                  {txtMessage_, Placeholder::Message, false}};
    for (const FormBox& form : formBoxes_) {
        form.box->installEventFilter(this);
        form.box->setAccessibleName(form.placeholder);
    }
}

void frmNagScreen2::BuildDownloadFrame() {
    auto* frame =
        MakeFrame(this, "Frame6", "Download Calvora Softwares", TwipsRect(7320, 120, 3735, 4575));
    frame->setFont(Verdana(9.75, true));
    look::SetFaceColour(frame, Navy, Qt::white);

    auto* invitation =
        MakeLabel(frame, "Label3", DownloadInvitation, TwipsRect(120, 360, 3495, 3855), Verdana(9));
    invitation->setWordWrap(true);
    invitation->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    look::SetTextColour(invitation, Qt::white);

    auto* link = MakeLinkLabel(frame, "lblGoToHome", "Click Here To Visit Calvora Softwares",
                               TwipsRect(75, 4250, 3585, 210), Verdana(9, true, true), Qt::yellow);
    link->setWordWrap(false);
    connect(link, &look::LinkLabel::clicked, this, &frmNagScreen2::lblGoToHome_Click);
}

void frmNagScreen2::Form_Load() {
    look::SetScreenTitle(this, product::ScreenTitle);
    picNagscreen2Icon_->setPixmap(look::ApplicationPixmap(look::Px(540)));
    platform_.SeedRandom();
    const int appeal = std::clamp(static_cast<int>(platform_.Random() * 4), 0, 3);
    Label2_->setText(Appeals()[appeal]);
    look::FitCaption(Label2_);
}

// The focus on Exit, so no box has it and every unfilled box shows its placeholder. Back
// shows and hides the screen while the user never sees it; whatever that did to the focus
// is undone whenever it comes up.
void frmNagScreen2::ShowAsFirstOpened() {
    cmdClose_->setFocus();
    for (const FormBox& form : formBoxes_) {
        if (TrimSpaces(TextOf(form.box)).isEmpty())
            SetTextOf(form.box, form.placeholder);
    }
}

void frmNagScreen2::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous())
        ShowAsFirstOpened();
}

void frmNagScreen2::cmdClose_Click() {
    emit exitRequested();
}

void frmNagScreen2::Check1_Click() {
    // Works as a link: it never stays ticked.
    if (Check1_->isChecked()) {
        Check1_->setChecked(false);
        OpenPage(platform_, PageKey::HomePage);
    }
}

void frmNagScreen2::lblGoToHome_Click() {
    OpenPage(platform_, PageKey::CalvoraSoftwares);
}

void frmNagScreen2::Refuse(const QString& message) {
    platform_.ShowMessage(message, platform::MessageIcon::Stop, platform::MessageButtons::Ok,
                          product::AppTitle);
}

void frmNagScreen2::cmdSubmit_Click() {
    referral_.SubmitReferral({TrimSpaces(txtName_->text()), TrimSpaces(txtEmail_->text()),
                              TrimSpaces(txtMessage_->Text()), TrimSpaces(txtFriendName_->text()),
                              TrimSpaces(txtFriendEmail_->text())});
}

const frmNagScreen2::FormBox* frmNagScreen2::FormBoxOf(const QObject* box) const {
    const auto found = std::find_if(formBoxes_.begin(), formBoxes_.end(),
                                    [box](const FormBox& form) { return form.box == box; });
    return found == formBoxes_.end() ? nullptr : &*found;
}

void frmNagScreen2::ClearPendingPlaceholder() {
    const FormBox* form = std::exchange(placeholderToClear_, nullptr);
    if (form && TrimSpaces(TextOf(form->box)) == form->placeholder)
        SetTextOf(form->box, QString());
}

bool frmNagScreen2::eventFilter(QObject* watched, QEvent* event) {
    const FormBox* form = FormBoxOf(watched);
    if (!form)
        return QWidget::eventFilter(watched, event);

    switch (event->type()) {
    case QEvent::FocusIn:
        // Cleared a turn later: text changes that reach a screen reader before the focus
        // does would make it move on without saying which box this is.
        if (TrimSpaces(TextOf(form->box)) == form->placeholder) {
            placeholderToClear_ = form;
            QTimer::singleShot(0, this, &frmNagScreen2::ClearPendingPlaceholder);
        }
        break;
    case QEvent::FocusOut:
        if (placeholderToClear_ == form)
            placeholderToClear_ = nullptr;
        if (TrimSpaces(TextOf(form->box)).isEmpty())
            SetTextOf(form->box, form->placeholder);
        break;
    case QEvent::InputMethod:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::Drop:
        // What the user puts in never joins the placeholder, however fast it comes.
        if (placeholderToClear_ == form)
            ClearPendingPlaceholder();
        break;
    case QEvent::KeyPress:
        if (placeholderToClear_ == form)
            ClearPendingPlaceholder();
        if (form->address && static_cast<QKeyEvent*>(event)->text() == QLatin1String(" ")) {
            Refuse(QStringLiteral("Email Address Cannot Contain Space"));
            form->box->setFocus();
            return true;
        }
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace screens
