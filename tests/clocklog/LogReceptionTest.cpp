// The log driven by the real receive event: frames written to a pseudo-terminal, the check box
// clicked, a full disk in between.
#include "platform/ComPort.h"
#include "platform/Switch.h"
#include "tests/clocklog/FailingLogFiles.h"
#include "tests/clocklog/LogWindowFixture.h"
#include "tests/support/Pty.h"

#include <QLabel>
#include <QTest>

using tivrel::test::FailingLogFiles;
using tivrel::test::LogWindowFixture;
using tivrel::test::Pty;

namespace {

const std::string kHeader = "Time;PH;PHmin;PHmax;PPM;KH;Alarm;OUT O2;OUT CO2\r\n";

class LogReception : public LogWindowFixture {
protected:
    LogReception() { tivrel::replaceWindowLogFileSystem(&files); }

    TForm1& createConnected() {
        writeState(pty.slavePath() + "\r\n10\r\n20\r\n345\r\n620\r\n");
        TForm1& window = createShown();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
        QTest::mouseClick(window.RxSwitch1, Qt::LeftButton, {}, QPoint(24, 14));
        EXPECT_TRUE(window.ComPort->isOpen());
        return window;
    }

    // Sends one frame whose ppm line tells it apart and waits until the window has handled it.
    void send(const std::string& ppm) {
        pty.write(frameText(ppm));
        ASSERT_TRUE(waitFor([&] { return form->LastFrame[3] == ppm && form->Memo.text().empty(); }))
            << "frame " << ppm << " was not handled";
    }
    // The buffer starts with an empty line, which spoils the first frame after the start.
    void sendSpoiledFirstFrame() {
        pty.write(frameText("0"));
        ASSERT_TRUE(waitFor([&] { return form->Memo.text().empty(); }));
        EXPECT_FALSE(form->FrameValid);
    }
    static std::string frameText(const std::string& ppm) {
        return "7,05\r\n6,90\r\n7,10\r\n" + ppm +
               "\r\n7\r\n20\r\n1\r\n0\r\n100\r\n10\r\n*\r\n*\r\n";
    }

    Pty pty;
    FailingLogFiles files;
};

TEST_F(LogReception, RowsFollowTheFramesAndAFullDiskIsSilentAndRecovers) {
    TForm1& window = createConnected();
    sendSpoiledFirstFrame();
    at("2009-03-14 08:15:02");
    QTest::mouseClick(window.CheckBox1, Qt::LeftButton);
    ASSERT_TRUE(window.CheckBox1->isChecked());
    EXPECT_EQ(desktop.pausedMilliseconds, 300 + 600); // the connect's pause and the box's

    send("15,1");
    EXPECT_TRUE(window.FrameValid);
    EXPECT_EQ(window.Label7->text(), QStringLiteral("7.05"));
    const std::string start = "2009-03-14 {081502}.csv";
    const std::string first = kHeader + "08:15:02;7,05;6,90;7,10;15,1;7;20;on;off\r\n";
    EXPECT_EQ(logFiles(), (std::map<std::string, std::string>{{start, first}}));

    at("2009-03-14 08:16:00");
    files.failAppend = 101;
    send("15,2");
    EXPECT_FALSE(window.FrameValid);
    EXPECT_EQ(window.LastFrameMinute, "15");
    EXPECT_TRUE(desktop.errors.isEmpty()) << "failures while receiving are never shown";
    EXPECT_EQ(logFiles(), (std::map<std::string, std::string>{{start, first}}));

    files.failAppend.reset();
    at("2009-03-14 08:16:30");
    send("15,3");
    EXPECT_TRUE(window.FrameValid);
    EXPECT_EQ(logFiles().at(start), first + "08:16;7,05;6,90;7,10;15,3;7;20;on;off\r\n");

    closeAt("2009-03-14 08:18:00");
    EXPECT_TRUE(desktop.errors.isEmpty());
    EXPECT_EQ(logFiles().count("2009-03-14 {081502}    2009-03-14 {081800}.csv"), 1u);
}

} // namespace
