#pragma once
// The main input screen: three names and a date of birth, checked by ValidateInput before
// Next asks for a reading. Menus open the maker's pages, the about screen and the exit.

#include "engine/CoreNumbers.h"
#include "screens/ScreenParts.h"

#include <QMainWindow>

class QAction;
class QComboBox;
class QLineEdit;
class QMenu;
class QPushButton;

namespace platform {
class Platform;
}

namespace screens {

class frmMain : public QMainWindow {
    Q_OBJECT

public:
    explicit frmMain(platform::Platform& platform, QWidget* parent = nullptr);

    // Fills the date lists and picks their first entries. The update reminder that comes
    // first is the lifecycle's to run.
    void Form_Load();
    bool ValidateInput();
    void CoBrand_Randomize();

    // The names and the day as the boxes hold them.
    engine::CoreInput EnteredInput() const;

    // 6r + 1 rounded half to even: 1 to 7.
    static int CoBrandNumber(double r);

public slots:
    void cmdNext_Click();
    void cmdExit_Click();
    void mnuNext_Click();
    void mnuExit_Click();
    void mnuOnline_Click();
    void mnuVisit_Click();
    void mnuUpdate_Click();
    void mnuAbout_Click();
    void mnuDonate_Click();
    void mkmoney_Click();

signals:
    // Input passed ValidateInput; the reading may be computed.
    void nextRequested();
    // The hidden Exit button, or File > Exit.
    void exitRequested();
    // The window's close box.
    void closeRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildControls(QWidget* client);
    void BuildMenus();
    void Refuse(const QString& message, QWidget* focusTarget);

    platform::Platform& platform_;

    QLineEdit* txtFirstName_ = nullptr;
    QLineEdit* txtMiddleName_ = nullptr;
    QLineEdit* txtLastName_ = nullptr;
    QComboBox* cboMonth_ = nullptr;
    QComboBox* cboDate_ = nullptr;
    QComboBox* cboYear_ = nullptr;
    QPushButton* cmdNext_ = nullptr;
    QPushButton* cmdExit_ = nullptr;
    BrandBanner brand_{};
};

} // namespace screens
