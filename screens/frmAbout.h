#pragma once
// The about screen: what the program is, and two links to the maker's site. Modal, built
// afresh for every showing; OK, Enter and Escape close it.

#include <QDialog>

namespace platform {
class Platform;
}

namespace screens {

class frmAbout : public QDialog {
    Q_OBJECT

public:
    explicit frmAbout(platform::Platform& platform, QWidget* parent = nullptr);

public slots:
    void cmdOK_Click();
    void lblHomePage_Click();
    void lblCoBrand_Click();

private:
    platform::Platform& platform_;
};

} // namespace screens
