#include "app/Lifecycle.h"

#include "app/UpdateReminder.h"
#include "engine/KarmicDebt.h"
#include "platform/Platform.h"
#include "resources/Product.h"
#include "screens/frmKarmicDebtNo.h"
#include "screens/frmMain.h"
#include "screens/frmNagScreen2.h"

#include <algorithm>

namespace app {

// The steps of start-up, Back, the exit sequences and EndProgram follow one another
// whatever each does: none of them reports a failure by throwing (Qt throws nothing, and
// the platform's calls report failure by value), so plain sequence is all it takes.

Lifecycle::Lifecycle(platform::Platform& platform) : platform_(platform) {}

Lifecycle::~Lifecycle() = default;

// The instance check comes before anything else; a second instance shows no screen and
// touches no setting.
void Lifecycle::Startup() {
    if (platform_.PreviousInstanceRunning()) {
        platform_.ShowMessage(QStringLiteral("Application is already running"),
                              platform::MessageIcon::Information, platform::MessageButtons::Ok,
                              product::AppTitle);
        EndProgram();
        return;
    }
    platform_.SeedRandom();
    RunUpdateReminder();
    ShowMain();
    main_->CoBrand_Randomize();
}

void Lifecycle::EndProgram() {
    for (Screen screen : std::vector<Screen>(loadOrder_))
        Unload(screen);
    platform_.EndProcess(0);
}

// Loaded once per run: Form_Load runs the update reminder while the screen is not yet
// visible, then fills the lists. Later showings only make it visible again.
void Lifecycle::ShowMain() {
    screens::frmMain* main = Main();
    if (!main) {
        main = Load(main_, Screen::Main);
        connect(main, &screens::frmMain::nextRequested, this, &Lifecycle::Next);
        connect(main, &screens::frmMain::exitRequested, this, &Lifecycle::MainExitSequence);
        connect(main, &screens::frmMain::closeRequested, this, &Lifecycle::MainExitSequence);
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
screens::frmNagScreen2* Lifecycle::LoadFarewell() {
    if (screens::frmNagScreen2* farewell = Farewell())
        return farewell;
    auto* farewell = Load(farewell_, Screen::Farewell);
    connect(farewell, &screens::frmNagScreen2::exitRequested, this, &Lifecycle::EndProgram);
    connect(farewell, &screens::frmNagScreen2::closeRequested, this, &Lifecycle::EndProgram);
    farewell->Form_Load();
    return farewell;
}

// Later exit sequences only make it visible again, as it was.
void Lifecycle::ShowFarewell() {
    screens::frmNagScreen2* farewell = LoadFarewell();
    farewell->show();
    farewell->activateWindow();
}

// The input passed ValidateInput: the main screen steps aside for a fresh result screen.
void Lifecycle::Next() {
    screens::frmMain* main = Main();
    main->hide();
    auto* result = Load(result_, Screen::Result);
    connect(result, &screens::frmKarmicDebtNo::backRequested, this, &Lifecycle::Back);
    connect(result, &screens::frmKarmicDebtNo::closeRequested, this,
            &Lifecycle::ResultExitSequence);
    result->show();
    result->activateWindow();
    result->ShowReading(engine::MakeReading(main->EnteredInput()));
}

// Back unloads the result screen, and the main screen takes its place. The farewell screen
// that the result screen's exit sequence would bring up is only loaded, ready for a later
// exit: shown and hidden again at once, its window would reach some window managers
// (mutter) after it had been hidden, and stay on screen as an empty frame.
void Lifecycle::Back() {
    LoadFarewell();
    Unload(Screen::Result);
    ShowMain();
}

// frmMain's cmdExit_Click, mnuExit_Click and Form_Unload (the close box): the farewell
// screen comes up, then the main screen goes.
void Lifecycle::MainExitSequence() {
    ShowFarewell();
    Unload(Screen::Main);
}

// frmKarmicDebtNo's Form_Unload (the close box): the same, but the main screen stays
// loaded and hidden.
void Lifecycle::ResultExitSequence() {
    ShowFarewell();
    Unload(Screen::Result);
}

template <typename Form> Form* Lifecycle::Load(std::unique_ptr<Form>& form, Screen screen) {
    form = std::make_unique<Form>(platform_);
    loadOrder_.push_back(screen);
    return form.get();
}

void Lifecycle::Unload(Screen screen) {
    switch (screen) {
    case Screen::Main:
        return Unload(main_, screen);
    case Screen::Result:
        return Unload(result_, screen);
    case Screen::Farewell:
        return Unload(farewell_, screen);
    }
}

// Nothing the screen reports reaches the lifecycle any more. It may be the sender of the
// request being handled, so it is deleted once control is back in the event loop.
template <typename Form> void Lifecycle::Unload(std::unique_ptr<Form>& form, Screen screen) {
    if (!form)
        return;
    loadOrder_.erase(std::find(loadOrder_.begin(), loadOrder_.end(), screen));
    form->disconnect(this);
    form->hide();
    form.release()->deleteLater();
}

} // namespace app
