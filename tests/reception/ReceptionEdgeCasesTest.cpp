// How the connected window cuts the received stream into frames: bytes go in on the device side
// of a pseudo-terminal, one receive event per delivery, and the window's buffer, last frame,
// flag, settings fields and labels tell what it took. No case may raise a message box (the
// fixture checks that after every test).

#include "tests/reception/ConnectedWindow.h"

#include <QDateTime>
#include <QLabel>

namespace tivrel::test {
namespace {

Lines firstLines(const Lines& lines, std::size_t count) {
    return Lines(lines.begin(), lines.begin() + static_cast<std::ptrdiff_t>(count));
}

Lines linesFrom(const Lines& lines, std::size_t first) {
    return Lines(lines.begin() + static_cast<std::ptrdiff_t>(first), lines.end());
}

// A shown frame as it stays in LastFrame: the display step turned the comma of line 0 into a
// point.
Lines shown(Lines lines) {
    lines[0][1] = '.';
    return lines;
}

const Lines kFrameA = frameLines({"6,50", "6,90", "7,10", "12,5", "8", "20", "1", "0"});
const Lines kFrameB = frameLines({"7,77", "6,80", "7,20", "5,2", "9", "25", "0", "1"}, "55", "12");
const Lines kFrameC = frameLines({"7,33", "6,70", "7,30", "5,2", "7", "15", "0", "0"}, "60", "20");

class ReceptionInWindow : public ConnectedWindow {
protected:
    Lines lastFrame() const { return Lines(form->LastFrame.begin(), form->LastFrame.end()); }
    QString ph() const { return form->Label7->text(); }

