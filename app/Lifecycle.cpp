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

// Start-up, Back and EndProgram go on with their next step whatever one step does.
template <typename Step> void IgnoringFailure(Step&& step) {
    try {
        step();
    } catch (...) {
    }
}

// The screen may be the sender of the signal being handled, so it goes when control has
// returned to the event loop; the lifecycle forgets it at once.
template <typename Form> void Discard(std::unique_ptr<Form>& form) {
    if (!form)
        return;
    form->hide();
    form.release()->deleteLater();
}

bool Contains(const std::vector<Screen>& screens, Screen screen) {
    return std::find(screens.begin(), screens.end(), screen) != screens.end();
}

void Remove(std::vector<Screen>& screens, Screen screen) {
    screens.erase(std::remove(screens.begin(), screens.end(), screen), screens.end());
}

} // namespace

Lifecycle::Lifecycle(platform::Platform& platform) : platform_(platform) {}

Lifecycle::~Lifecycle() = default;

void Lifecycle::Startup() {
    if (platform_.PreviousInstanceRunning()) {
        platform_.ShowMessage(QStringLiteral("Application is already running"),
                              platform::MessageIcon::Information, platform::MessageButtons::Ok,
                              platform::AppTitle);
        EndProgram();
        return;
    }
    IgnoringFailure([&] { platform_.SeedRandom(); });
    IgnoringFailure([&] { CheckUpdateReminder(platform_); });
    IgnoringFailure([&] { ShowMain(); });
    IgnoringFailure([&] {
        if (main_)
            main_->CoBrand_Randomize();
    });
}

void Lifecycle::EndProgram() {
    if (ending_)
        return;
    ending_ = true;
    const std::vector<Screen> inLoadOrder = loaded_;
    for (Screen screen : inLoadOrder)
        IgnoringFailure([&] { Unload(screen); });
    platform_.EndProcess(0);
}

void Lifecycle::ShowMain() {
    if (!main_) {
        main_ = std::make_unique<ui::frmMain>(platform_);
        connect(main_.get(), &ui::frmMain::loading, this,
                [this] { IgnoringFailure([&] { CheckUpdateReminder(platform_); }); });
        connect(main_.get(), &ui::frmMain::nextRequested, this, &Lifecycle::ShowReading);
        connect(main_.get(), &ui::frmMain::exitRequested, this,
                [this] { ExitSequence(Screen::Main); });
        Loaded(Screen::Main);
        main_->Form_Load();
    }
    main_->show();
    main_->activateWindow();
}

void Lifecycle::ShowReading() {
    main_->hide();
    result_ = std::make_unique<ui::frmKarmicDebtNo>(platform_);
    connect(result_.get(), &ui::frmKarmicDebtNo::backRequested, this, &Lifecycle::Back);
    connect(result_.get(), &ui::frmKarmicDebtNo::exitRequested, this,
            [this] { ExitSequence(Screen::Result); });
    Loaded(Screen::Result);
    result_->show();
    result_->activateWindow();
    const std::u16string reading = engine::MakeReading(main_->EnteredInput());
    result_->ShowReading(QString::fromStdU16String(reading));
}

void Lifecycle::ShowFarewell() {
    if (!farewell_) {
        farewell_ = std::make_unique<web::frmNagScreen2>(platform_);
        connect(farewell_.get(), &web::frmNagScreen2::endRequested, this, &Lifecycle::EndProgram);
        Loaded(Screen::Farewell);
        farewell_->Form_Load();
    }
    farewell_->show();
    farewell_->activateWindow();
}

// Unloading the result screen runs its exit sequence, which brings up the farewell
// screen; Back then puts the main screen in its place.
void Lifecycle::Back() {
    IgnoringFailure([&] { Unload(Screen::Result); });
    IgnoringFailure([&] { ShowMain(); });
    IgnoringFailure([&] {
        if (farewell_)
            farewell_->hide();
    });
}

void Lifecycle::ExitSequence(Screen closing) {
    if (ending_)
        return;
    IgnoringFailure([&] { ShowFarewell(); });
    IgnoringFailure([&] { Unload(closing); });
}

void Lifecycle::Unload(Screen screen) {
    if (!IsLoaded(screen) || Contains(unloading_, screen))
        return;
    unloading_.push_back(screen);
    IgnoringFailure([&] { RunUnloadLogic(screen); });
    Forget(screen);
    Remove(unloading_, screen);
}

void Lifecycle::RunUnloadLogic(Screen screen) {
    switch (screen) {
    case Screen::Main:
        main_->Form_Unload();
        break;
    case Screen::Result:
        result_->Form_Unload();
        break;
    case Screen::Farewell:
        farewell_->Form_Unload();
        break;
    }
}

void Lifecycle::Forget(Screen screen) {
    switch (screen) {
    case Screen::Main:
        Discard(main_);
        break;
    case Screen::Result:
        Discard(result_);
        break;
    case Screen::Farewell:
        Discard(farewell_);
        break;
    }
    Remove(loaded_, screen);
}

void Lifecycle::Loaded(Screen screen) {
    loaded_.push_back(screen);
}

bool Lifecycle::IsLoaded(Screen screen) const {
    return Contains(loaded_, screen);
}

} // namespace app
