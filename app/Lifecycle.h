#pragma once
// The life of the process: the single-instance guard and start-up, which screen follows
// which, the exit sequence every closing screen runs, and EndProgram, the one way out.
// Each screen exists at most once and is built on first use; unloading runs its unload
// logic and forgets it, so the next showing builds it afresh.

#include <QObject>

#include <memory>
#include <vector>

namespace platform {
class Platform;
}
namespace ui {
class frmMain;
class frmKarmicDebtNo;
} // namespace ui
namespace web {
class frmNagScreen2;
}

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
    ui::frmMain* Main() const { return main_.get(); }
    ui::frmKarmicDebtNo* Result() const { return result_.get(); }
    web::frmNagScreen2* Farewell() const { return farewell_.get(); }
    const std::vector<Screen>& LoadedScreens() const { return loaded_; }

private:
    void ShowMain();
    void ShowReading();
    void ShowFarewell();
    void Back();
    void ExitSequence(Screen closing);
    void Unload(Screen screen);
    void RunUnloadLogic(Screen screen);
    void Forget(Screen screen);
    void Loaded(Screen screen);
    bool IsLoaded(Screen screen) const;

    platform::Platform& platform_;
    std::unique_ptr<ui::frmMain> main_;
    std::unique_ptr<ui::frmKarmicDebtNo> result_;
    std::unique_ptr<web::frmNagScreen2> farewell_;
    std::vector<Screen> loaded_;
    std::vector<Screen> unloading_;
    bool ending_ = false;
};

} // namespace app
