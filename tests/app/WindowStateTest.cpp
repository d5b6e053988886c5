#include "app/WindowState.h"

#include "platform/AppError.h"

#include <climits>
#include <gtest/gtest.h>

using namespace tivrel;

TEST(StateFilePortLine, TheLengthDecidesWhichCharactersCount) {
    EXPECT_EQ(portNumberFromPortLine("COM7"), 7);
    EXPECT_EQ(portNumberFromPortLine("COM12"), 12);
    EXPECT_EQ(portNumberFromPortLine("COM123"), 123);
    EXPECT_EQ(portNumberFromPortLine("XYZ999"), 999); // the first three are not looked at
    EXPECT_EQ(portNumberFromPortLine("COM$F"), 15);   // whole-number text, hexadecimal too
    EXPECT_EQ(portNumberFromPortLine("COM1234"), std::nullopt);
    EXPECT_EQ(portNumberFromPortLine("COM"), std::nullopt);
    EXPECT_EQ(portNumberFromPortLine(""), std::nullopt);
    EXPECT_EQ(portNumberFromPortLine(std::string(300, 'C')), std::nullopt);
    EXPECT_THROW(portNumberFromPortLine("COMX"), ConvertError);
    EXPECT_THROW(portNumberFromPortLine("COM1 "), ConvertError);
}

TEST(StateFilePortLine, ANonNumberNamesTheOffendingText) {
    try {
        portNumberFromPortLine("COMX");
        FAIL() << "no error";
    } catch (const ConvertError& error) {
        EXPECT_STREQ(error.what(), "'X' is not a valid integer value");
    }
}

TEST(StateFilePosition, CentresForTheAssumedSizeDividingTowardZero) {
    EXPECT_EQ(centredWindowPosition({1024, 768}), QPoint(335, 56));
    EXPECT_EQ(centredWindowPosition({800, 600}), QPoint(223, -27));
    EXPECT_EQ(centredWindowPosition({640, 480}), QPoint(143, -87));
    EXPECT_EQ(centredWindowPosition({300, 200}), QPoint(-27, -227));
}

TEST(StateFilePosition, SmallScreensAreThoseBelow800By600) {
    EXPECT_FALSE(screenBelowMinimum({800, 600}));
    EXPECT_TRUE(screenBelowMinimum({799, 600}));
    EXPECT_TRUE(screenBelowMinimum({800, 599}));
    EXPECT_TRUE(screenBelowMinimum({640, 480}));
}

TEST(StateFileLines, FiveLinesWithSignedNumbers) {
    EXPECT_EQ(stateFileLines("COM3", {-8, 0}, {345, 620}),
              (std::vector<std::string>{"COM3", "-8", "0", "345", "620"}));
}

TEST(PortButtons, WrapAtTheBoundTheyMoveToward) {
    struct Case {
        std::int32_t from, next, previous;
    };
    for (const Case& c : {Case{0, 1, 255}, Case{1, 2, 255}, Case{255, 1, 254}, Case{999, 1, 998},
                          Case{-99, -98, 255}, Case{INT32_MAX, 1, INT32_MAX - 1},
                          Case{INT32_MIN, INT32_MIN + 1, 255}}) {
        EXPECT_EQ(nextPortNumber(c.from), c.next) << c.from;
        EXPECT_EQ(previousPortNumber(c.from), c.previous) << c.from;
    }
    EXPECT_EQ(portNameForNumber(255), "COM255");
}
