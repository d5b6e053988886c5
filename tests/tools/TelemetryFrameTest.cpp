#include "tools/TelemetryFrame.h"

#include <gtest/gtest.h>

namespace tivrel::sim {
namespace {

TEST(TelemetryFrame, FactorySettingsGiveTheExactBytes) {
    const Measurement measurement{705, false, false};
    EXPECT_EQ(buildFrame(factorySettings(), measurement),
              "7,05\r\n6,90\r\n7,10\r\n0\r\n0\r\n20\r\n0\r\n0\r\n100\r\n10\r\n*\r\n*\r\n");
}

TEST(TelemetryFrame, EveryLineHoldsItsOwnSetting) {
    // All values differ, so a line out of place shows.
    const DeviceSettings settings{80, 15, 750, 625, 111, 8};
    const Measurement measurement{805, false, true};
    EXPECT_EQ(buildFrame(settings, measurement),
              "8,05\r\n6,25\r\n7,50\r\n2,1\r\n8\r\n111\r\n0\r\n1\r\n80\r\n15\r\n*\r\n*\r\n");
}

TEST(TelemetryFrame, PhTextAlwaysHasTwoDecimalsAfterAComma) {
    EXPECT_EQ(phText(400), "4,00");
    EXPECT_EQ(phText(690), "6,90");
    EXPECT_EQ(phText(705), "7,05");
    EXPECT_EQ(phText(999), "9,99");
}

struct PpmCase {
    int kh;
    int phHundredths;
    const char* text;
};

void PrintTo(const PpmCase& c, std::ostream* os) {
    *os << "KH " << c.kh << ", pH " << phText(c.phHundredths);
}

class PpmText : public ::testing::TestWithParam<PpmCase> {};

TEST_P(PpmText, Formats) {
    const PpmCase& c = GetParam();
    EXPECT_EQ(ppmText(c.kh, c.phHundredths), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PpmText,
    ::testing::Values(PpmCase{0, 700, "0"},      // no KH set: the device reports plain 0
                      PpmCase{0, 400, "0"},      // even where the formula would give plenty
                      PpmCase{2, 706, "5,2"},    // 5.226
                      PpmCase{5, 708, "12,5"},   // 12.476
                      PpmCase{8, 700, "24,0"},   // a whole value keeps its decimal
                      PpmCase{1, 750, "0,9"},    // 0.949, below one
                      PpmCase{1, 999, "0,0"},    // 0.003 rounds to nothing, still with a decimal
                      PpmCase{10, 648, "99,3"},  // just below the top
                      PpmCase{2, 578, "99,6"},   // 99.575, rounds up within the range
                      PpmCase{10, 647, "100"},   // 101.65: the top of the range
                      PpmCase{20, 400, "100"})); // 60000

} // namespace
} // namespace tivrel::sim
