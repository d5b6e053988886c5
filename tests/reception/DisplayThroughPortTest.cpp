// Frames from the device side of a pseudo-terminal into the connected window: what the reading
// labels and the output pictures show after each one. The rows run in order on one window, since
// a label that no rule rewrites keeps the text of an earlier frame.

#include "tests/reception/ConnectedWindow.h"

#include <QLabel>
#include <array>

namespace tivrel::test {
namespace {

// Label7, Label8, Label9, Label11, Label12, Label17, Label23.
using Texts = std::array<const char*, 7>;

struct DisplayRow {
    const char* what;
    Lines first8;
    Texts texts;
    bool o2Shown;  // Image2
    bool co2Shown; // Image1
    bool valid = true;
};

const std::array<QLabel * TForm1::*, 7> kReadingLabels{
    &TForm1::Label7,  &TForm1::Label8,  &TForm1::Label9, &TForm1::Label11,
    &TForm1::Label12, &TForm1::Label17, &TForm1::Label23};
const std::array<const char*, 7> kReadingLabelNames{"Label7",  "Label8",  "Label9", "Label11",
                                                    "Label12", "Label17", "Label23"};

// clang-format off
const DisplayRow kRows[] = {
    {"worked example", {"7,05", "6,90", "7,10", "12,5", "8", "20", "1", "0"},
     {"7.05", "6,90", "7,10", "12,5", "08", "6,70", "7,30"}, true, false},
    {"margin 25 gives limits of four characters", {"7,05", "6,90", "7,10", "12,5", "8", "25", "1", "0"},
     {"7.05", "6,90", "7,10", "12,5", "08", "6,65", "7,35"}, true, false},
    {"ppm 5,2 gains a leading 0", {"6,98", "6,90", "7,10", "5,2", "8", "20", "1", "0"},
     {"6.98", "6,90", "7,10", "05,2", "08", "6,70", "7,30"}, true, false},
    {"ppm 100 is the top of the range", {"6,98", "6,90", "7,10", "100", "8", "20", "1", "1"},
     {"6.98", "6,90", "7,10", ">100!", "08", "6,70", "7,30"}, true, true},
    {"ppm 5 keeps the text", {"6,97", "6,90", "7,10", "5", "8", "20", "1", "0"},
     {"6.97", "6,90", "7,10", ">100!", "08", "6,70", "7,30"}, true, false},
    {"ppm 12 keeps the text", {"6,96", "6,90", "7,10", "12", "8", "20", "1", "0"},
     {"6.96", "6,90", "7,10", ">100!", "08", "6,70", "7,30"}, true, false},
    {"ppm and KH 0 show dashes", {"6,95", "6,90", "7,10", "0", "0", "20", "1", "0"},
     {"6.95", "6,90", "7,10", "--.-", "--", "6,70", "7,30"}, true, false},
    {"KH 0 alone keeps the KH text", {"6,94", "6,90", "7,10", "5,2", "0", "20", "1", "0"},
     {"6.94", "6,90", "7,10", "05,2", "--", "6,70", "7,30"}, true, false},
    {"KH 9 shows 09", {"6,93", "6,90", "7,10", "5,2", "9", "20", "1", "0"},
     {"6.93", "6,90", "7,10", "05,2", "09", "6,70", "7,30"}, true, false},
    {"KH 10 shows 10", {"6,92", "6,90", "7,10", "5,2", "10", "20", "1", "0"},
     {"6.92", "6,90", "7,10", "05,2", "10", "6,70", "7,30"}, true, false},
    {"KH of three characters leaves the limits", {"6,91", "6,90", "7,10", "5,2", "100", "25", "1", "0"},
     {"6.91", "6,90", "7,10", "05,2", "100", "6,70", "7,30"}, true, false},
    {"margin with a comma leaves the limits", {"6,91", "6,90", "7,10", "5,2", "8", "25,0", "1", "0"},
     {"6.91", "6,90", "7,10", "05,2", "08", "6,70", "7,30"}, true, false},
    {"whole-number lower limit keeps its text", {"7,05", "7,10", "7,40", "5,2", "8", "10", "1", "0"},
     {"7.05", "7,10", "7,40", "05,2", "08", "6,70", "7,50"}, true, false},
    {"margin 0 gives the range", {"7,00", "6,90", "7,10", "5,2", "8", "0", "1", "0"},
     {"7.00", "6,90", "7,10", "05,2", "08", "6,90", "7,10"}, true, false},
    {"8,80 plus 2,50 shows 11,3", {"7,00", "6,90", "8,80", "5,2", "8", "250", "1", "0"},
     {"7.00", "6,90", "8,80", "05,2", "08", "4,40", "11,3"}, true, false},
    {"output 2 keeps the O2 picture", {"7,01", "6,90", "8,80", "5,2", "8", "250", "2", "1"},
     {"7.01", "6,90", "8,80", "05,2", "08", "4,40", "11,3"}, true, true},
    {"output 2 keeps the CO2 picture", {"7,02", "6,90", "8,80", "5,2", "12", "250", "0", "2"},
     {"7.02", "6,90", "8,80", "05,2", "12", "4,40", "11,3"}, false, true},
    {"KH 8,5 stops the display after ppm", {"6,55", "6,10", "7,90", "3,3", "8,5", "40", "1", "0"},
     {"6.55", "6,10", "7,90", "03,3", "12", "4,40", "11,3"}, false, true, false},
    {"the next frame shows again", {"7,05", "6,90", "7,10", "12,5", "8", "20", "1", "0"},
     {"7.05", "6,90", "7,10", "12,5", "08", "6,70", "7,30"}, true, false},
};
// clang-format on

using DisplayThroughPort = ConnectedWindow;

TEST_F(DisplayThroughPort, EachFrameSetsTheReadingsItsRulesName) {
    passStartUpLine();
    TForm1& window = *form;
    EXPECT_FALSE(window.Label7->isVisibleTo(&window)); // nothing shown before a valid frame

    for (const DisplayRow& row : kRows) {
        SCOPED_TRACE(row.what);
        const tivrel::SettingsFields fieldsBefore = window.SettingsFields;
        const Lines sent = frameLines(row.first8);
        deliverFrame(sent);
        ASSERT_FALSE(HasFatalFailure());

        EXPECT_EQ(window.FrameValid, row.valid);
        Lines taken(window.LastFrame.begin(), window.LastFrame.end());
        Lines expectedTaken = sent;
        expectedTaken[0][1] = '.'; // the display step writes the point into the frame too
        EXPECT_EQ(taken, expectedTaken);
        EXPECT_EQ(window.Memo.text(), "");

        for (std::size_t i = 0; i < kReadingLabels.size(); ++i)
            EXPECT_EQ((window.*kReadingLabels[i])->text().toStdString(), row.texts[i])
                << kReadingLabelNames[i];
        for (QWidget* reading :
             {static_cast<QWidget*>(window.Label7), static_cast<QWidget*>(window.Label8),
              static_cast<QWidget*>(window.Label9), static_cast<QWidget*>(window.Label10),
              static_cast<QWidget*>(window.Label11), static_cast<QWidget*>(window.Label12),
              static_cast<QWidget*>(window.Label17), static_cast<QWidget*>(window.Label23),
              static_cast<QWidget*>(window.Image4)})
            EXPECT_TRUE(reading->isVisibleTo(&window)) << reading->objectName().toStdString();
        EXPECT_EQ(window.Image2->isVisibleTo(&window), row.o2Shown);
        EXPECT_EQ(window.Image1->isVisibleTo(&window), row.co2Shown);

        if (row.valid) {
            EXPECT_EQ(window.SettingsFields[8], sent[4]);
            EXPECT_EQ(window.SettingsFields[7], sent[5]);
        } else {
            EXPECT_EQ(window.SettingsFields, fieldsBefore); // the failing step ends the event
        }
    }
}

} // namespace
} // namespace tivrel::test
