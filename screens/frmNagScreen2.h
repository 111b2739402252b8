#pragma once
// The farewell screen: an appeal to support the maker's board, a link to the maker's other
// programs, and the refer-a-friend form. Closing it ends the program.

#include "web/modTellAFriend.h"

#include <QWidget>

#include <vector>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace screens {

class MessageTextBox;

class frmNagScreen2 : public QWidget {
    Q_OBJECT

public:
    explicit frmNagScreen2(platform::Platform& platform, QWidget* parent = nullptr);

    void Form_Load();

    const web::modTellAFriend& Referral() const { return referral_; }

    static const QStringList& Appeals();

public slots:
    void cmdClose_Click();
    void cmdSubmit_Click();
    void Check1_Click();
    void lblGoToHome_Click();

signals:
    // The Exit button.
    void exitRequested();
    // The window's close box.
    void closeRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void BuildControls();
    void BuildReferralFrame();
    void BuildDownloadFrame();
    void ShowAsFirstOpened();
    void Refuse(const QString& message);

    // A box of the referral form, with the text it shows while unfilled.
    struct FormBox {
        QWidget* box;
        QString placeholder;
        bool address;
    };
    const FormBox* FormBoxOf(const QObject* box) const;
    void ClearPendingPlaceholder();

    platform::Platform& platform_;
    web::modTellAFriend referral_;

    QLabel* picNagscreen2Icon_ = nullptr;
    QPushButton* cmdClose_ = nullptr;
    QCheckBox* Check1_ = nullptr;
    QLabel* Label2_ = nullptr;
    QLineEdit* txtName_ = nullptr;
    QLineEdit* txtEmail_ = nullptr;
    QLineEdit* txtFriendName_ = nullptr;
    QLineEdit* txtFriendEmail_ = nullptr;
    MessageTextBox* txtMessage_ = nullptr;
    QPushButton* cmdSubmit_ = nullptr;
    std::vector<FormBox> formBoxes_;
    // The box that has just taken the focus and whose placeholder is still to be cleared.
    const FormBox* placeholderToClear_ = nullptr;
};

} // namespace screens
