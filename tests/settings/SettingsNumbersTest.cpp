#include "settings/SettingsNumbers.h"

#include "platform/NumberText.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <string>

namespace tivrel {
namespace {

// "6,05" for 605: the text a two-decimal spin edit shows.
std::string twoDecimalText(int hundredthsCount) {
    const std::string cents = std::to_string(hundredthsCount % 100);
    return std::to_string(hundredthsCount / 100) + "," + (cents.size() < 2 ? "0" : "") + cents;
}

// Each pH value can reach the conversion as a literal-like quotient, as parsed text, or as the
// sum a settings file load builds (whole + hundredths / 100); all must give its own digits.
TEST(SettingsNumbers, EveryPhValueGivesItsWholeDigitAndHundredths) {
    for (int n = 400; n <= 880; ++n) {
        const std::int64_t whole = n / 100;
        const std::int64_t cents = n % 100;
        const double sources[] = {n / 100.0, strToFloat(twoDecimalText(n)),
                                  static_cast<double>(whole) + static_cast<double>(cents) / 100.0};
        for (double x : sources) {
            EXPECT_EQ(wholePart(x), whole) << twoDecimalText(n);
            EXPECT_EQ(hundredths(x), cents) << twoDecimalText(n);
        }
    }
}

TEST(SettingsNumbers, EveryMarginGivesItsHundredths) {
    for (int n = 0; n <= 250; ++n) {
        const double sources[] = {n / 100.0, strToFloat(twoDecimalText(n)), n * 0.01};
        for (double x : sources)
            EXPECT_EQ(marginHundredths(x), n) << twoDecimalText(n);
    }
}

TEST(SettingsNumbers, MoreDecimalsGiveOtherResults) {
    EXPECT_EQ(wholePart(6.999), 6);
    EXPECT_EQ(hundredths(6.999), 100);
    EXPECT_EQ(hundredths(6.125), 12); // a true half goes to the even number
    EXPECT_EQ(hundredths(6.375), 38);
    EXPECT_EQ(hundredths(6.625), 62);
    EXPECT_EQ(marginHundredths(0.125), 12);
    EXPECT_EQ(marginHundredths(0.53), 53);
    EXPECT_EQ(marginHundredths(2.37), 237);
    EXPECT_EQ(wholePart(-0.5), 0);
    EXPECT_EQ(wholePart(100), 100);
}

} // namespace
} // namespace tivrel
