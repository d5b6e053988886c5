#pragma once

#include "link/Frame.h"

#include <string>

namespace tivrel {

// The first line of every log file.
inline constexpr const char* kLogHeader = "Time;PH;PHmin;PHmax;PPM;KH;Alarm;OUT O2;OUT CO2";

// "on" for "1", "off" for "0", the empty text for anything else.
std::string outputStateText(const std::string& line);

// One row of nine fields joined by ";": the time text, frame lines 0 to 5 as they stand, and
// the two output states of lines 6 and 7. The display step turned the decimal comma of line 0
// into a point; it becomes a comma again here, in the frame itself, so that the PH field holds
// the value as the device sent it.
std::string formatLogRow(const std::string& timeText, Frame& frame);

} // namespace tivrel
