#pragma once
// The life of the process: the single-instance guard and start-up, which screen follows
// which, the exit sequence of a closing screen, and EndProgram, the one way out.
// The screens only report what the user asked for; every step that follows is written
// out here. Each screen exists at most once and is built on first use; unloading forgets
// it, so the next showing builds it afresh.

#include <QObject>

#include <memory>
#include <vector>

namespace platform {
class Platform;
}
namespace screens {
class frmMain;
class frmKarmicDebtNo;
class frmNagScreen2;
} // namespace screens

namespace app {

enum class Screen { Main, Result, Farewell };

class Lifecycle : public QObject {
    Q_OBJECT

public:
    explicit Lifecycle(platform::Platform& platform);
    ~Lifecycle() override;

    void Startup();
    // Unloads every loaded screen in load order and ends the process with status 0.
    void EndProgram();

    // The screens as they are now; null while not loaded.
    screens::frmMain* Main() const { return main_.get(); }
    screens::frmKarmicDebtNo* Result() const { return result_.get(); }
    screens::frmNagScreen2* Farewell() const { return farewell_.get(); }
    // In the order they were loaded.
    const std::vector<Screen>& LoadedScreens() const { return loadOrder_; }

private:
    void Next();
    void Back();
    void MainExitSequence();
    void ResultExitSequence();

    void RunUpdateReminder();
    void ShowMain();
    screens::frmNagScreen2* LoadFarewell();
    void ShowFarewell();
    template <typename Form> Form* Load(std::unique_ptr<Form>& form, Screen screen);
    void Unload(Screen screen);
    template <typename Form> void Unload(std::unique_ptr<Form>& form, Screen screen);

    platform::Platform& platform_;
    std::unique_ptr<screens::frmMain> main_;
    std::unique_ptr<screens::frmKarmicDebtNo> result_;
    std::unique_ptr<screens::frmNagScreen2> farewell_;
    // EndProgram unloads in this order.
    std::vector<Screen> loadOrder_;
    // A store that cannot keep today's date would otherwise bring the question twice.
    bool reminderAsked_ = false;
};

} // namespace app