    // The clock as the window's clock tick would set it: the desktop's time and the minute the
    // log compares.
    void setMinute(int minute) {
        desktop.clock = QDateTime(QDate(2024, 5, 6), QTime(12, minute, 56));
        form->ClockMinute = std::to_string(minute);
    }
};

TEST_F(ReceptionInWindow, FirstFrameAfterStartUpIsTakenBehindTheEmptyLineAndDropped) {
    deliverFrame(kFrameA);
    EXPECT_FALSE(form->FrameValid);
    Lines expected{""};
    expected.insert(expected.end(), kFrameA.begin(), kFrameA.begin() + 11);
    EXPECT_EQ(lastFrame(), expected);
    EXPECT_EQ(form->Memo.text(), ""); // line 11 of the frame went with the buffer
    EXPECT_FALSE(form->Label7->isVisibleTo(form.get()));
    EXPECT_EQ(form->SettingsFields, tivrel::SettingsFields{});

    deliverFrame(kFrameA);
    EXPECT_TRUE(form->FrameValid);
    EXPECT_EQ(ph(), "6.50");
}

TEST_F(ReceptionInWindow, TenCompleteLinesTakeNothingButClearTheFlag) {
    passStartUpLine();
    deliverFrame(kFrameA);
    ASSERT_TRUE(form->FrameValid);

    const std::string tenLines = onWire(firstLines(kFrameB, 10));
    deliver(tenLines);
    EXPECT_FALSE(form->FrameValid);
    EXPECT_EQ(lastFrame(), shown(kFrameA));
    EXPECT_EQ(form->Memo.text(), tenLines);
    EXPECT_EQ(ph(), "6.50");

    deliver("*\r\n*\r\n");
    EXPECT_TRUE(form->FrameValid);
    EXPECT_EQ(lastFrame(), shown(kFrameB));
    EXPECT_EQ(ph(), "7.77");
}

TEST_F(ReceptionInWindow, TheFirstCharacterOfLine10AloneMakesAnInvalidTaking) {
    passStartUpLine();
    deliverFrame(kFrameA);
    deliver(onWire(firstLines(kFrameB, 10)));

    deliver("*");
    EXPECT_FALSE(form->FrameValid);
    Lines expected = firstLines(kFrameB, 10);
    expected.insert(expected.end(), {"*", ""});
    EXPECT_EQ(lastFrame(), expected);
    EXPECT_EQ(form->Memo.text(), "");
    EXPECT_EQ(ph(), "6.50");

    // The rest of line 10 and line 11 begin the next collection.
    deliver("\r\n*\r\n");
    EXPECT_FALSE(form->FrameValid);
    EXPECT_EQ(form->Memo.text(), "\r\n*\r\n");
    deliverFrame(kFrameC);
    EXPECT_FALSE(form->FrameValid);
    expected = {"", "*"};
    expected.insert(expected.end(), kFrameC.begin(), kFrameC.begin() + 10);
    EXPECT_EQ(lastFrame(), expected);
    EXPECT_EQ(ph(), "6.50");

    deliverFrame(kFrameC);
    EXPECT_TRUE(form->FrameValid);
    EXPECT_EQ(ph(), "7.33");
}

TEST_F(ReceptionInWindow, TheStartOfTheNextFrameInTheSameEventIsLost) {
    passStartUpLine();
    deliver(onWire(firstLines(kFrameA, 6)));
    deliver(onWire(linesFrom(kFrameA, 6)) + onWire(firstLines(kFrameB, 5)));
    EXPECT_TRUE(form->FrameValid);
    EXPECT_EQ(lastFrame(), shown(kFrameA));
    EXPECT_EQ(ph(), "6.50");
    EXPECT_EQ(form->Memo.text(), "");

    // The collection starts in the middle of frame B and fails on it.
    deliver(onWire(linesFrom(kFrameB, 5)));
    EXPECT_FALSE(form->FrameValid);
    EXPECT_EQ(form->Memo.text(), onWire(linesFrom(kFrameB, 5)));
    deliverFrame(kFrameC);
    EXPECT_FALSE(form->FrameValid);
    EXPECT_EQ(form->LastFrame[0], kFrameB[5]);
    EXPECT_EQ(ph(), "6.50"); // B's pH never showed

    deliverFrame(kFrameC);
    EXPECT_TRUE(form->FrameValid);
    EXPECT_EQ(ph(), "7.33");
}

TEST_F(ReceptionInWindow, APointInsteadOfTheCommaMakesTheFrameInvalid) {
    passStartUpLine();
    deliverFrame(kFrameA);
    Lines broken = kFrameB;
    broken[0] = "7.05";
    deliverFrame(broken);
    EXPECT_FALSE(form->FrameValid);
    EXPECT_EQ(lastFrame(), broken);
    EXPECT_EQ(ph(), "6.50");
    EXPECT_EQ(form->Label8->text(), "6,90");
    EXPECT_EQ(form->SettingsFields[1], "100"); // frame A's brightness, not B's
    EXPECT_EQ(form->Memo.text(), "");
}

TEST_F(ReceptionInWindow, LinesEndedByLfAloneOnlyWrapAndTheTakingIsInvalid) {
    passStartUpLine();
    const std::string lfFrame = onWire(kFrameA, "\n");
    ASSERT_EQ(lfFrame.size(), 40u);
    deliver(lfFrame); // one line of 40 characters: six wrapped lines
    EXPECT_FALSE(form->FrameValid);
    EXPECT_EQ(form->Memo.text(), lfFrame);

    deliver(lfFrame); // 80 characters: twelve wrapped lines, so a taking
    EXPECT_FALSE(form->FrameValid);
    EXPECT_EQ(form->LastFrame[0], lfFrame.substr(0, 7));
    EXPECT_EQ(form->LastFrame[11], (lfFrame + lfFrame).substr(77, 3));
    EXPECT_EQ(form->Memo.text(), "");
    EXPECT_FALSE(form->Label7->isVisibleTo(form.get()));
}

TEST_F(ReceptionInWindow, AnEmptyBrightnessOrContrastLineStillMakesAValidFrame) {
    passStartUpLine();
    struct Case {
        std::size_t line;
        std::size_t field;
    };
    for (const Case c : {Case{8, 1}, Case{9, 2}}) {
        SCOPED_TRACE("line " + std::to_string(c.line));
        Lines lines = kFrameA;
        lines[c.line] = "";
        deliverFrame(lines);
        EXPECT_TRUE(form->FrameValid);
        EXPECT_TRUE(form->Label7->isVisibleTo(form.get()));
        EXPECT_EQ(form->SettingsFields[c.field], "");
        EXPECT_EQ(form->SettingsFields[3 - c.field], c.field == 1 ? "10" : "100");
    }
}

TEST_F(ReceptionInWindow, AnEmptyKhLineEndsTheEventInTheDisplayButTheBufferIsEmptied) {
    passStartUpLine();
    setMinute(34);
    deliverFrame(kFrameA);
    ASSERT_TRUE(form->FrameValid);
    EXPECT_EQ(form->LastFrameMinute, "34");
    const tivrel::SettingsFields fieldsOfA = form->SettingsFields;

    setMinute(35);
    Lines noKh = kFrameB;
    noKh[4] = "";
    deliverFrame(noKh);
    EXPECT_FALSE(form->FrameValid);
    EXPECT_EQ(lastFrame(), shown(noKh));
    // Shown up to the ppm; KH, the alarm limits and the pictures are frame A's.
    EXPECT_EQ(ph(), "7.77");
    EXPECT_EQ(form->Label8->text(), "6,80");
    EXPECT_EQ(form->Label9->text(), "7,20");
    EXPECT_EQ(form->Label11->text(), "05,2");
    EXPECT_EQ(form->Label12->text(), "08");
    EXPECT_EQ(form->Label17->text(), "6,70");
    EXPECT_EQ(form->Label23->text(), "7,30");
    EXPECT_TRUE(form->Image2->isVisibleTo(form.get()));
    EXPECT_FALSE(form->Image1->isVisibleTo(form.get()));
    EXPECT_EQ(form->SettingsFields, fieldsOfA);
    EXPECT_EQ(form->LastFrameMinute, "34");
    EXPECT_EQ(form->Memo.text(), "");

    Lines invalid = kFrameC;
    invalid[11] = "#";
    deliverFrame(invalid);
    EXPECT_FALSE(form->FrameValid);
    EXPECT_EQ(form->LastFrameMinute, "34");

    deliverFrame(kFrameC);
    EXPECT_TRUE(form->FrameValid);
    EXPECT_EQ(ph(), "7.33");
    EXPECT_EQ(form->Label12->text(), "07");
    EXPECT_EQ(form->SettingsFields[1], "60");
    EXPECT_EQ(form->LastFrameMinute, "35");
}

TEST_F(ReceptionInWindow, LinesPastTheTwelfthAreDiscarded) {
    passStartUpLine();
    deliver(onWire(kFrameA) + "x\r\n7,99\r\nz\r\n");
    EXPECT_TRUE(form->FrameValid);
    EXPECT_EQ(lastFrame(), shown(kFrameA));
    EXPECT_EQ(form->Memo.text(), "");

    deliverFrame(kFrameB);
    EXPECT_TRUE(form->FrameValid);
    EXPECT_EQ(lastFrame(), shown(kFrameB));
}

TEST_F(ReceptionInWindow, NulBytesInsideAFrameAreDropped) {
    passStartUpLine();
    std::string withNuls;
    for (char c : onWire(kFrameB)) {
        withNuls += c;
        withNuls += '\0';
    }
    deliver(withNuls);
    EXPECT_TRUE(form->FrameValid);
    EXPECT_EQ(lastFrame(), shown(kFrameB));
    EXPECT_EQ(ph(), "7.77");
    EXPECT_EQ(form->SettingsFields[1], "55");
}

} // namespace
} // namespace tivrel::test
