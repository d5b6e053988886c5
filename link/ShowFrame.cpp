#include "link/ShowFrame.h"

#include "platform/NumberText.h"

#include <cstddef>
#include <string_view>

namespace tivrel {

namespace {

// A rule that needs the n-th character of a shorter line does not match.
bool charAt(const std::string& line, std::size_t position, char wanted) {
    return line.size() > position && line[position] == wanted;
}

void showReadingControls(ReadingsDisplay& display) {
    for (ReadingControl control :
         {ReadingControl::Label7, ReadingControl::Label8, ReadingControl::Label9,
          ReadingControl::Label10, ReadingControl::Label11, ReadingControl::Label12,
          ReadingControl::Label17, ReadingControl::Label23, ReadingControl::Image4})
        display.setReadingVisible(control, true);
}

void showPh(Frame& frame, ReadingsDisplay& display) {
    std::string& ph = frame[0];
    if (charAt(ph, 1, ',')) {
        // The large pH figures read with a point; the log turns it back into a comma.
        ph[1] = '.';
        display.setReadingText(ReadingLabel::Label7, ph);
    }
}

void showRange(const Frame& frame, ReadingsDisplay& display) {
    if (charAt(frame[1], 1, ','))
        display.setReadingText(ReadingLabel::Label8, frame[1]);
    if (charAt(frame[2], 1, ','))
        display.setReadingText(ReadingLabel::Label9, frame[2]);
}

// Three rules, a later match replacing an earlier one: 5,2 shows 05,2; 12,5 as it is; 100 as
// >100!, the top of the device's range.
void showPpm(const Frame& frame, ReadingsDisplay& display) {
    const std::string& ppm = frame[3];
    if (charAt(ppm, 1, ','))
        display.setReadingText(ReadingLabel::Label11, "0" + ppm);
    if (charAt(ppm, 2, ','))
        display.setReadingText(ReadingLabel::Label11, ppm);
    if (ppm == "100")
        display.setReadingText(ReadingLabel::Label11, ">" + ppm + "!");
}

// KH always shows two digits. A KH of "0" is never converted, and keeps the label's text (the
// "no value" step below may replace it); any other text that is not a whole number throws.
void showKh(const Frame& frame, ReadingsDisplay& display) {
    const std::string& kh = frame[4];
    if (kh != "0" && strToInt(kh) <= 9)
        display.setReadingText(ReadingLabel::Label12, "0" + kh);
    if (kh != "0" && strToInt(kh) > 9)
        display.setReadingText(ReadingLabel::Label12, kh);
}

void showNoValue(const Frame& frame, ReadingsDisplay& display) {
    if (frame[3] == "0" && frame[4] == "0") {
        display.setReadingText(ReadingLabel::Label12, "--");
        display.setReadingText(ReadingLabel::Label11, "--.-");
    }
}

double lowerLimit(const Frame& frame) {
    const double minimum = strToFloat(frame[1]);
    return minimum - strToFloat(frame[5]) / 100;
}

double upperLimit(const Frame& frame) {
    const double maximum = strToFloat(frame[2]);
    return maximum + strToFloat(frame[5]) / 100;
}

// The limits show with two decimals: a text of three characters (6,7) gains a "0", one of four
// (6,65) shows as it is, and any other (7, 10,25) leaves the label alone. Every sub-step
// converts the lines afresh, so a line that does not convert fails at its first use.
void showAlarmLimits(const Frame& frame, ReadingsDisplay& display) {
    const std::string& kh = frame[4];
    const std::string_view marginStart = std::string_view(frame[5]).substr(0, 4);
    if (kh.size() >= 3 || marginStart.find(',') != std::string_view::npos)
        return;

    const std::string lower3 = floatToStr(lowerLimit(frame));
    if (lower3.size() == 3)
        display.setReadingText(ReadingLabel::Label17, lower3 + "0");
    const std::string upper3 = floatToStr(upperLimit(frame));
    if (upper3.size() == 3)
        display.setReadingText(ReadingLabel::Label23, upper3 + "0");
    const std::string lower4 = floatToStr(lowerLimit(frame));
    if (lower4.size() == 4)
        display.setReadingText(ReadingLabel::Label17, lower4);
    const std::string upper4 = floatToStr(upperLimit(frame));
    if (upper4.size() == 4)
        display.setReadingText(ReadingLabel::Label23, upper4);
}

// "1" shows the output's picture, "0" hides it, anything else leaves it as it was.
void showOutput(const std::string& line, ReadingControl picture, ReadingsDisplay& display) {
    if (line == "1")
        display.setReadingVisible(picture, true);
    if (line == "0")
        display.setReadingVisible(picture, false);
}

} // namespace

void showFrame(Frame& frame, ReadingsDisplay& display) {
    showReadingControls(display);
    showPh(frame, display);
    showRange(frame, display);
    showPpm(frame, display);
    showKh(frame, display);
    showNoValue(frame, display);
    showAlarmLimits(frame, display);
    showOutput(frame[6], ReadingControl::Image2, display);
    showOutput(frame[7], ReadingControl::Image1, display);
}

} // namespace tivrel
