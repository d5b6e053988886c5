#include "tools/Faults.h"
#include "tools/TelemetryFrame.h"

#include <algorithm>
#include <cctype>
#include <gtest/gtest.h>

namespace tivrel::sim {
namespace {

const std::string kFrame = buildFrame(factorySettings(), Measurement{705, false, false});

TEST(FaultBytes, BrokenFrameHasAPointOnlyInLineZero) {
    std::string expected = kFrame;
    expected[1] = '.';
    EXPECT_EQ(brokenFrame(kFrame), expected);
}

TEST(FaultBytes, NulBytesSitBetweenEveryTwoCharacters) {
    EXPECT_EQ(withNulBytes("7,0"), std::string("7\0,\0"
                                               "0",
                                               5));
    std::string stripped = withNulBytes(kFrame);
    EXPECT_EQ(std::count(stripped.begin(), stripped.end(), '\0'),
              static_cast<long>(kFrame.size() - 1));
    std::erase(stripped, '\0');
    EXPECT_EQ(stripped, kFrame);
}

TEST(FaultBytes, NoEolIsTwoHundredDigitsAndLetters) {
    const std::string bytes = noEolBytes();
    EXPECT_EQ(bytes.size(), 200u);
    EXPECT_TRUE(std::all_of(bytes.begin(), bytes.end(),
                            [](unsigned char c) { return std::isalnum(c) != 0; }));
    EXPECT_NE(bytes.find_first_of("0123456789"), std::string::npos);
    EXPECT_NE(bytes.find_first_of("abcxyzABCXYZ"), std::string::npos);
}

TEST(FaultBytes, KindsAreKnownByTheirNames) {
    EXPECT_EQ(faultKindFromName("broken"), FaultKind::Broken);
    EXPECT_EQ(faultKindFromName("noeol"), FaultKind::NoEol);
    EXPECT_EQ(faultKindFromName("nul"), FaultKind::Nul);
    EXPECT_EQ(faultKindFromName("burst"), FaultKind::Burst);
    EXPECT_EQ(faultKindFromName("hangup"), FaultKind::Hangup);
    EXPECT_EQ(faultKindFromName("Broken"), std::nullopt);
    EXPECT_EQ(faultKindFromName(""), std::nullopt);
}

} // namespace
} // namespace tivrel::sim
