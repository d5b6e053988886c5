#include "link/Frame.h"

#include <gtest/gtest.h>
#include <string>

namespace tivrel {
namespace {

const Frame kValidFrame = {"7,05", "6,90", "7,10", "12,5", "8", "20",
                           "1",    "0",    "100",  "10",   "*", "*"};

// The frame as the device writes it: each line followed by CR LF.
std::string onTheWire(const Frame& frame) {
    std::string text;
    for (const std::string& line : frame)
        text += line + "\r\n";
    return text;
}

TEST(FrameValidation, AcceptsAWellFormedFrame) {
    EXPECT_TRUE(frameIsValid(kValidFrame));
}

struct BrokenLine {
    std::size_t line;
    const char* text;
};

TEST(FrameValidation, RejectsAFrameFailingAnyOneTest) {
    const BrokenLine cases[] = {
        {0, "7,055"}, {1, "6,9"},  {2, ""},     {6, ""},    {7, "10"},
        {0, "7.05"},  {1, "6;90"}, {2, "71,0"}, {10, "**"}, {11, ""},
    };
    for (const BrokenLine& c : cases) {
        Frame frame = kValidFrame;
        frame[c.line] = c.text;
        EXPECT_FALSE(frameIsValid(frame)) << "line " << c.line << " \"" << c.text << '"';
    }
}

TEST(FrameValidation, LooksAtNothingElse) {
    Frame frame = kValidFrame;
    for (std::size_t untested : {3u, 4u, 5u, 8u, 9u})
        frame[untested] = "";
    frame[0] = "a,bc";
    frame[1] = " , x";
    frame[6] = "7";
    frame[7] = "?";
    EXPECT_TRUE(frameIsValid(frame));
}

TEST(FrameTaking, TakesTheFirstTwelveLinesOfTheBuffer) {
    ReceiveBuffer buffer;
    buffer.append(onTheWire(kValidFrame) + "7,06\r\n6,90\r\n");
    ASSERT_TRUE(frameIsDue(buffer));
    const Frame frame = takeFrame(buffer);
    EXPECT_EQ(frame, kValidFrame);
    EXPECT_TRUE(frameIsValid(frame));
}

TEST(FrameTaking, IsNotDueWithTenCompleteLines) {
    ReceiveBuffer buffer;
    std::string tenLines;
    for (std::size_t i = 0; i < 10; ++i)
        tenLines += kValidFrame[i] + "\r\n";
    buffer.append(tenLines);
    EXPECT_FALSE(frameIsDue(buffer));
    buffer.append("*");
    EXPECT_TRUE(frameIsDue(buffer));
}

TEST(FrameTaking, ReadsLinesPastTheEndAsEmptySoAnEarlyTakingIsInvalid) {
    ReceiveBuffer buffer;
    std::string upToLine10;
    for (std::size_t i = 0; i < 10; ++i)
        upToLine10 += kValidFrame[i] + "\r\n";
    buffer.append(upToLine10 + "*");
    const Frame frame = takeFrame(buffer);
    EXPECT_EQ(frame[10], "*");
    EXPECT_EQ(frame[11], "");
    EXPECT_FALSE(frameIsValid(frame));
}

TEST(FrameTaking, FirstFrameAfterStartUpSeesTheInitialEmptyLine) {
    ReceiveBuffer buffer;
    buffer.append("\r\n");
    buffer.append(onTheWire(kValidFrame));
    const Frame frame = takeFrame(buffer);
    EXPECT_EQ(frame[0], "");
    EXPECT_EQ(frame[1], "7,05");
    EXPECT_FALSE(frameIsValid(frame));
}

TEST(FrameTaking, FrameWithLfLineEndsOnlyWrapsAndIsInvalid) {
    ReceiveBuffer buffer;
    std::string text;
    for (const std::string& line : kValidFrame)
        text += line + "\n";
    // One frame without breaks wraps to six lines; the second one makes the taking.
    buffer.append(text);
    EXPECT_FALSE(frameIsDue(buffer));
    buffer.append(text);
    ASSERT_TRUE(frameIsDue(buffer));
    EXPECT_FALSE(frameIsValid(takeFrame(buffer)));
}

TEST(FrameTaking, ARunWithoutLineBreaksIsDueAfterElevenWrappedLines) {
    ReceiveBuffer buffer;
    buffer.append(std::string(70, '7'));
    EXPECT_FALSE(frameIsDue(buffer));
    buffer.append("7");
    EXPECT_TRUE(frameIsDue(buffer));
    EXPECT_FALSE(frameIsValid(takeFrame(buffer)));
}

} // namespace
} // namespace tivrel
