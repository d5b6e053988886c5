// The log's states and edge cases as sequences of events, each with the files it leaves.
#include "tests/clocklog/LogWindowFixture.h"

#include <QLabel>

using tivrel::test::LogWindowFixture;

namespace {

const std::string kHeader = "Time;PH;PHmin;PHmax;PPM;KH;Alarm;OUT O2;OUT CO2\r\n";
// The fields after the time of a row of testFrame().
const std::string kFields = ";7,05;6,90;7,10;15,5;7;20;on;off\r\n";

struct Step {
    enum Kind { Tick, Untick, Frame, Close } kind;
    const char* at = nullptr;
    tivrel::Frame lines = tivrel::test::testFrame();
};
Step tickBox() {
    return {Step::Tick};
}
Step untickBox() {
    return {Step::Untick};
}
Step frame(const char* at, tivrel::Frame lines = tivrel::test::testFrame()) {
    return {Step::Frame, at, std::move(lines)};
}
Step closeWindow(const char* at) {
    return {Step::Close, at};
}

using Files = std::map<std::string, std::string>;

struct SequenceCase {
    const char* name;
    std::vector<Step> steps;
    Files after;          // the log files when the sequence has run
    Files before = {};    // files in the working folder before the window starts
    QStringList errors{}; // error boxes shown
    tivrel::DateTimeFormats formats{"%Y-%m-%d", "%H:%M:%S"};
};

// Tests are named after their case; the case prints as its name.
void PrintTo(const SequenceCase& c, std::ostream* out) {
    *out << c.name;
}

class LogSequence : public LogWindowFixture, public ::testing::WithParamInterface<SequenceCase> {};

TEST_P(LogSequence, LeavesExactlyTheseFiles) {
    const SequenceCase& c = GetParam();
    tivrel::setDateTimeFormats(c.formats);
    for (const auto& [name, bytes] : c.before)
        writeFile(name, bytes);
    TForm1& window = createShown();
    bool closed = false;
    for (const Step& step : c.steps) {
        switch (step.kind) {
        case Step::Tick:
            tick();
            break;
        case Step::Untick:
            untick();
            break;
        case Step::Frame:
            frameAt(step.at, step.lines); // a failure is silent, as in the receive event
            break;
        case Step::Close:
            closeAt(step.at);
            closed = true;
            break;
        }
    }
    EXPECT_EQ(logFiles(), c.after);
    EXPECT_EQ(desktop.errors, c.errors);
    if (closed) {
        EXPECT_FALSE(window.isVisible()) << "the close must never be refused";
        EXPECT_TRUE(window.LogClosed);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LogSequence,
    ::testing::Values(
        SequenceCase{"TickAndUntickBeforeAFrameCreateNoFile",
                     {tickBox(), untickBox(), frame("2009-03-14 08:15:02"),
                      closeWindow("2009-03-14 08:20:00")},
                     {}},
        SequenceCase{"FirstFrameWritesHeaderAndSecondsThenOneRowPerMinute",
                     {tickBox(), frame("2009-03-14 08:15:02"), frame("2009-03-14 08:15:40"),
                      frame("2009-03-14 08:16:01"), frame("2009-03-14 08:16:59"),
                      frame("2009-03-14 08:17:00"), untickBox(), frame("2009-03-14 08:17:30"),
                      closeWindow("2009-03-14 08:20:00")},
                     {{"2009-03-14 {081502}    2009-03-14 {081730}.csv",
                       kHeader + "08:15:02" + kFields + "08:16" + kFields + "08:17" + kFields}}},
        SequenceCase{"UntickAndTickBetweenFramesContinueTheSameFile",
                     {tickBox(), frame("2009-03-14 08:15:02"), untickBox(), tickBox(),
                      frame("2009-03-14 08:16:10"), closeWindow("2009-03-14 08:20:00")},
                     {{"2009-03-14 {081502}    2009-03-14 {082000}.csv",
                       kHeader + "08:15:02" + kFields + "08:16" + kFields}}},
        SequenceCase{"SameMinuteCharactersAnHourApartWriteNoRow",
                     {tickBox(), frame("2009-03-14 08:15:02"), frame("2009-03-14 09:15:30"),
                      frame("2009-03-14 09:16:00"), closeWindow("2009-03-14 09:20:00")},
                     {{"2009-03-14 {081502}    2009-03-14 {092000}.csv",
                       kHeader + "08:15:02" + kFields + "09:16" + kFields}}},
        SequenceCase{"PastMidnightTheEndPartCarriesTheNewDate",
                     {tickBox(), frame("2009-03-14 23:59:30"), frame("2009-03-15 00:00:10"),
                      untickBox(), frame("2009-03-15 00:01:05")},
                     {{"2009-03-14 {235930}    2009-03-15 {000105}.csv",
                       kHeader + "23:59:30" + kFields + "00:00" + kFields}}},
        SequenceCase{"OutputsOtherThanOneOrZeroGiveEmptyFields",
                     {tickBox(),
                      frame("2009-03-14 08:15:02", tivrel::test::testFrame("3", "2", "x")),
                      closeWindow("2009-03-14 08:16:00")},
                     {{"2009-03-14 {081502}    2009-03-14 {081600}.csv",
                       kHeader + "08:15:02;7,05;6,90;7,10;3;7;20;;\r\n"}}},
        SequenceCase{
            "ClosingWhileTickedEndsAtTheClosingTime",
            {tickBox(), frame("2009-03-14 08:15:02"), closeWindow("2009-03-14 10:00:00")},
            {{"2009-03-14 {081502}    2009-03-14 {100000}.csv", kHeader + "08:15:02" + kFields}}},
        SequenceCase{
            "ClosingAfterUntickingWithoutAFrameEndsAtTheClosingTime",
            {tickBox(), frame("2009-03-14 08:15:02"), untickBox(),
             closeWindow("2009-03-14 10:00:00")},
            {{"2009-03-14 {081502}    2009-03-14 {100000}.csv", kHeader + "08:15:02" + kFields}}},
        SequenceCase{"ClosingWithNoLogOpenLeavesFilesAsTheyAre",
                     {tickBox(), untickBox(), closeWindow("2009-03-14 08:20:00")},
                     {{"2009-03-14 {081502}.csv", "kept\r\n"}},
                     {{"2009-03-14 {081502}.csv", "kept\r\n"}}},
        SequenceCase{
            "AnExistingStartNameIsReplaced",
            {tickBox(), frame("2009-03-14 08:15:02"), closeWindow("2009-03-14 08:15:30")},
            {{"2009-03-14 {081502}    2009-03-14 {081530}.csv", kHeader + "08:15:02" + kFields}},
            {{"2009-03-14 {081502}.csv", "an older log\r\nwith two lines\r\n"}}},
        // The close reports the rename once, keeps the log under its start name and closes.
        SequenceCase{"AnExistingEndNameFailsTheRenameAtTheClose",
                     {tickBox(), frame("2009-03-14 08:15:02"), closeWindow("2009-03-14 09:00:00")},
                     {{"2009-03-14 {081502}.csv", kHeader + "08:15:02" + kFields},
                      {"2009-03-14 {081502}    2009-03-14 {090000}.csv", "other\r\n"}},
                     {{"2009-03-14 {081502}    2009-03-14 {090000}.csv", "other\r\n"}},
                     {QStringLiteral("File access denied")}},
        // While receiving the failure is silent; the next stop tries again at its own time.
        SequenceCase{
            "AnExistingEndNameWhileReceivingIsRetriedByTheNextFrame",
            {tickBox(), frame("2009-03-14 08:15:02"), untickBox(), frame("2009-03-14 09:00:00"),
             frame("2009-03-14 09:00:01")},
            {{"2009-03-14 {081502}    2009-03-14 {090001}.csv", kHeader + "08:15:02" + kFields},
             {"2009-03-14 {081502}    2009-03-14 {090000}.csv", "other\r\n"}},
            {{"2009-03-14 {081502}    2009-03-14 {090000}.csv", "other\r\n"}}},
        // The C locale's date format holds "/", which no file name can.
        SequenceCase{"SlashesOfTheDateBecomeDashesAndRowsUseTheTimeSeparator",
                     {tickBox(), frame("2009-03-14 08:15:02"), frame("2009-03-14 08:16:30"),
                      closeWindow("2009-03-14 08:16:45")},
                     {{"03-14-09 {081502}    03-14-09 {081645}.csv",
                       kHeader + "08.15.02" + kFields + "08.16" + kFields}},
                     {},
                     {},
                     {"%m/%d/%y", "%H.%M.%S"}},
        SequenceCase{"A12HourClockStillNamesAndLogsOnThe24HourClock",
                     {tickBox(), frame("2009-03-14 20:15:02"), frame("2009-03-14 20:16:30"),
                      closeWindow("2009-03-14 20:17:00")},
                     {{"14-03-2009 {201502}    14-03-2009 {201700}.csv",
                       kHeader + "20:15:02" + kFields + "20:16" + kFields}},
                     {},
                     {},
                     {"%d/%m/%Y", "%I:%M:%S %p"}}),
    [](const auto& param) { return std::string(param.param.name); });

TEST_F(LogWindowFixture, EveryRowIsOnDiskAsSoonAsItIsWritten) {
    createShown();
    tick();
    const std::string startName = folderPath() + "/2009-03-14 {081502}.csv";
    std::string expected = kHeader + "08:15:02" + kFields;
    ASSERT_EQ(frameAt("2009-03-14 08:15:02"), "");
    EXPECT_EQ(form->LogFileName, startName);
    EXPECT_FALSE(form->LogClosed);
    EXPECT_EQ(logFiles(),
              (std::map<std::string, std::string>{{"2009-03-14 {081502}.csv", expected}}));
    for (const char* moment :
         {"2009-03-14 08:16:00", "2009-03-14 08:17:00", "2009-03-14 08:18:00"}) {
        ASSERT_EQ(frameAt(moment), "");
        expected += std::string(moment + 11, 5) + kFields;
        EXPECT_EQ(logFiles().at("2009-03-14 {081502}.csv"), expected) << moment;
    }
    EXPECT_EQ(form->LogRowCount, 5);
}

TEST_F(LogWindowFixture, ThePhFieldKeepsTheCommaWhileTheDisplayShowsAPoint) {
    TForm1& window = createShown();
    tick();
    ASSERT_EQ(frameAt("2009-03-14 08:15:02"), "");
    EXPECT_EQ(window.Label7->text(), QStringLiteral("7.05"));
    EXPECT_EQ(window.LastFrame[0], "7,05") << "the log gives line 0 its comma back";
    EXPECT_EQ(logFiles().at("2009-03-14 {081502}.csv"), kHeader + "08:15:02" + kFields);
}

TEST_F(LogWindowFixture, FinishingNamesTheFileAndStartsAFreshLogNextTime) {
    TForm1& window = createShown();
    tick();
    ASSERT_EQ(frameAt("2009-03-14 08:15:02"), "");
    untick();
    ASSERT_EQ(frameAt("2009-03-14 08:16:00"), "");
    EXPECT_EQ(window.LogFileName, folderPath() + "/2009-03-14 {081502}    2009-03-14 {081600}.csv");
    EXPECT_TRUE(window.LogClosed);
    EXPECT_EQ(window.LogRowCount, 1);
    tick();
    ASSERT_EQ(frameAt("2009-03-14 08:16:20"), "");
    EXPECT_EQ(window.LogFileName, folderPath() + "/2009-03-14 {081620}.csv");
    EXPECT_EQ(logFiles().size(), 2u);
}

} // namespace
