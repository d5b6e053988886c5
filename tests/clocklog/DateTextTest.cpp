// Date and time texts in the user's formats, made without depending on installed locales.
#include "platform/DateText.h"

#include <QTemporaryDir>
#include <clocale>
#include <cstdlib>
#include <gtest/gtest.h>

namespace {

std::tm tmOf(int year, int month, int day, int hour, int minute, int second) {
    return tivrel::localTm(QDateTime(QDate(year, month, day), QTime(hour, minute, second)));
}

struct FormatCase {
    const char* pattern;
    std::tm time;
    const char* text;
};

class FormatDateTime : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatDateTime, WritesThePattern) {
    const FormatCase& c = GetParam();
    EXPECT_EQ(tivrel::formatDateTime(c.pattern, c.time), c.text) << c.pattern;
}

const std::tm kMorning = tmOf(2009, 3, 14, 8, 5, 7);
const std::tm kEvening = tmOf(2009, 3, 4, 21, 5, 7);
const std::tm kMidnight = tmOf(2010, 1, 1, 0, 0, 9);

INSTANTIATE_TEST_SUITE_P(
    Patterns, FormatDateTime,
    ::testing::Values(
        FormatCase{"%d/%m/%Y", kMorning, "14/03/2009"},
        FormatCase{"%m/%d/%y", kMorning, "03/14/09"},
        FormatCase{"%d.%m.%Y", kEvening, "04.03.2009"},
        FormatCase{"%e.%m.%Y", kEvening, " 4.03.2009"},
        FormatCase{"%-d.%-m.%Y", kEvening, "4.3.2009"}, FormatCase{"%_m/%0e", kEvening, " 3/04"},
        FormatCase{"%D", kMorning, "03/14/09"}, FormatCase{"%F", kMorning, "2009-03-14"},
        FormatCase{"%C%y %j", kMidnight, "2010 001"}, FormatCase{"%H:%M:%S", kMorning, "08:05:07"},
        FormatCase{"%T", kEvening, "21:05:07"}, FormatCase{"%R", kEvening, "21:05"},
        FormatCase{"%k:%M:%S", kMorning, " 8:05:07"}, FormatCase{"%-H:%M:%S", kMorning, "8:05:07"},
        FormatCase{"%I:%M:%S %p", kEvening, "09:05:07 PM"},
        FormatCase{"%l:%M:%S %p", kEvening, " 9:05:07 PM"},
        FormatCase{"%r", kMidnight, "12:00:09 AM"}, FormatCase{"%OH:%OM:%OS", kMorning, "08:05:07"},
        FormatCase{"%Oy/%Om/%Od", kMorning, "09/03/14"}, FormatCase{"%Ey", kMorning, "09"},
        FormatCase{"%H.%M.%S", kMorning, "08.05.07"},
        FormatCase{"%a %d %b", kMorning, "Sat 14 Mar"},
        FormatCase{"100%% %d%", kMorning, "100% 14%"}, FormatCase{"", kMorning, ""}));

struct SeparatorCase {
    const char* format;
    const char* separator;
};

class TimeSeparator : public ::testing::TestWithParam<SeparatorCase> {};

TEST_P(TimeSeparator, IsTheCharacterBetweenHourAndMinute) {
    EXPECT_EQ(tivrel::timeSeparator(GetParam().format), GetParam().separator) << GetParam().format;
}

INSTANTIATE_TEST_SUITE_P(
    Formats, TimeSeparator,
    ::testing::Values(SeparatorCase{"%H:%M:%S", ":"}, SeparatorCase{"%T", ":"},
                      SeparatorCase{"%r", ":"}, SeparatorCase{"%H.%M.%S", "."},
                      SeparatorCase{"kl. %H.%M %z", "."}, SeparatorCase{"%Z %I:%M:%S %p", ":"},
                      SeparatorCase{"%l-%M-%S", "-"}, SeparatorCase{"%OH:%OM:%OS", ":"},
                      SeparatorCase{"%H時%M分%S秒", "時"}, SeparatorCase{"%H시 %M분", ":"},
                      SeparatorCase{"%H%M%S", ":"}, SeparatorCase{"", ":"}));

