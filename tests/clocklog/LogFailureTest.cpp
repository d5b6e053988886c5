// A log whose file operations fail: a full disk, a read-only folder, a file removed while
// logging. No row already written is lost, logging goes on once the cause is gone, and the
// window always closes.
#include "tests/clocklog/FailingLogFiles.h"
#include "tests/clocklog/LogWindowFixture.h"

#include <cstdio>

using tivrel::test::FailingLogFiles;
using tivrel::test::LogWindowFixture;

namespace {

const std::string kHeader = "Time;PH;PHmin;PHmax;PPM;KH;Alarm;OUT O2;OUT CO2\r\n";
const std::string kFields = ";7,05;6,90;7,10;15,5;7;20;on;off\r\n";
const std::string kStartName = "2009-03-14 {081502}.csv";

using Files = std::map<std::string, std::string>;

class LogFailure : public LogWindowFixture {
protected:
    LogFailure() { tivrel::replaceWindowLogFileSystem(&files); }

    // A window with a log started at 08:15:02.
    TForm1& createLogging() {
        TForm1& window = createShown();
        tick();
        EXPECT_EQ(frameAt("2009-03-14 08:15:02"), "");
        return window;
    }

    void removeLogFile(const std::string& name) {
        ASSERT_EQ(std::remove((folderPath() + "/" + name).c_str()), 0);
    }

