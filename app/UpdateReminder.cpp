#include "app/UpdateReminder.h"

#include "app/Settings.h"
#include "platform/Platform.h"
#include "resources/Product.h"
#include "web/OpenPage.h"

#include <cstdlib>

namespace app {

namespace {

const QString DurationKey = QStringLiteral("Duration");
const QString InstallKey = QStringLiteral("Install");
// A two-digit year is taken in the century that puts the date nearest to today.
constexpr qint64 HalfACenturyInDays = 50 * 365;

// Worded as the program has always asked it, "There maybe" included; the two sentences are
// split by a lone CR, which the message box shows as a line break.
const QString Question = QStringLiteral("There maybe an update to this software available\r"
                                        "Do you want to check for an update?");

bool IsPatternLetter(QChar c) {
    return (c >= QLatin1Char('a') && c <= QLatin1Char('z')) ||
           (c >= QLatin1Char('A') && c <= QLatin1Char('Z'));
}

// Printable ASCII survives the 8-bit scrambling whatever the offset.
bool Scramblable(QChar c) {
    return c >= QLatin1Char(' ') && c <= QLatin1Char('~');
}

// A literal character of a pattern: letters and the quote are quoted, the rest stands.
QString Literal(QChar c) {
    if (c == QLatin1Char('\''))
        return QStringLiteral("''");
    if (IsPatternLetter(c))
        return QLatin1Char('\'') + c + QLatin1Char('\'');
    return c;
}

// The user's short date pattern with as many year digits as asked for, and without the
// literal characters the scrambling would drop: Arabic right-to-left marks, the
// Bulgarian "г.". The order of the fields and every other separator stay.
QString StoredDatePattern(const QLocale& locale, int yearDigits) {
    const QString pattern = locale.dateFormat(QLocale::ShortFormat);
    QString safe;
    for (qsizetype i = 0; i < pattern.size();) {
        const QChar c = pattern[i];
        if (c == QLatin1Char('\'')) {
            if (i + 1 < pattern.size() && pattern[i + 1] == QLatin1Char('\'')) {
                safe += Literal(c);
                i += 2;
                continue;
            }
            const qsizetype close = pattern.indexOf(QLatin1Char('\''), i + 1);
            const qsizetype end = close < 0 ? pattern.size() : close;
            for (QChar quoted : QStringView(pattern).mid(i + 1, end - i - 1)) {
                if (Scramblable(quoted))
                    safe += Literal(quoted);
            }
            i = end + 1;
        } else if (IsPatternLetter(c)) {
            qsizetype run = i;
            while (run < pattern.size() && pattern[run] == c)
                ++run;
            safe += c == QLatin1Char('y') ? QString(yearDigits, c) : pattern.mid(i, run - i);
            i = run;
        } else {
            if (Scramblable(c))
                safe += c;
            ++i;
        }
    }
    return safe;
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
    return date.toString(StoredDatePattern(locale, 4));
}

std::optional<QDate> ParseStoredDate(const QString& text, const QLocale& locale,
                                     const QDate& today) {
    QDate date = QDate::fromString(text, StoredDatePattern(locale, 4));
    if (!date.isValid())
        date = NearestCentury(QDate::fromString(text, StoredDatePattern(locale, 2)), today);
    if (!date.isValid())
        date = NearestCentury(locale.toDate(text, QLocale::ShortFormat), today);
    if (!date.isValid())
        return std::nullopt;
    return date;
}

ReminderOutcome CheckUpdateReminder(platform::Platform& platform, bool mayAsk) {
    const QDate today = platform.Today();
    const QString todayText = StoredDateText(today, platform.UserLocale());

    const auto stored = ReadSetting(platform, DurationKey);
    if (!stored)
        return ReminderOutcome::Quiet;
    if (stored->isEmpty()) {
        if (WriteSetting(platform, InstallKey, QStringLiteral("1")))
            WriteSetting(platform, DurationKey, todayText);
        return ReminderOutcome::Quiet;
    }
    const auto remindedOn = ParseStoredDate(*stored, platform.UserLocale(), today);
    if (!remindedOn) {
        // A date no one can read would silence the reminder for good: start afresh.
        WriteSetting(platform, DurationKey, todayText);
        return ReminderOutcome::Quiet;
    }
    const qint64 days = today.daysTo(*remindedOn);
    if (std::abs(days) < product::ReminderPeriodDays || !mayAsk)
        return ReminderOutcome::Quiet;

    const auto answer = platform.ShowMessage(Question, platform::MessageIcon::Information,
                                             platform::MessageButtons::YesNo, product::AppTitle);
    // The question may have stood open past midnight, or for days on a sleeping laptop: the
    // next period runs from the answer.
    const QString answeredOn = StoredDateText(platform.Today(), platform.UserLocale());
    if (WriteSetting(platform, InstallKey, InstallAfterAnswer(ReadSetting(platform, InstallKey))) &&
        WriteSetting(platform, DurationKey, answeredOn) && answer == platform::MessageAnswer::Yes)
        web::OpenPage(platform, web::PageKey::DownloadWebPage);
    return ReminderOutcome::Asked;
}

} // namespace app
