#pragma once

#include <QDate>
#include <QDateTime>
#include <ctime>
#include <string>
#include <string_view>

// Date and time texts in the user's short date and long time formats. The formats are the C
// library's LC_TIME ones (strftime patterns); the texts are made by our own code, so that digits
// are always plain ASCII digits whatever the locale, and only names (months, weekdays, AM/PM,
// time zone) come from the locale.
namespace tivrel {

struct DateTimeFormats {
    std::string shortDate; // for example "%d.%m.%Y" or "%m/%d/%y"
    std::string longTime;  // for example "%T", "%H.%M.%S" or "%l:%M:%S %p"
};

// Takes the user's LC_TIME from the environment (setlocale(LC_TIME, "")) and makes its formats
// the program's. Called once at program start, before the window exists.
void useUserDateTimeFormats();

// The formats of the C library's present LC_TIME (nl_langinfo D_FMT and T_FMT).
DateTimeFormats localeDateTimeFormats();

// The formats the program uses: those set last, or else those of the present LC_TIME.
const DateTimeFormats& dateTimeFormats();
// Replaces the program's formats (start-up, and tests that must not depend on a locale).
void setDateTimeFormats(const DateTimeFormats& formats);

// The local date and time of a moment as the C library's broken-down time.
std::tm localTm(const QDateTime& moment);

// A strftime pattern applied to a time. Numbers are written by us (the E and O modifiers and
// the locale's alternative digits are not used; the "-", "_" and "0" padding flags are);
// %D %F %T %R %r are expanded to their POSIX meaning; names and anything else we do not write
// ourselves go through strftime one conversion at a time.
std::string formatDateTime(std::string_view pattern, const std::tm& time);

// The date text (short date format) and the time text (long time format).
std::string shortDateText(const std::tm& time, const DateTimeFormats& formats);
std::string shortDateText(const std::tm& time);
std::string longTimeText(const std::tm& time, const DateTimeFormats& formats);
std::string longTimeText(const std::tm& time);

// The time separator of a time format: the one character between its hour and its minute, or
// ":" when the format has none there (or more than one character).
std::string timeSeparator(std::string_view timeFormat);

// A fixed time pattern: "hh" the hour on the 24-hour clock, "nn" the minute, "ss" the second,
// two digits each; ":" stands for the separator; anything else stays as it is. The program uses
// "hhnnss", "hh:nn:ss" and "hh:nn".
std::string timeText(std::string_view pattern, const std::tm& time, std::string_view separator);
// The same with the separator of the program's long time format.
std::string timeText(std::string_view pattern, const std::tm& time);

// 1 for Sunday up to 7 for Saturday.
int weekdayNumber(const std::tm& time);
int weekdayNumber(const QDate& date);

// The 4th and 5th characters (bytes) of a time text, or what there is of them: the two digits
// of the minute in "09:05:07", "5:" in "9:05:07".
std::string minuteCharacters(std::string_view timeText);

} // namespace tivrel
