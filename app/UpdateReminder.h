#pragma once
// At most once in any period of product::ReminderPeriodDays days, start-up asks whether to
// look for an update and on Yes opens the download page. The first run is only recorded.

#include <QDate>
#include <QLocale>

#include <optional>

namespace platform {
class Platform;
}

namespace app {

enum class ReminderOutcome { Quiet, Asked };

// Reads the stored date and, when it lies outside the period, asks; with mayAsk false it
// only reads, so a program that has asked once in this run never asks again.
ReminderOutcome CheckUpdateReminder(platform::Platform& platform, bool mayAsk = true);

// The date in the user's short date format, always with a four-digit year, so it reads
// back as the very same day.
QString StoredDateText(const QDate& date, const QLocale& locale);
// Reads what StoredDateText wrote, or the same format with a two-digit year (taken in the
// century nearest to today); nullopt when the text is no date in this locale.
std::optional<QDate> ParseStoredDate(const QString& text, const QLocale& locale,
                                     const QDate& today);

} // namespace app
