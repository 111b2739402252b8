#include "Lifecycle.h"

#include "KarmicDebt.h"
#include "Platform.h"
#include "Product.h"
#include "UpdateReminder.h"
#include "frmKarmicDebtNo.h"
#include "frmMain.h"
#include "frmNagScreen2.h"

#include <algorithm>

namespace app {

namespace {

// Start-up, the result screen's Back and exit sequence, and EndProgram go on with their
// next step whatever one step does.
template <typename Step> void IgnoringFailure(Step&& step) {
    try {
        step();
    } catch (...) {
    }
}

} // namespace

Lifecycle::Lifecycle(platform::Platform& platform) : platform_(platform) {}

Lifecycle::~Lifecycle() = default;

ui::frmMain* Lifecycle::Main() const {
    return static_cast<ui::frmMain*>(Find(Screen::Main));
}

ui::frmKarmicDebtNo* Lifecycle::Result() const {
    return static_cast<ui::frmKarmicDebtNo*>(Find(Screen::Result));
}

web::frmNagScreen2* Lifecycle::Farewell() const {
    return static_cast<web::frmNagScreen2*>(Find(Screen::Farewell));
}

std::vector<Screen> Lifecycle::LoadedScreens() const {
    std::vector<Screen> screens;
    for (const LoadedScreen& loaded : loaded_)
        screens.push_back(loaded.screen);
    return screens;
}

// The instance check comes before anything else; a second instance shows no screen and
// touches no setting.
void Lifecycle::Startup() {
    if (platform_.PreviousInstanceRunning()) {
        platform_.ShowMessage(QStringLiteral("Application is already running"),
                              platform::MessageIcon::Information, platform::MessageButtons::Ok,
                              platform::AppTitle);
        EndProgram();
        return;
    }
    IgnoringFailure([&] { platform_.SeedRandom(); });
    IgnoringFailure([&] { RunUpdateReminder(); });
    IgnoringFailure([&] { ShowMain(); });
    IgnoringFailure([&] {
        if (ui::frmMain* main = Main())
            main->CoBrand_Randomize();
    });
}

void Lifecycle::EndProgram() {
    for (Screen screen : LoadedScreens())
        IgnoringFailure([&] { Unload(screen); });
    platform_.EndProcess(0);
}

// Loaded once per run: Form_Load runs the update reminder while the screen is not yet
// visible, then fills the lists. Later showings only make it visible again.
void Lifecycle::ShowMain() {
    ui::frmMain* main = Main();
    if (!main) {
        main = Load<ui::frmMain>(Screen::Main);
        connect(main, &ui::frmMain::nextRequested, this, &Lifecycle::Next);
        connect(main, &ui::frmMain::exitRequested, this, &Lifecycle::MainExitSequence);
        connect(main, &ui::frmMain::closeRequested, this, &Lifecycle::MainExitSequence);
        RunUpdateReminder();
        main->Form_Load();
    }
    main->show();
    main->activateWindow();
}

// Both calls read the store; only one may ask in a run.
void Lifecycle::RunUpdateReminder() {
    if (CheckUpdateReminder(platform_, !reminderAsked_) == ReminderOutcome::Asked)
        reminderAsked_ = true;
}

// Loaded by the first exit sequence or the first Back; its load steps run once.
web::frmNagScreen2* Lifecycle::LoadFarewell() {
    if (web::frmNagScreen2* farewell = Farewell())
        return farewell;
    auto* farewell = Load<web::frmNagScreen2>(Screen::Farewell);
    connect(farewell, &web::frmNagScreen2::exitRequested, this, &Lifecycle::EndProgram);
    connect(farewell, &web::frmNagScreen2::closeRequested, this, &Lifecycle::EndProgram);
    farewell->Form_Load();
    return farewell;
}

// Later exit sequences only make it visible again, as it was.
void Lifecycle::ShowFarewell() {
    web::frmNagScreen2* farewell = LoadFarewell();
    farewell->show();
    farewell->activateWindow();
}

// The input passed ValidateInput: the main screen steps aside for a fresh result screen.
void Lifecycle::Next() {
    ui::frmMain* main = Main();
    main->hide();
    auto* result = Load<ui::frmKarmicDebtNo>(Screen::Result);
    connect(result, &ui::frmKarmicDebtNo::backRequested, this, &Lifecycle::Back);
    connect(result, &ui::frmKarmicDebtNo::closeRequested, this, &Lifecycle::ResultExitSequence);
    result->show();
    result->activateWindow();
    const std::u16string reading = engine::MakeReading(main->EnteredInput());
    result->ShowReading(QString::fromStdU16String(reading));
}

// Back unloads the result screen, and the main screen takes its place. The farewell screen
// that the result screen's exit sequence would bring up is only loaded, ready for a later
// exit: shown and hidden again at once, its window would reach some window managers
// (mutter) after it had been hidden, and stay on screen as an empty frame.
void Lifecycle::Back() {
    IgnoringFailure([&] { LoadFarewell(); });
    IgnoringFailure([&] { Unload(Screen::Result); });
    IgnoringFailure([&] { ShowMain(); });
}

// frmMain's cmdExit_Click, mnuExit_Click and Form_Unload (the close box): the farewell
// screen comes up, then the main screen goes.
void Lifecycle::MainExitSequence() {
    ShowFarewell();
    Unload(Screen::Main);
}

// frmKarmicDebtNo's Form_Unload (the close box, or Back): the same, each step going on
// whatever the other did. The main screen stays loaded and hidden.
void Lifecycle::ResultExitSequence() {
    IgnoringFailure([&] { ShowFarewell(); });
    IgnoringFailure([&] { Unload(Screen::Result); });
}

template <typename Form> Form* Lifecycle::Load(Screen screen) {
    auto form = std::make_unique<Form>(platform_);
    Form* loaded = form.get();
    loaded_.push_back({screen, std::move(form)});
    return loaded;
}

// Nothing the screen reports reaches the lifecycle any more. It may be the sender of the
// request being handled, so it is deleted once control is back in the event loop.
void Lifecycle::Unload(Screen screen) {
    const auto found = std::find_if(loaded_.begin(), loaded_.end(),
                                    [screen](const LoadedScreen& l) { return l.screen == screen; });
    if (found == loaded_.end())
        return;
    std::unique_ptr<QWidget> form = std::move(found->form);
    loaded_.erase(found);
    form->disconnect(this);
    form->hide();
    form.release()->deleteLater();
}

QWidget* Lifecycle::Find(Screen screen) const {
    for (const LoadedScreen& loaded : loaded_) {
        if (loaded.screen == screen)
            return loaded.form.get();
    }
    return nullptr;
}

} // namespace app
