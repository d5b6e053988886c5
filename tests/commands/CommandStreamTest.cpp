#include "link/CommandStream.h"

#include <gtest/gtest.h>
#include <numeric>

namespace tivrel {
namespace {

TEST(CommandStream, FillsEachFieldToThreeCharacters) {
    const struct {
        std::string field;
        std::string written;
    } cases[] = {
        {"5", "005"},   {"0", "000"},   {"90", "090"},    {"05", "005"},
        {"100", "100"}, {"006", "006"}, {"1234", "1234"}, {"250", "250"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(filledField(c.field), c.written) << c.field;
}

std::string joined(const std::array<std::string, kSentFieldCount>& elements) {
    return std::accumulate(elements.begin(), elements.end(), std::string());
}

TEST(CommandStream, OnePassCarriesFieldsOneToTenFilledAndLeavesTheFields) {
    SettingsFields fields{"unused", "100", "10", "7",  "10", "6",  "90", "20",
                          "0",      "0",   "0",  "11", "12", "13", "14", "15"};
    const SettingsFields before = fields;
    EXPECT_EQ(joined(settingsElements(fields)), "100010007010006090020000000000");
    EXPECT_EQ(fields, before);

    fields[3] = "7";
    fields[4] = "5";
    fields[7] = "5";
    const auto elements = settingsElements(fields);
    EXPECT_EQ(elements[2], "007");
    EXPECT_EQ(elements[3], "005");
    EXPECT_EQ(elements[6], "005");
    for (const std::string& element : elements)
        EXPECT_EQ(element.size(), 3u) << element;
}

} // namespace
} // namespace tivrel
