// The texts of the log: its rows and its file names.
#include "log/LogNames.h"
#include "log/LogRow.h"

#include <gtest/gtest.h>

namespace {

tivrel::Frame frameWith(const char* ph, const char* o2, const char* co2) {
    return {ph, "6,90", "7,10", "15,5", "7", "20", o2, co2, "100", "10", "*", "*"};
}

TEST(FormatLogRow, NineFieldsWithTheOutputStates) {
    const struct {
        const char* o2;
        const char* co2;
        const char* row;
    } cases[] = {{"1", "0", "08:16;7,05;6,90;7,10;15,5;7;20;on;off"},
                 {"0", "1", "08:16;7,05;6,90;7,10;15,5;7;20;off;on"},
                 {"2", "x", "08:16;7,05;6,90;7,10;15,5;7;20;;"},
                 {"", "10", "08:16;7,05;6,90;7,10;15,5;7;20;;"}};
    for (const auto& c : cases) {
        tivrel::Frame frame = frameWith("7,05", c.o2, c.co2);
        EXPECT_EQ(tivrel::formatLogRow("08:16", frame), c.row) << c.o2 << " " << c.co2;
    }
}

TEST(FormatLogRow, GivesThePhItsCommaBackInTheFrameItself) {
    const std::pair<const char*, const char*> cases[] = {
        {"7.05", "7,05"}, {"7,05", "7,05"}, {"17.5", "17.5"}, {".", "."}, {"", ""}};
    for (const auto& [shown, logged] : cases) {
        tivrel::Frame frame = frameWith(shown, "1", "0");
        const std::string row = tivrel::formatLogRow("08:15:02", frame);
        EXPECT_EQ(frame[0], logged) << shown;
        EXPECT_EQ(row, "08:15:02;" + std::string(logged) + ";6,90;7,10;15,5;7;20;on;off");
    }
}

TEST(FileNameSafe, ReplacesWhatNoFileNameCanHold) {
    const std::pair<std::string, std::string> cases[] = {
        {"03/14/09", "03-14-09"},
        {"2009-03-14", "2009-03-14"},
        {"14.03.2009", "14.03.2009"},
        {R"(a\b:c*d?e"f<g>h|i)", "a-b-c-d-e-f-g-h-i"},
        {std::string("1\0"
                     "2\t3",
                     5),
         "1-2-3"},
        {"sob, 14 mar 2009", "sob, 14 mar 2009"},
        {"14 marca", "14 marca"},
        {"\xC5\x9Broda", "\xC5\x9Broda"}};
    for (const auto& [text, safe] : cases)
        EXPECT_EQ(tivrel::fileNameSafe(text), safe) << text;
}

TEST(LogNames, StartAndEndNamesCarryDateAndTime) {
    const std::string start = tivrel::logStartName("/home/ewa/pomiary", "2009-03-14", "081502");
    EXPECT_EQ(start, "/home/ewa/pomiary/2009-03-14 {081502}.csv");
    EXPECT_EQ(tivrel::logEndName(start, "2009-03-14", "093047"),
              "/home/ewa/pomiary/2009-03-14 {081502}    2009-03-14 {093047}.csv");
}

TEST(LogNames, OnlyTheDatePartIsMadeSafe) {
    const std::string start = tivrel::logStartName("/srv/a:b", "03/14/09", "235930");
    EXPECT_EQ(start, "/srv/a:b/03-14-09 {235930}.csv");
    EXPECT_EQ(tivrel::logEndName(start, "03/15/09", "000105"),
              "/srv/a:b/03-14-09 {235930}    03-15-09 {000105}.csv");
}

} // namespace