TEST(TimeText, FixedPatternsUseTwoDigitsAndTheSeparator) {
    const struct {
        const char* pattern;
        std::tm time;
        const char* separator;
        const char* text;
    } cases[] = {{"hhnnss", kMorning, ":", "080507"},     {"hhnnss", kEvening, ".", "210507"},
                 {"hh:nn:ss", kMorning, ":", "08:05:07"}, {"hh:nn:ss", kMorning, ".", "08.05.07"},
                 {"hh:nn", kEvening, "h", "21h05"},       {"hh:nn", kMidnight, ":", "00:00"}};
    for (const auto& c : cases)
        EXPECT_EQ(tivrel::timeText(c.pattern, c.time, c.separator), c.text) << c.pattern;
}

TEST(TimeText, TakesTheSeparatorOfTheProgramsTimeFormat) {
    const tivrel::DateTimeFormats previous = tivrel::dateTimeFormats();
    tivrel::setDateTimeFormats({"%d.%m.%Y", "%H.%M.%S"});
    EXPECT_EQ(tivrel::timeText("hh:nn:ss", kMorning), "08.05.07");
    EXPECT_EQ(tivrel::shortDateText(kMorning), "14.03.2009");
    EXPECT_EQ(tivrel::longTimeText(kEvening), "21.05.07");
    tivrel::setDateTimeFormats(previous);
}

TEST(WeekdayNumber, RunsFromSundayOneToSaturdaySeven) {
    for (int day = 8; day <= 14; ++day) { // Sunday 8 March 2009 up to Saturday 14 March
        const QDate date(2009, 3, day);
        EXPECT_EQ(tivrel::weekdayNumber(date), day - 7) << day;
        EXPECT_EQ(tivrel::weekdayNumber(tmOf(2009, 3, day, 12, 0, 0)), day - 7) << day;
    }
}

TEST(MinuteCharacters, AreTheFourthAndFifthCharacters) {
    const std::pair<const char*, const char*> cases[] = {{"09:05:07", "05"},
                                                         {"9:05:07", "5:"},
                                                         {" 9:05:07", "05"},
                                                         {"09:05:07 PM", "05"},
                                                         {"9:05", "5"},
                                                         {"9:0", ""},
                                                         {"", ""}};
    for (const auto& [time, minute] : cases)
        EXPECT_EQ(tivrel::minuteCharacters(time), minute) << '"' << time << '"';
}

// A real locale whose formats ask for the alternative (Persian) digits: the program's texts
// keep plain digits, while the C library's strftime would not. The locale is compiled into a
// temporary folder, so nothing needs to be installed.
TEST(UserFormats, ComeFromLcTimeAndNeverChangeTheDigits) {
    QTemporaryDir locales;
    const std::string folder = locales.path().toStdString();
    const std::string build =
        "localedef -i fa_IR -f UTF-8 '" + folder + "/fa_IR.UTF-8' 2>/dev/null";
    if (std::system(build.c_str()) != 0)
        GTEST_SKIP() << "localedef cannot build fa_IR here";
    const tivrel::DateTimeFormats previous = tivrel::dateTimeFormats();
    const std::string oldLocale = std::setlocale(LC_TIME, nullptr);
    const char* oldAll = std::getenv("LC_ALL");
    const std::string savedAll = oldAll ? oldAll : "";
    ::setenv("LOCPATH", folder.c_str(), 1);
    ::setenv("LC_ALL", "fa_IR.UTF-8", 1);

    tivrel::useUserDateTimeFormats();
    const tivrel::DateTimeFormats formats = tivrel::dateTimeFormats();
    char libraryText[64];
    std::strftime(libraryText, sizeof libraryText, formats.longTime.c_str(), &kMorning);

    std::setlocale(LC_TIME, oldLocale.c_str());
    ::unsetenv("LOCPATH");
    oldAll ? ::setenv("LC_ALL", savedAll.c_str(), 1) : ::unsetenv("LC_ALL");
    tivrel::setDateTimeFormats(previous);

    EXPECT_EQ(formats.shortDate, "%Oy/%Om/%Od");
    EXPECT_EQ(formats.longTime, "%OH:%OM:%OS");
    EXPECT_NE(std::string(libraryText), "08:05:07") << "the library writes Persian digits";
    EXPECT_EQ(tivrel::formatDateTime(formats.longTime, kMorning), "08:05:07");
    EXPECT_EQ(tivrel::formatDateTime(formats.shortDate, kMorning), "09/03/14");
}

} // namespace
