#include "link/ReceiveBuffer.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace tivrel {
namespace {

std::vector<std::string> linesOf(const ReceiveBuffer& buffer) {
    std::vector<std::string> lines;
    for (std::size_t i = 0; i < buffer.lineCount(); ++i)
        lines.push_back(buffer.line(i));
    return lines;
}

struct CountCase {
    const char* text;
    std::size_t lineCount;
};

TEST(ReceiveBuffer, CountsLinesLeavingOutAnEmptyLastLine) {
    const CountCase cases[] = {
        {"", 0},          {"\r\n", 1},         {"7,05", 1},         {"7,05\r\n", 1},
        {"7,05\r\n6", 2}, {"7,05\r\n\r\n", 2}, {"\r\n\r\n\r\n", 3},
    };
    for (const CountCase& c : cases) {
        ReceiveBuffer buffer;
        buffer.append(c.text);
        EXPECT_EQ(buffer.lineCount(), c.lineCount) << '"' << c.text << '"';
    }
}

TEST(ReceiveBuffer, ReadsLinesWithoutTheirBreaks) {
    ReceiveBuffer buffer;
    buffer.append("7,05\r\n\r\n6,90\r\n");
    EXPECT_EQ(linesOf(buffer), (std::vector<std::string>{"7,05", "", "6,90"}));
}

TEST(ReceiveBuffer, ReadsTheEmptyTextAtOrPastTheEnd) {
    ReceiveBuffer buffer;
    EXPECT_EQ(buffer.line(0), "");
    buffer.append("7,05\r\n6,9");
    EXPECT_EQ(buffer.line(1), "6,9");
    EXPECT_EQ(buffer.line(2), "");
    EXPECT_EQ(buffer.line(11), "");
    EXPECT_EQ(buffer.line(1000), "");
}

TEST(ReceiveBuffer, StartsAsTheWindowLeavesItWithOneEmptyLine) {
    ReceiveBuffer buffer;
    buffer.append("\r\n");
    EXPECT_EQ(buffer.lineCount(), 1u);
    EXPECT_EQ(buffer.line(0), "");
    buffer.append("7,05\r\n");
    EXPECT_EQ(linesOf(buffer), (std::vector<std::string>{"", "7,05"}));
}

TEST(ReceiveBuffer, JoinsACrAndItsLfFromTwoAppendsIntoOneBreak) {
    ReceiveBuffer buffer;
    buffer.append("7,05\r");
    EXPECT_EQ(buffer.lineCount(), 1u);
    EXPECT_EQ(buffer.line(0), "7,05\r");
    buffer.append("\n6");
    EXPECT_EQ(linesOf(buffer), (std::vector<std::string>{"7,05", "6"}));
    EXPECT_EQ(buffer.text(), "7,05\r\n6");
}

TEST(ReceiveBuffer, KeepsLoneCrAndLfAsCharactersOfTheirLine) {
    ReceiveBuffer buffer;
    buffer.append("a\rb\nc\r\n\n\r\r\n");
    EXPECT_EQ(linesOf(buffer), (std::vector<std::string>{"a\rb\nc", "\n\r"}));

    // A frame whose lines end with LF alone has no line break at all: it only wraps.
    ReceiveBuffer lfOnly;
    lfOnly.append("7,05\n6,90\n");
    EXPECT_EQ(linesOf(lfOnly), (std::vector<std::string>{"7,05\n6,", "90\n"}));
}

TEST(ReceiveBuffer, WrapsLongLinesEverySevenCharacters) {
    ReceiveBuffer buffer;
    buffer.append("1234567\r\n12345678\r\n12345678901234\r\nx");
    EXPECT_EQ(linesOf(buffer),
              (std::vector<std::string>{"1234567", "1234567", "8", "1234567", "8901234", "x"}));
}

TEST(ReceiveBuffer, WrapsAtTheWidthItWasGiven) {
    ReceiveBuffer buffer(3);
    buffer.append("abcdefg\r\nhi");
    EXPECT_EQ(linesOf(buffer), (std::vector<std::string>{"abc", "def", "g", "hi"}));
}

TEST(ReceiveBuffer, WrapsALongRunWithoutLineBreaks) {
    ReceiveBuffer buffer;
    const std::string run(4096, 'x');
    buffer.append(run);
    EXPECT_EQ(buffer.lineCount(), 586u); // 585 full lines and one of a single character
    EXPECT_EQ(buffer.line(0), "xxxxxxx");
    EXPECT_EQ(buffer.line(584), "xxxxxxx");
    EXPECT_EQ(buffer.line(585), "x");
    EXPECT_EQ(buffer.line(586), "");
}

TEST(ReceiveBuffer, EmptiesAndAddsLinesOfItsOwn) {
    ReceiveBuffer buffer;
    buffer.append("7,05\r\n6,");
    buffer.clear();
    EXPECT_EQ(buffer.lineCount(), 0u);
    EXPECT_EQ(buffer.text(), "");
    buffer.addLine("100");
    buffer.addLine("");
    buffer.addLine("7");
    EXPECT_EQ(buffer.text(), "100\r\n\r\n7\r\n");
    EXPECT_EQ(linesOf(buffer), (std::vector<std::string>{"100", "", "7"}));
}

} // namespace
} // namespace tivrel
