#include "Lifecycle.h"

#include "KarmicDebt.h"
#include "Platform.h"
#include "frmKarmicDebtNo.h"
#include "frmMain.h"

#include <QCoreApplication>

namespace app {

namespace {

// The screen may be the sender of the signal being handled, so it goes when control has
// left it; the lifecycle forgets it at once, so the next showing builds a fresh one.
template <typename Screen> void Discard(std::unique_ptr<Screen>& screen) {
    if (!screen)
        return;
    screen->hide();
    screen.release()->deleteLater();
}

} // namespace

Lifecycle::Lifecycle(platform::Platform& platform) : platform_(platform) {}

Lifecycle::~Lifecycle() = default;

void Lifecycle::Startup() {
    platform_.SeedRandom();
    ShowMain();
    main_->CoBrand_Randomize();
}

void Lifecycle::ShowMain() {
    if (!main_) {
        main_ = std::make_unique<ui::frmMain>(platform_);
        connect(main_.get(), &ui::frmMain::nextRequested, this, &Lifecycle::ShowReading);
        connect(main_.get(), &ui::frmMain::exitRequested, this, &Lifecycle::Quit);
        main_->Form_Load();
    }
    main_->show();
    main_->activateWindow();
}

void Lifecycle::ShowReading() {
    main_->hide();
    Discard(result_);
    result_ = std::make_unique<ui::frmKarmicDebtNo>(platform_);
    connect(result_.get(), &ui::frmKarmicDebtNo::backRequested, this, &Lifecycle::Back);
    connect(result_.get(), &ui::frmKarmicDebtNo::exitRequested, this, &Lifecycle::Quit);
    result_->show();
    const std::u16string reading = engine::MakeReading(main_->EnteredInput());
    result_->ShowReading(QString::fromStdU16String(reading));
}

void Lifecycle::Back() {
    Discard(result_);
    ShowMain();
}

void Lifecycle::Quit() {
    Discard(result_);
    Discard(main_);
    QCoreApplication::quit();
}

} // namespace app
