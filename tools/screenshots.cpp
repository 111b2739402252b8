// Draws every screen a user meets, as the real program builds it, into PNG files: the main
// screen, a validation message, a reading with a debt and one without, the about screen
// and the farewell screen. Runs without a display.
//
//   screenshots FOLDER [FIRST LAST DAY]     the sample name defaults to ED KAY, day 1

#include "app/Lifecycle.h"
#include "platform/QtPlatform.h"
#include "screens/frmAbout.h"
#include "screens/frmKarmicDebtNo.h"
#include "screens/frmMain.h"
#include "screens/frmNagScreen2.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QMap>
#include <QMessageBox>
#include <QPushButton>

#include <cstdio>

namespace {

// The real platform, except that message boxes are drawn instead of waiting for an
// answer, no page opens, no setting is stored and the random draws are fixed.
class PicturePlatform : public platform::QtPlatform {
public:
    explicit PicturePlatform(QDir folder) : folder_(std::move(folder)) {}

    platform::MessageAnswer ShowMessage(const QString& text, platform::MessageIcon icon,
                                        platform::MessageButtons buttons,
                                        const QString& caption) override {
        const auto box = platform::MakeMessageBox(text, icon, buttons, caption);
        box->show();
        Save(box.get(), "validation-message");
        return buttons == platform::MessageButtons::YesNo ? platform::MessageAnswer::No
                                                          : platform::MessageAnswer::Ok;
    }
    void OpenUrl(const QString&) override {}
    void SeedRandom() override {}
    double Random() override { return 0.5; }
    std::optional<QString> ReadStoredValue(const QString& section, const QString& key) override {
        return store_.value(section + '/' + key);
    }
    bool WriteStoredValue(const QString& section, const QString& key,
                          const QString& value) override {
        store_[section + '/' + key] = value;
        return true;
    }
    bool PreviousInstanceRunning() override { return false; }
    void EndProcess(int) override {}

    void Save(QWidget* widget, const char* name) {
        QApplication::processEvents();
        const QString path = folder_.filePath(QString::fromLatin1(name) + ".png");
        if (widget->grab().save(path))
            std::printf("%s\n", qPrintable(path));
        else
            std::fprintf(stderr, "could not write %s\n", qPrintable(path));
    }

private:
    QDir folder_;
    QMap<QString, QString> store_;
};

template <typename T> T* Control(QWidget* screen, const char* name) {
    return screen->findChild<T*>(QLatin1String(name));
}

void Enter(screens::frmMain* main, const QString& first, const QString& last, const QString& day) {
    Control<QLineEdit>(main, "txtFirstName")->setText(first);
    Control<QLineEdit>(main, "txtLastName")->setText(last);
    auto* days = Control<QComboBox>(main, "cboDate");
    days->setCurrentIndex(days->findText(day));
}

// The offscreen platform says, for every fixed-size window, that it cannot pass size hints
// on; there is no window system to pass them to, and a reader should see only the
// program's own words.
void QuietAboutSizeHints(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (!text.contains(QLatin1String("propagateSizeHints")))
        std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, text)));
}

} // namespace

int main(int argc, char* argv[]) {
    qInstallMessageHandler(QuietAboutSizeHints);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const QStringList args = QCoreApplication::arguments().mid(1);
    if (args.size() != 1 && args.size() != 4) {
        std::fprintf(stderr, "usage: screenshots FOLDER [FIRST LAST DAY]\n");
        return 2;
    }
    QDir folder(args[0]);
    if (!folder.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(args[0]));
        return 1;
    }
    const QString first = args.size() == 4 ? args[1] : QStringLiteral("ED");
    const QString last = args.size() == 4 ? args[2] : QStringLiteral("KAY");
    const QString day = args.size() == 4 ? args[3] : QStringLiteral("1");

    PicturePlatform platform(folder);
    app::Lifecycle lifecycle(platform);
    lifecycle.Startup();
    screens::frmMain* main = lifecycle.Main();
    platform.Save(main, "main");

    main->cmdNext_Click(); // no names yet: the first validation message
    Enter(main, first, last, day);
    main->cmdNext_Click();
    platform.Save(lifecycle.Result(), "reading");
    Control<QPushButton>(lifecycle.Result(), "cmdback")->click();

    Enter(main, QStringLiteral("JOHN"), QStringLiteral("SMITH"), QStringLiteral("5"));
    main->cmdNext_Click();
    platform.Save(lifecycle.Result(), "reading-no-debt");
    Control<QPushButton>(lifecycle.Result(), "cmdback")->click();

    screens::frmAbout about(platform);
    about.show();
    platform.Save(&about, "about");
    about.close();

    Control<QAction>(main, "mnuExit")->trigger();
    platform.Save(lifecycle.Farewell(), "farewell");
    return 0;
}
