#include "tools/PhDrift.h"

#include <gtest/gtest.h>

namespace tivrel::sim {
namespace {

const DeviceSettings kRange = factorySettings(); // 6,90 .. 7,10

TEST(PhDrift, SameSeedGivesTheSameWater) {
    PhDrift a(42, 700), b(42, 700), c(43, 700);
    bool differs = false;
    for (int i = 0; i < 50; ++i) {
        const int pa = a.step(kRange).phHundredths;
        EXPECT_EQ(pa, b.step(kRange).phHundredths) << "step " << i;
        differs = differs || pa != c.step(kRange).phHundredths;
    }
    EXPECT_TRUE(differs) << "the seed has no effect";
}

TEST(PhDrift, OutputsFollowThePhAgainstTheRange) {
    PhDrift drift(7, 850);
    for (int i = 0; i < 500; ++i) {
        const Measurement m = drift.step(kRange);
        EXPECT_EQ(m.co2On, m.phHundredths > kRange.phMaxHundredths) << "step " << i;
        EXPECT_EQ(m.o2On, m.phHundredths < kRange.phMinHundredths) << "step " << i;
    }
}

struct Start {
    int phHundredths;
    bool co2First; // which output must work to bring the pH back
};

void PrintTo(const Start& s, std::ostream* os) {
    *os << "pH " << s.phHundredths;
}

class PhDriftReturns : public ::testing::TestWithParam<Start> {};

TEST_P(PhDriftReturns, FromFarOutsideTheRangeAndStaysNearIt) {
    PhDrift drift(5, GetParam().phHundredths);
    const Measurement first = drift.step(kRange);
    EXPECT_EQ(first.co2On, GetParam().co2First);
    EXPECT_EQ(first.o2On, !GetParam().co2First);
    for (int i = 0; i < 200; ++i)
        drift.step(kRange);
    for (int i = 0; i < 300; ++i) {
        const int ph = drift.step(kRange).phHundredths;
        EXPECT_GE(ph, kRange.phMinHundredths - 30) << "step " << i;
        EXPECT_LE(ph, kRange.phMaxHundredths + 30) << "step " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Starts, PhDriftReturns,
                         ::testing::Values(Start{950, true}, Start{420, false}));

TEST(PhDrift, FollowsANewRange) {
    PhDrift drift(3, 700);
    const DeviceSettings high{100, 10, 840, 820, 20, 0};
    for (int i = 0; i < 200; ++i)
        drift.step(high);
    const int ph = drift.step(high).phHundredths;
    EXPECT_GE(ph, 790);
    EXPECT_LE(ph, 870);
}

TEST(PhDrift, StaysWithinWhatTheDeviceCanShow) {
    PhDrift low(11, 400);
    PhDrift high(12, 999);
    const DeviceSettings lowest{100, 10, 410, 400, 0, 0};
    const DeviceSettings highest{100, 10, 880, 870, 0, 0};
    for (int i = 0; i < 300; ++i) {
        const int l = low.step(lowest).phHundredths;
        const int h = high.step(highest).phHundredths;
        EXPECT_GE(l, 400);
        EXPECT_LE(h, 999);
    }
}

} // namespace
} // namespace tivrel::sim
