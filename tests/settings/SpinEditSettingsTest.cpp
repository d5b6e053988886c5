#include "settings/SpinEditSettings.h"

#include "SettingsSpinEdits.h"
#include "settings/Conversions.h"

#include <gtest/gtest.h>
#include <string>

namespace tivrel {
namespace {

class SpinEditSettingsTest : public SettingsSpinEdits {};

TEST_F(SpinEditSettingsTest, EachSettingReachesItsOwnSpinEdit) {
    editors.setValue(Setting::PhMinimum, 5.5);
    editors.setValue(Setting::PhMaximum, 8.25);
    editors.setValue(Setting::AlarmMargin, 1.5);
    editors.setValue(Setting::Kh, 4);
    editors.setValue(Setting::Brightness, 77);
    editors.setValue(Setting::Contrast, 3);
    EXPECT_EQ(shown(phMinimum), "5,50");
    EXPECT_EQ(shown(phMaximum), "8,25");
    EXPECT_EQ(shown(margin), "1,50");
    EXPECT_EQ(shown(kh), "4");
    EXPECT_EQ(shown(brightness), "77");
    EXPECT_EQ(shown(contrast), "3");
    EXPECT_DOUBLE_EQ(editors.value(Setting::PhMinimum), 5.5);
    EXPECT_DOUBLE_EQ(editors.value(Setting::PhMaximum), 8.25);
    EXPECT_DOUBLE_EQ(editors.value(Setting::AlarmMargin), 1.5);
    EXPECT_DOUBLE_EQ(editors.value(Setting::Kh), 4);
    EXPECT_DOUBLE_EQ(editors.value(Setting::Brightness), 77);
    EXPECT_DOUBLE_EQ(editors.value(Setting::Contrast), 3);
}

struct TypedCase {
    const char* typed;
    const char* wholeField;
    const char* hundredthsField;
    const char* shownAfter;
};

// The device must only ever get a value it can take: what was typed is limited and rounded
// before it is converted, and the spin edit then shows it.
TEST_F(SpinEditSettingsTest, SendsTheLimitedValueOfATypedPhText) {
    const TypedCase cases[] = {
        {"6,999", "7", "0", "7,00"}, {"9,50", "8", "70", "8,70"}, {"3", "4", "0", "4,00"},
        {"", "4", "0", "4,00"},      {"abc", "4", "0", "4,00"},   {"6,125", "6", "13", "6,13"},
        {"6,05", "6", "5", "6,05"},
    };
    for (const TypedCase& c : cases) {
        type(phMinimum, c.typed);
        SettingsFields fields;
        fieldsFromSpinEdits(editors, fields);
        EXPECT_EQ(fields[5], c.wholeField) << '"' << c.typed << '"';
        EXPECT_EQ(fields[6], c.hundredthsField) << '"' << c.typed << '"';
        EXPECT_EQ(shown(phMinimum), c.shownAfter) << '"' << c.typed << '"';
    }
}

TEST_F(SpinEditSettingsTest, SendsTheLimitedValueOfTypedWholeNumbersAndMargins) {
    type(kh, "");
    type(brightness, "150");
    type(contrast, "12,5");
    type(margin, "3");
    SettingsFields fields;
    fieldsFromSpinEdits(editors, fields);
    EXPECT_EQ(fields[8], "0");
    EXPECT_EQ(fields[1], "100");
    EXPECT_EQ(fields[2], "12"); // a half rounds to the even number
    EXPECT_EQ(fields[7], "250");
    EXPECT_EQ(shown(kh), "0");
    EXPECT_EQ(shown(brightness), "100");
    EXPECT_EQ(shown(contrast), "12");
    EXPECT_EQ(shown(margin), "2,50");
}

} // namespace
} // namespace tivrel
