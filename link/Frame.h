#pragma once

#include "link/ReceiveBuffer.h"

#include <array>
#include <cstddef>
#include <string>

namespace tivrel {

// A telemetry frame: twelve lines, 0 measured pH, 1 and 2 pH range minimum and maximum, 3 ppm,
// 4 KH, 5 alarm margin in hundredths, 6 O2 output, 7 CO2 output, 8 brightness, 9 contrast,
// 10 and 11 the end markers "*".
inline constexpr std::size_t kFrameLines = 12;
using Frame = std::array<std::string, kFrameLines>;

// A frame is taken as soon as the buffer holds more than this many lines.
inline constexpr std::size_t kLinesBeforeTaking = 10;

// True once the buffer holds more than ten lines: the moment a frame is taken.
bool frameIsDue(const ReceiveBuffer& buffer);

// Buffer lines 0 to 11; a line past the end of the buffer is the empty text.
Frame takeFrame(const ReceiveBuffer& buffer);

// Lines 0 to 2 are four characters with a comma second, lines 6 and 7 one character, lines 10
// and 11 "*". Nothing else is looked at: the other lines may hold anything, the empty text too.
bool frameIsValid(const Frame& frame);

} // namespace tivrel
