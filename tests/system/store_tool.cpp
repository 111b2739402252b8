// Reads and writes the real program's scrambled settings from outside it, so system tests
// can prepare a stored date and check what the program left behind.
//
//   store_tool set Duration DAYS_FROM_TODAY   the date that many days from today
//   store_tool set KEY VALUE
//   store_tool get KEY
//   store_tool today                          today's date as the program stores it

#include "app/Settings.h"
#include "app/UpdateReminder.h"
#include "platform/QtPlatform.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("NuvraKarmicDebtNumber"));
    const QStringList args = QCoreApplication::arguments().mid(1);
    platform::QtPlatform platform;
    const auto dateText = [&](int daysFromToday) {
        return app::StoredDateText(platform.Today().addDays(daysFromToday), platform.UserLocale());
    };

    if (args.size() == 1 && args[0] == "today") {
        std::printf("%s\n", qPrintable(dateText(0)));
        return 0;
    }
    if (args.size() == 2 && args[0] == "get") {
        const auto value = app::ReadSetting(platform, args[1]);
        std::printf("%s\n", value ? qPrintable(*value) : "<unreadable>");
        return value ? 0 : 1;
    }
    if (args.size() == 3 && args[0] == "set") {
        const QString value = args[1] == "Duration" ? dateText(args[2].toInt()) : args[2];
        return app::WriteSetting(platform, args[1], value) ? 0 : 1;
    }
    std::fprintf(stderr, "usage: store_tool set KEY VALUE | get KEY | today\n");
    return 2;
}
