#include "link/ShowFrame.h"

#include "platform/AppError.h"

#include <gtest/gtest.h>
#include <map>
#include <optional>
#include <string>

namespace tivrel {
namespace {

using Texts = std::map<ReadingLabel, std::string>;
using Visibilities = std::map<ReadingControl, bool>;

// Texts the labels had from an earlier frame, distinct per label so a text written to the wrong
// label shows.
const Texts kEarlierTexts = {
    {ReadingLabel::Label7, "p7"},   {ReadingLabel::Label8, "p8"},   {ReadingLabel::Label9, "p9"},
    {ReadingLabel::Label11, "p11"}, {ReadingLabel::Label12, "p12"}, {ReadingLabel::Label17, "p17"},
    {ReadingLabel::Label23, "p23"},
};

// The window as a disconnect leaves it: the reading controls hidden, the output pictures as the
// last frame left them.
Visibilities earlierVisibilities(bool outputsShown) {
    Visibilities visible;
    for (ReadingControl control :
         {ReadingControl::Label7, ReadingControl::Label8, ReadingControl::Label9,
          ReadingControl::Label11, ReadingControl::Label12, ReadingControl::Label17,
          ReadingControl::Label23, ReadingControl::Image4})
        visible[control] = false;
    visible[ReadingControl::Label10] = true;
    visible[ReadingControl::Image1] = outputsShown;
    visible[ReadingControl::Image2] = outputsShown;
    return visible;
}

class RecordingDisplay : public ReadingsDisplay {
public:
    explicit RecordingDisplay(bool outputsShown = false)
        : texts(kEarlierTexts), visible(earlierVisibilities(outputsShown)) {}

    void setReadingText(ReadingLabel label, const std::string& text) override {
        texts[label] = text;
    }
    void setReadingVisible(ReadingControl control, bool isVisible) override {
        visible[control] = isVisible;
    }

