#include "UpdateReminder.h"

#include "OpenPage.h"
#include "Platform.h"
#include "Product.h"
#include "Settings.h"

#include <cstdlib>

namespace app {

namespace {

const QString DurationKey = QStringLiteral("Duration");
const QString InstallKey = QStringLiteral("Install");
constexpr qint64 ReminderPeriodDays = 14;
// A two-digit year is taken in the century that puts the date nearest to today.
constexpr qint64 HalfACenturyInDays = 50 * 365;

// Worded as the program has always asked it, "There maybe" included; the two sentences are
// split by a lone CR, which the message box shows as a line break.
const QString Question = QStringLiteral("There maybe an update to this software available\r"
                                        "Do you want to check for an update?");

QString ShortPattern(const QLocale& locale) {
    return locale.dateFormat(QLocale::ShortFormat);
}

QString FourDigitYearPattern(const QLocale& locale) {
    QString pattern = ShortPattern(locale);
    if (!pattern.contains(QLatin1String("yyyy")))
        pattern.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    return pattern;
}

// Qt reads a two-digit year as 19xx; the right century is the one nearest to today.
QDate NearestCentury(QDate date, const QDate& today) {
    while (date.isValid() && date.daysTo(today) > HalfACenturyInDays)
        date = date.addYears(100);
    return date;
}

// "Install" after the question: its absolute value, 1 when it is no 32-bit whole number.
QString InstallAfterAnswer(const std::optional<QString>& stored) {
    bool whole = false;
    const int value = stored ? stored->toInt(&whole) : 0;
    if (!whole)
        return QStringLiteral("1");
    return QString::number(std::llabs(static_cast<long long>(value)));
}

} // namespace

QString StoredDateText(const QDate& date, const QLocale& locale) {
    // Digits and month names of the C locale keep every character inside the 8-bit range
    // that the scrambling keeps.
    return date.toString(FourDigitYearPattern(locale));
}

std::optional<QDate> ParseStoredDate(const QString& text, const QLocale& locale,
                                     const QDate& today) {
    QDate date = QDate::fromString(text, FourDigitYearPattern(locale));
    if (!date.isValid())
        date = NearestCentury(QDate::fromString(text, ShortPattern(locale)), today);
    if (!date.isValid())
        date = NearestCentury(locale.toDate(text, QLocale::ShortFormat), today);
    if (!date.isValid())
        return std::nullopt;
    return date;
}

void CheckUpdateReminder(platform::Platform& platform) {
    const QDate today = platform.Today();
    const QString todayText = StoredDateText(today, platform.UserLocale());

    const auto stored = ReadSetting(platform, DurationKey);
    if (!stored)
        return;
    if (stored->isEmpty()) {
        if (WriteSetting(platform, InstallKey, QStringLiteral("1")))
            WriteSetting(platform, DurationKey, todayText);
        return;
    }
    const auto remindedOn = ParseStoredDate(*stored, platform.UserLocale(), today);
    if (!remindedOn) {
        // A date no one can read would silence the reminder for good: start afresh.
        WriteSetting(platform, DurationKey, todayText);
        return;
    }
    const qint64 days = today.daysTo(*remindedOn);
    if (days >= -ReminderPeriodDays && days <= ReminderPeriodDays)
        return;

    const auto answer = platform.ShowMessage(Question, platform::MessageIcon::Information,
                                             platform::MessageButtons::YesNo, platform::AppTitle);
    if (!WriteSetting(platform, InstallKey, InstallAfterAnswer(ReadSetting(platform, InstallKey))))
        return;
    if (!WriteSetting(platform, DurationKey, todayText))
        return;
    if (answer == platform::MessageAnswer::Yes)
        web::OpenPage(platform, web::PageKey::DownloadWebPage);
}

} // namespace app
