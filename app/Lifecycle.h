#pragma once
// The life of the process: start-up, which screen follows which, and the end.

#include <QObject>

#include <memory>

namespace platform {
class Platform;
}
namespace ui {
class frmMain;
class frmKarmicDebtNo;
} // namespace ui

namespace app {

class Lifecycle : public QObject {
    Q_OBJECT

public:
    explicit Lifecycle(platform::Platform& platform);
    ~Lifecycle() override;

    void Startup();

    // The screens as they are now; null while not loaded.
    ui::frmMain* Main() const { return main_.get(); }
    ui::frmKarmicDebtNo* Result() const { return result_.get(); }

private:
    void ShowMain();
    void ShowReading();
    void Back();
    void Quit();

    platform::Platform& platform_;
    std::unique_ptr<ui::frmMain> main_;
    std::unique_ptr<ui::frmKarmicDebtNo> result_;
};

} // namespace app
