#pragma once

#include "link/Frame.h"

#include <string>

namespace tivrel {

// The labels whose text the display step writes.
enum class ReadingLabel { Label7, Label8, Label9, Label11, Label12, Label17, Label23 };
// The controls whose visibility the display step writes.
enum class ReadingControl {
    Label7,
    Label8,
    Label9,
    Label10,
    Label11,
    Label12,
    Label17,
    Label23,
    Image4,
    Image1,
    Image2
};

// Where the display step writes the readings: the main window, or a recording stand-in.
class ReadingsDisplay {
public:
    virtual ~ReadingsDisplay() = default;
    virtual void setReadingText(ReadingLabel label, const std::string& text) = 0;
    virtual void setReadingVisible(ReadingControl control, bool visible) = 0;
};

// Shows a valid frame: the reading controls, pH (whose comma becomes a point in frame line 0
// too), pH range, ppm, KH, the "no value" dashes, the alarm limits and the two outputs, in that
// order. A line that does not convert (line 4 for KH; lines 1, 2 and 5 for the alarm limits)
// throws ConvertError at that point; whatever was already written stays written.
void showFrame(Frame& frame, ReadingsDisplay& display);

} // namespace tivrel