    FailingLogFiles files;
};

TEST_F(LogFailure, AFullDiskLosesNoRowAndTheMinuteIsWrittenOnceThereIsRoom) {
    TForm1& window = createLogging();
    const Files written{{kStartName, kHeader + "08:15:02" + kFields}};

    files.failAppend = 101;
    EXPECT_EQ(frameAt("2009-03-14 08:16:00"), "Disk full");
    EXPECT_EQ(frameAt("2009-03-14 08:16:20"), "Disk full");
    EXPECT_EQ(window.LogRowCount, 2);
    EXPECT_EQ(window.LastFrameMinute, "15");
    EXPECT_EQ(logFiles(), written);

    files.failAppend.reset();
    EXPECT_EQ(frameAt("2009-03-14 08:16:40"), "");
    EXPECT_EQ(frameAt("2009-03-14 08:17:00"), "");
    EXPECT_EQ(logFiles(), (Files{{kStartName, kHeader + "08:15:02" + kFields + "08:16" + kFields +
                                                  "08:17" + kFields}}));

    closeAt("2009-03-14 08:20:00");
    EXPECT_TRUE(desktop.errors.isEmpty());
    EXPECT_EQ(logFiles().count("2009-03-14 {081502}    2009-03-14 {082000}.csv"), 1u);
}

TEST_F(LogFailure, AFailedStartIsTriedAgainByTheNextTickedFrame) {
    TForm1& window = createShown();
    tick();
    files.failCreate = 101;
    EXPECT_EQ(frameAt("2009-03-14 08:15:02"), "Disk full");
    EXPECT_FALSE(window.LogClosed);
    EXPECT_EQ(window.LogRowCount, 1);
    EXPECT_EQ(logFiles(), Files{});

    files.failCreate.reset();
    EXPECT_EQ(frameAt("2009-03-14 08:15:40"), "");
    EXPECT_EQ(logFiles(), (Files{{"2009-03-14 {081540}.csv", kHeader + "08:15:40" + kFields}}));
    closeAt("2009-03-14 08:20:00");
    EXPECT_TRUE(desktop.errors.isEmpty());
    EXPECT_EQ(logFiles().count("2009-03-14 {081540}    2009-03-14 {082000}.csv"), 1u);
}

TEST_F(LogFailure, AFailedStartIsReportedOnceAtTheCloseAndTheWindowCloses) {
    TForm1& window = createShown();
    tick();
    files.failCreate = 5;
    EXPECT_EQ(frameAt("2009-03-14 08:15:02"), "File access denied");
    closeAt("2009-03-14 08:20:00");
    EXPECT_EQ(desktop.errors, QStringList{QStringLiteral("File not found")});
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(logFiles(), Files{});
}

TEST_F(LogFailure, AFailedStartIsGivenUpByTheNextStop) {
    TForm1& window = createShown();
    tick();
    files.failCreate = 5;
    EXPECT_EQ(frameAt("2009-03-14 08:15:02"), "File access denied");
    files.failCreate.reset();
    untick();
    EXPECT_EQ(frameAt("2009-03-14 08:16:00"), "File not found");
    EXPECT_TRUE(window.LogClosed);
    EXPECT_EQ(window.LogRowCount, 1);
    EXPECT_EQ(frameAt("2009-03-14 08:17:00"), "") << "given up once, not at every frame";
    closeAt("2009-03-14 08:20:00");
    EXPECT_TRUE(desktop.errors.isEmpty());
    EXPECT_EQ(logFiles(), Files{});
}

TEST_F(LogFailure, ALogRemovedWhileLoggingIsReportedAtTheClose) {
    TForm1& window = createLogging();
    removeLogFile(kStartName);
    EXPECT_EQ(frameAt("2009-03-14 08:16:00"), "File not found");
    EXPECT_EQ(window.LogRowCount, 2);
    EXPECT_EQ(window.LastFrameMinute, "15");
    closeAt("2009-03-14 08:20:00");
    EXPECT_EQ(desktop.errors, QStringList{QStringLiteral("File not found")});
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(logFiles(), Files{});
}

TEST_F(LogFailure, ALogRemovedWhileLoggingGivesWayToANewOneAfterUntickAndTick) {
    TForm1& window = createLogging();
    removeLogFile(kStartName);
    untick();
    EXPECT_EQ(frameAt("2009-03-14 08:16:00"), "File not found");
    tick();
    EXPECT_EQ(frameAt("2009-03-14 08:17:10"), "");
    EXPECT_EQ(window.LogFileName, folderPath() + "/2009-03-14 {081710}.csv");
    closeAt("2009-03-14 08:20:00");
    EXPECT_TRUE(desktop.errors.isEmpty());
    EXPECT_EQ(logFiles(), (Files{{"2009-03-14 {081710}    2009-03-14 {082000}.csv",
                                  kHeader + "08:17:10" + kFields}}));
}

TEST_F(LogFailure, AFailedRenameWhileReceivingKeepsTheLogOpenUntilItWorks) {
    TForm1& window = createLogging();
    files.failRename = 5;
    untick();
    EXPECT_EQ(frameAt("2009-03-14 08:16:00"), "File access denied");
    EXPECT_FALSE(window.LogClosed);
    EXPECT_EQ(logFiles(), (Files{{kStartName, kHeader + "08:15:02" + kFields}}));

    files.failRename.reset();
    EXPECT_EQ(frameAt("2009-03-14 08:16:30"), "");
    EXPECT_TRUE(window.LogClosed);
    EXPECT_EQ(logFiles(), (Files{{"2009-03-14 {081502}    2009-03-14 {081630}.csv",
                                  kHeader + "08:15:02" + kFields}}));
}

TEST_F(LogFailure, AFailedRenameAtTheCloseIsShownOnceAndKeepsTheStartName) {
    TForm1& window = createLogging();
    files.failRename = 5;
    closeAt("2009-03-14 08:20:00");
    EXPECT_EQ(desktop.errors, QStringList{QStringLiteral("File access denied")});
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(window.LogClosed);
    EXPECT_EQ(logFiles(), (Files{{kStartName, kHeader + "08:15:02" + kFields}}));
}

// A working folder that cannot be read when a log starts must not make the previous, finished
// log look open: the next stop would rename that file a second time.
TEST_F(LogFailure, AnUnreadableWorkingFolderLeavesTheFinishedLogAlone) {
    TForm1& window = createLogging();
    untick();
    ASSERT_EQ(frameAt("2009-03-14 08:16:00"), "");
    const Files finished = logFiles();

    tick();
    files.failFolder = 3;
    EXPECT_EQ(frameAt("2009-03-14 08:17:00"), "Invalid filename");
    EXPECT_TRUE(window.LogClosed);
    closeAt("2009-03-14 08:20:00");
    EXPECT_TRUE(desktop.errors.isEmpty());
    EXPECT_EQ(logFiles(), finished);
}

} // namespace
