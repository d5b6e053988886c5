#include "settings/Conversions.h"

#include "SettingsSpinEdits.h"
#include "platform/AppError.h"
#include "settings/FactoryValues.h"

#include <array>
#include <gtest/gtest.h>
#include <string>

namespace tivrel {
namespace {

// Fields 1 to 8 as one row, for comparing a whole conversion at once.
using Fields1To8 = std::array<std::string, 8>;

Fields1To8 fields1To8(const SettingsFields& fields) {
    Fields1To8 row;
    for (std::size_t i = 0; i < row.size(); ++i)
        row[i] = fields[i + 1];
    return row;
}

SettingsFields fieldsOf(const Fields1To8& row) {
    SettingsFields fields;
    for (std::size_t i = 0; i < row.size(); ++i)
        fields[i + 1] = row[i];
    return fields;
}

std::string twoDecimalText(int hundredthsCount) {
    const std::string cents = std::to_string(hundredthsCount % 100);
    return std::to_string(hundredthsCount / 100) + "," + (cents.size() < 2 ? "0" : "") + cents;
}

const Frame kFrame = {"7,05", "6,90", "7,05", "12,5", "8", "20", "1", "0", "100", "10", "*", "*"};

class FieldsFromSpinEdits : public SettingsSpinEdits {};

TEST_F(FieldsFromSpinEdits, EveryPhValueGivesItsDigits) {
    SettingsFields fields;
    for (int n = 400; n <= 880; ++n) {
        const std::string whole = std::to_string(n / 100);
        const std::string cents = std::to_string(n % 100);
        for (bool typed : {false, true}) {
            auto put = [&](SpinEdit& spin) {
                if (typed)
                    type(spin, twoDecimalText(n));
                else
                    spin.setValue(n / 100.0);
            };
            if (n <= 870)
                put(phMinimum);
            if (n >= 410)
                put(phMaximum);
            fieldsFromSpinEdits(editors, fields);
            if (n <= 870) {
                EXPECT_EQ(fields[5], whole) << twoDecimalText(n);
                EXPECT_EQ(fields[6], cents) << twoDecimalText(n);
            }
            if (n >= 410) {
                EXPECT_EQ(fields[3], whole) << twoDecimalText(n);
                EXPECT_EQ(fields[4], cents) << twoDecimalText(n);
            }
        }
    }
}

TEST_F(FieldsFromSpinEdits, EveryMarginGivesItsHundredths) {
    SettingsFields fields;
    for (int n = 0; n <= 250; ++n) {
        margin.setValue(n / 100.0);
        fieldsFromSpinEdits(editors, fields);
        EXPECT_EQ(fields[7], std::to_string(n)) << twoDecimalText(n);
        type(margin, twoDecimalText(n));
        fieldsFromSpinEdits(editors, fields);
        EXPECT_EQ(fields[7], std::to_string(n)) << twoDecimalText(n);
    }
}

struct SpinTexts {
    const char* phMinimum;
    const char* phMaximum;
    const char* margin;
    const char* kh;
    const char* brightness;
    const char* contrast;
    Fields1To8 fields;
};

TEST_F(FieldsFromSpinEdits, MatchesTheExamples) {
    const SpinTexts cases[] = {
        {"6,90", "7,10", "0,20", "0", "100", "10", {"100", "10", "7", "10", "6", "90", "20", "0"}},
        {"6,05", "8,00", "0,05", "20", "0", "25", {"0", "25", "8", "0", "6", "5", "5", "20"}},
        {"4,00", "8,80", "0,53", "7", "55", "1", {"55", "1", "8", "80", "4", "0", "53", "7"}},
        {"8,70", "4,10", "2,50", "13", "99", "0", {"99", "0", "4", "10", "8", "70", "250", "13"}},
    };
    for (const SpinTexts& c : cases) {
        type(phMinimum, c.phMinimum);
        type(phMaximum, c.phMaximum);
        type(margin, c.margin);
        type(kh, c.kh);
        type(brightness, c.brightness);
        type(contrast, c.contrast);
        SettingsFields fields;
        fields[9] = fields[10] = "kept";
        fieldsFromSpinEdits(editors, fields);
        EXPECT_EQ(fields1To8(fields), c.fields) << c.phMinimum << ' ' << c.phMaximum;
        EXPECT_EQ(fields[9], "kept");
        EXPECT_EQ(fields[10], "kept");
    }
}

TEST_F(FieldsFromSpinEdits, FactoryValuesGiveTheFactoryFields) {
    for (SpinEdit* spin : {&phMinimum, &phMaximum, &margin, &kh, &brightness, &contrast})
        type(*spin, "1");
    for (const FactoryValue& factory : kFactoryValues)
        editors.setValue(factory.setting, factory.value);
    EXPECT_EQ(shown(phMinimum), "6,90");
    EXPECT_EQ(shown(phMaximum), "7,10");
    EXPECT_EQ(shown(margin), "0,20");
    SettingsFields fields;
    fieldsFromSpinEdits(editors, fields);
    EXPECT_EQ(fields1To8(fields), (Fields1To8{"100", "10", "7", "10", "6", "90", "20", "0"}));
}

class SpinEditsFromFields : public SettingsSpinEdits {
protected:
    std::array<std::string, 6> shownTexts() {
        return {shown(phMinimum), shown(phMaximum),  shown(margin),
                shown(kh),        shown(brightness), shown(contrast)};
    }
};

struct FieldsToSpin {
    Fields1To8 fields;
    std::array<std::string, 6> shown; // pH minimum, pH maximum, margin, KH, brightness, contrast
};

TEST_F(SpinEditsFromFields, SetsTheSpinEditsLimitedToTheirRanges) {
    const FieldsToSpin cases[] = {
        {{"100", "10", "7", "10", "6", "90", "20", "0"},
         {"6,90", "7,10", "0,20", "0", "100", "10"}},
        {{"0", "25", "7", "0", "6", "5", "5", "20"}, {"6,05", "7,00", "0,05", "20", "0", "25"}},
        {{"050", "003", "8", "80", "6", "05", "300", "008"},
         {"6,05", "8,80", "2,50", "8", "50", "3"}},
        {{"100", "30", "9", "00", "006", "090", "250", "21"},
         {"6,90", "8,80", "2,50", "20", "100", "25"}},
        {{"100", "10", "7", "10", "6", "123", "20", "0"},
         {"7,23", "7,10", "0,20", "0", "100", "10"}},
    };
    for (const FieldsToSpin& c : cases) {
        spinEditsFromFields(fieldsOf(c.fields), editors);
        EXPECT_EQ(shownTexts(), c.shown) << c.fields[4] << ' ' << c.fields[5];
    }
}

struct BadField {
    std::size_t field;
    const char* text;
    std::array<std::string, 6> shown;
};

// Good fields give 6,05 / 7,55 / 0,35 / 12 / 80 / 20; the spin edits start at 6,90 / 7,10 /
// 0,20 / 0 / 100 / 10. Each step sets its spin edit before the next field is read.
TEST_F(SpinEditsFromFields, StopsAtAFieldThatIsNotAWholeNumber) {
    const Fields1To8 good = {"80", "20", "7", "55", "6", "05", "35", "12"};
    const BadField cases[] = {
        {5, "x", {"6,90", "7,10", "0,20", "0", "100", "10"}},
        {6, "", {"6,90", "7,10", "0,20", "0", "100", "10"}},
        {3, "7,5", {"6,05", "7,10", "0,20", "0", "100", "10"}},
        {4, "abc", {"6,05", "7,10", "0,20", "0", "100", "10"}},
        {7, "3.5", {"6,05", "7,55", "0,20", "0", "100", "10"}},
        {8, " ", {"6,05", "7,55", "0,35", "0", "100", "10"}},
        {1, "1e2", {"6,05", "7,55", "0,35", "12", "100", "10"}},
        {2, "20x", {"6,05", "7,55", "0,35", "12", "80", "10"}},
    };
    for (const BadField& c : cases) {
        for (const FactoryValue& factory : kFactoryValues)
            editors.setValue(factory.setting, factory.value);
        SettingsFields fields = fieldsOf(good);
        fields[c.field] = c.text;
        try {
            spinEditsFromFields(fields, editors);
            ADD_FAILURE() << "field " << c.field << " was read";
        } catch (const ConvertError& e) {
            EXPECT_EQ(std::string(e.what()),
                      "'" + std::string(c.text) + "' is not a valid integer value");
        }
        EXPECT_EQ(shownTexts(), c.shown) << "field " << c.field;
    }
}

TEST(FieldsFromFrame, TakesTheCharactersAsTheyStand) {
    SettingsFields fields;
    fields[9] = fields[10] = "0";
    fields[11] = "surplus";
    fieldsFromFrame(kFrame, fields);
    EXPECT_EQ(fields1To8(fields), (Fields1To8{"100", "10", "7", "05", "6", "90", "20", "8"}));
    EXPECT_EQ(fields[9], "0");
    EXPECT_EQ(fields[10], "0");
    EXPECT_EQ(fields[11], "surplus");
}

TEST(FieldsFromFrame, TakesWhatAShortLineHas) {
    Frame frame = kFrame;
    frame[1] = "6,9";
    frame[2] = "7";
    frame[8] = "";
    SettingsFields fields;
    fieldsFromFrame(frame, fields);
    EXPECT_EQ(fields1To8(fields), (Fields1To8{"", "10", "7", "", "6", "9", "20", "8"}));
    frame[1] = "";
    frame[2] = "7,";
    fieldsFromFrame(frame, fields);
    EXPECT_EQ(fields1To8(fields), (Fields1To8{"", "10", "7", "", "", "", "20", "8"}));
}

class SpinEditsFromFrame : public SpinEditsFromFields {};

TEST_F(SpinEditsFromFrame, SetsTheSpinEditsFromTheSettingsLines) {
    Frame frame = kFrame;
    frame[1] = "6,05";
    frame[2] = "7,00";
    frame[4] = "12";
    frame[5] = "250";
    frame[8] = "55";
    frame[9] = "40";
    spinEditsFromFrame(frame, editors);
    EXPECT_EQ(shownTexts(), (std::array<std::string, 6>{"6,05", "7,00", "2,50", "12", "55", "25"}));
    // The fields keep what the device said, beyond the spin edit's range too.
    SettingsFields fields;
    fieldsFromFrame(frame, fields);
    EXPECT_EQ(fields[2], "40");
}

TEST_F(SpinEditsFromFrame, StopsAtALineThatIsNotANumber) {
    Frame frame = kFrame;
    frame[4] = "12";
    frame[5] = "35";
    frame[8] = "x";
    try {
        spinEditsFromFrame(frame, editors);
        ADD_FAILURE() << "line 8 was read";
    } catch (const ConvertError& e) {
        EXPECT_STREQ(e.what(), "'x' is not a valid floating point value");
    }
    EXPECT_EQ(shownTexts(),
              (std::array<std::string, 6>{"6,90", "7,05", "0,35", "12", "100", "10"}));
}

struct RefreshCase {
    Fields1To8 fields;
    std::array<const char*, 6> lines; // lines 1, 2, 4, 5, 8, 9
};

TEST(RefreshLastFrame, RewritesTheSettingsLines) {
    const RefreshCase cases[] = {
        {{"100", "10", "7", "10", "6", "90", "20", "0"}, {"6,90", "7,10", "0", "20", "100", "10"}},
        {{"0", "25", "7", "0", "6", "5", "5", "20"}, {"6,05", "7,00", "20", "5", "0", "25"}},
        {{"050", "003", "008", "080", "006", "090", "020", "08"},
         {"6,90", "8,80", "08", "020", "050", "003"}},
        {{"100", "10", "7", "10", "6", "123", "20", "0"},
         {"6,123", "7,10", "0", "20", "100", "10"}},
        // A pH line whose fields are not whole numbers stays as the frame had it.
        {{"100", "10", "x", "10", "6", "", "20", "0"}, {"6,90", "7,05", "0", "20", "100", "10"}},
    };
    for (const RefreshCase& c : cases) {
        Frame frame = kFrame;
        refreshLastFrame(fieldsOf(c.fields), frame);
        EXPECT_EQ(frame[1], c.lines[0]);
        EXPECT_EQ(frame[2], c.lines[1]);
        EXPECT_EQ(frame[4], c.lines[2]);
        EXPECT_EQ(frame[5], c.lines[3]);
        EXPECT_EQ(frame[8], c.lines[4]);
        EXPECT_EQ(frame[9], c.lines[5]);
        for (std::size_t untouched : {0u, 3u, 6u, 7u, 10u, 11u})
            EXPECT_EQ(frame[untouched], kFrame[untouched]) << "line " << untouched;
    }
}

// Send, then fetch before the next frame: the spin edits get back exactly what was sent.
TEST_F(SpinEditsFromFields, FetchAfterASendGivesBackWhatWasSent) {
    phMinimum.setValue(6.05);
    phMaximum.setValue(7.00);
    SettingsFields fields;
    fieldsFromSpinEdits(editors, fields);
    EXPECT_EQ(fields[5], "6");
    EXPECT_EQ(fields[6], "5");
    EXPECT_EQ(fields[3], "7");
    EXPECT_EQ(fields[4], "0");

    Frame frame = kFrame;
    refreshLastFrame(fields, frame);
    EXPECT_EQ(frame[1], "6,05");
    EXPECT_EQ(frame[2], "7,00");

    type(phMinimum, "5");
    type(phMaximum, "8");
    spinEditsFromFrame(frame, editors);
    EXPECT_EQ(shown(phMinimum), "6,05");
    EXPECT_EQ(shown(phMaximum), "7,00");
    fieldsFromFrame(frame, fields);
    EXPECT_EQ(fields[5], "6");
    EXPECT_EQ(fields[6], "05");
    EXPECT_EQ(fields[3], "7");
    EXPECT_EQ(fields[4], "00");
}

} // namespace
} // namespace tivrel