    Texts texts;
    Visibilities visible;
};

Frame frameOf(const std::array<const char*, 8>& lines) {
    Frame frame;
    for (std::size_t i = 0; i < lines.size(); ++i)
        frame[i] = lines[i];
    frame[8] = "100";
    frame[9] = "10";
    frame[10] = "*";
    frame[11] = "*";
    return frame;
}

struct DisplayCase {
    const char* name;
    std::array<const char*, 8> lines;
    Texts changed;               // labels with a new text; the rest keep their earlier one
    std::optional<bool> image2;  // O2 picture; nullopt: keeps its earlier visibility
    std::optional<bool> image1;  // CO2 picture
    const char* error = nullptr; // the conversion failure that ends the step
    bool outputsShownBefore = false;
};

class ShowFrameCase : public ::testing::TestWithParam<DisplayCase> {};

TEST_P(ShowFrameCase, WritesTheReadings) {
    const DisplayCase& c = GetParam();
    RecordingDisplay display(c.outputsShownBefore);
    Frame frame = frameOf(c.lines);

    if (c.error) {
        try {
            showFrame(frame, display);
            ADD_FAILURE() << "no conversion failure";
        } catch (const ConvertError& e) {
            EXPECT_STREQ(e.what(), c.error);
        }
    } else {
        showFrame(frame, display);
    }

    Texts expected = kEarlierTexts;
    for (const auto& [label, text] : c.changed)
        expected[label] = text;
    EXPECT_EQ(display.texts, expected);

    // Step one runs whatever follows.
    for (ReadingControl control :
         {ReadingControl::Label7, ReadingControl::Label8, ReadingControl::Label9,
          ReadingControl::Label10, ReadingControl::Label11, ReadingControl::Label12,
          ReadingControl::Label17, ReadingControl::Label23, ReadingControl::Image4})
        EXPECT_TRUE(display.visible[control]) << static_cast<int>(control);
    EXPECT_EQ(display.visible[ReadingControl::Image2], c.image2.value_or(c.outputsShownBefore));
    EXPECT_EQ(display.visible[ReadingControl::Image1], c.image1.value_or(c.outputsShownBefore));

    // The pH line keeps its point also when a later step fails.
    std::string ph = c.lines[0];
    if (ph.size() > 1 && ph[1] == ',')
        ph[1] = '.';
    EXPECT_EQ(frame[0], ph);
}

using L = ReadingLabel;

INSTANTIATE_TEST_SUITE_P(
    Frames, ShowFrameCase,
    ::testing::Values(
        DisplayCase{"WorkedExample",
                    {"7,05", "6,90", "7,10", "12,5", "8", "20", "1", "0"},
                    {{L::Label7, "7.05"},
                     {L::Label8, "6,90"},
                     {L::Label9, "7,10"},
                     {L::Label11, "12,5"},
                     {L::Label12, "08"},
                     {L::Label17, "6,70"},
                     {L::Label23, "7,30"}},
                    true,
                    false},
        DisplayCase{"LimitsWithFourCharacterTexts",
                    {"7,05", "6,90", "7,10", "12,5", "8", "25", "0", "1"},
                    {{L::Label7, "7.05"},
                     {L::Label8, "6,90"},
                     {L::Label9, "7,10"},
                     {L::Label11, "12,5"},
                     {L::Label12, "08"},
                     {L::Label17, "6,65"},
                     {L::Label23, "7,35"}},
                    false,
                    true,
                    nullptr,
                    true},
        DisplayCase{"PpmWithOneDigitGainsALeadingZero",
                    {"7,05", "6,90", "7,10", "5,2", "12", "0", "1", "1"},
                    {{L::Label7, "7.05"},
                     {L::Label8, "6,90"},
                     {L::Label9, "7,10"},
                     {L::Label11, "05,2"},
                     {L::Label12, "12"},
                     {L::Label17, "6,90"},
                     {L::Label23, "7,10"}},
                    true,
                    true},
        DisplayCase{"PpmAtTheTopOfTheRange",
                    {"7,05", "6,90", "7,10", "100", "9", "20", "1", "0"},
                    {{L::Label7, "7.05"},
                     {L::Label8, "6,90"},
                     {L::Label9, "7,10"},
                     {L::Label11, ">100!"},
                     {L::Label12, "09"},
                     {L::Label17, "6,70"},
                     {L::Label23, "7,30"}},
                    true,
                    false},
        DisplayCase{"PpmWithoutACommaKeepsItsText",
                    {"7,05", "6,90", "7,10", "5", "10", "20", "1", "0"},
                    {{L::Label7, "7.05"},
                     {L::Label8, "6,90"},
                     {L::Label9, "7,10"},
                     {L::Label12, "10"},
                     {L::Label17, "6,70"},
                     {L::Label23, "7,30"}},
                    true,
                    false},
        DisplayCase{"PpmOfTwoDigitsKeepsItsText",
                    {"7,05", "6,90", "7,10", "12", "8", "20", "1", "0"},
                    {{L::Label7, "7.05"},
                     {L::Label8, "6,90"},
                     {L::Label9, "7,10"},
                     {L::Label12, "08"},
                     {L::Label17, "6,70"},
                     {L::Label23, "7,30"}},
                    true,
                    false},
        DisplayCase{"EmptyPpmChangesNothing",
                    {"7,05", "6,90", "7,10", "", "8", "20", "1", "0"},
                    {{L::Label7, "7.05"},
                     {L::Label8, "6,90"},
                     {L::Label9, "7,10"},
                     {L::Label12, "08"},
                     {L::Label17, "6,70"},
                     {L::Label23, "7,30"}},
                    true,
                    false},
        DisplayCase{"NoValueShowsDashes",
                    {"7,05", "6,90", "7,10", "0", "0", "20", "1", "0"},
                    {{L::Label7, "7.05"},
                     {L::Label8, "6,90"},
                     {L::Label9, "7,10"},
                     {L::Label11, "--.-"},
                     {L::Label12, "--"},
                     {L::Label17, "6,70"},
                     {L::Label23, "7,30"}},
                    true,
                    false},
        DisplayCase{"KhZeroWithAPpmValueKeepsTheKhText",
                    {"7,05", "6,90", "7,10", "5,2", "0", "20", "1", "0"},
                    {{L::Label7, "7.05"},
                     {L::Label8, "6,90"},
                     {L::Label9, "7,10"},
                     {L::Label11, "05,2"},
                     {L::Label17, "6,70"},
                     {L::Label23, "7,30"}},
                    true,
                    false},
        DisplayCase{"WholeNumberLowerLimitKeepsItsText",
                    {"7,05", "7,10", "7,25", "12,5", "8", "10", "1", "0"},
                    {{L::Label7, "7.05"},
                     {L::Label8, "7,10"},
                     {L::Label9, "7,25"},
                     {L::Label11, "12,5"},
                     {L::Label12, "08"},
                     {L::Label23, "7,35"}},
                    true,
                    false},
        DisplayCase{"NoMarginShowsTheRange",
                    {"7,05", "6,90", "7,10", "12,5", "8", "0", "1", "0"},
                    {{L::Label7, "7.05"},
                     {L::Label8, "6,90"},
                     {L::Label9, "7,10"},
                     {L::Label11, "12,5"},
                     {L::Label12, "08"},
                     {L::Label17, "6,90"},
                     {L::Label23, "7,10"}},
                    true,
                    false},
        DisplayCase{"UpperLimitAboveTenShowsOneDecimal",
                    {"7,05", "6,90", "8,80", "12,5", "8", "250", "1", "0"},
                    {{L::Label7, "7.05"},
                     {L::Label8, "6,90"},
                     {L::Label9, "8,80"},
                     {L::Label11, "12,5"},
                     {L::Label12, "08"},
                     {L::Label17, "4,40"},
                     {L::Label23, "11,3"}},
                    true,
                    false},
        DisplayCase{"KhOfThreeCharactersSkipsTheLimits",
                    {"7,05", "6,90", "7,10", "12,5", "100", "20", "1", "0"},
                    {{L::Label7, "7.05"},
                     {L::Label8, "6,90"},
                     {L::Label9, "7,10"},
                     {L::Label11, "12,5"},
                     {L::Label12, "100"}},
                    true,
                    false},
        DisplayCase{"MarginWithACommaSkipsTheLimits",
                    {"7,05", "6,90", "7,10", "12,5", "8", "0,2", "1", "0"},
                    {{L::Label7, "7.05"},
                     {L::Label8, "6,90"},
                     {L::Label9, "7,10"},
                     {L::Label11, "12,5"},
                     {L::Label12, "08"}},
                    true,
                    false},
        DisplayCase{"OtherOutputCharactersKeepThePictures",
                    {"7,05", "6,90", "7,10", "12,5", "8", "20", "2", "x"},
                    {{L::Label7, "7.05"},
                     {L::Label8, "6,90"},
                     {L::Label9, "7,10"},
                     {L::Label11, "12,5"},
                     {L::Label12, "08"},
                     {L::Label17, "6,70"},
                     {L::Label23, "7,30"}},
                    std::nullopt,
                    std::nullopt,
                    nullptr,
                    true},
        DisplayCase{
            "KhNotAWholeNumberStopsAtKh",
            {"7,05", "6,90", "7,10", "12,5", "8,5", "20", "1", "0"},
            {{L::Label7, "7.05"}, {L::Label8, "6,90"}, {L::Label9, "7,10"}, {L::Label11, "12,5"}},
            std::nullopt,
            std::nullopt,
            "'8,5' is not a valid integer value"},
        DisplayCase{
            "EmptyKhStopsAtKh",
            {"7,05", "6,90", "7,10", "5,2", "", "20", "1", "0"},
            {{L::Label7, "7.05"}, {L::Label8, "6,90"}, {L::Label9, "7,10"}, {L::Label11, "05,2"}},
            std::nullopt,
            std::nullopt,
            "'' is not a valid integer value"},
        DisplayCase{"MarginNotANumberStopsAtTheLimits",
                    {"7,05", "6,90", "7,10", "12,5", "8", "2x", "1", "0"},
                    {{L::Label7, "7.05"},
                     {L::Label8, "6,90"},
                     {L::Label9, "7,10"},
                     {L::Label11, "12,5"},
                     {L::Label12, "08"}},
                    std::nullopt,
                    std::nullopt,
                    "'2x' is not a valid floating point value"},
        DisplayCase{"RangeMinimumNotANumberStopsAtTheLimits",
                    {"7,05", "6,9x", "7,10", "12,5", "8", "20", "1", "0"},
                    {{L::Label7, "7.05"},
                     {L::Label8, "6,9x"},
                     {L::Label9, "7,10"},
                     {L::Label11, "12,5"},
                     {L::Label12, "08"}},
                    std::nullopt,
                    std::nullopt,
                    "'6,9x' is not a valid floating point value"},
        DisplayCase{"RangeMaximumNotANumberKeepsTheLowerLimitShown",
                    {"7,05", "6,90", "7,1x", "12,5", "8", "20", "1", "0"},
                    {{L::Label7, "7.05"},
                     {L::Label8, "6,90"},
                     {L::Label9, "7,1x"},
                     {L::Label11, "12,5"},
                     {L::Label12, "08"},
                     {L::Label17, "6,70"}},
                    std::nullopt,
                    std::nullopt,
                    "'7,1x' is not a valid floating point value"}),
    [](const auto& param) { return std::string(param.param.name); });

} // namespace
} // namespace tivrel
