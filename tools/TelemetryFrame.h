#pragma once

#include "tools/DeviceSettings.h"

#include <string>

namespace tivrel::sim {

// What the device measures and switches, reported beside its settings in every frame.
struct Measurement {
    int phHundredths = 700;
    bool o2On = false;
    bool co2On = false;
};

// A pH in hundredths as the device prints it: one digit, a comma, two digits ("6,90").
// The comma is fixed; the device knows nothing of locales.
std::string phText(int hundredths);

// The CO2 content in ppm from KH and pH (3 * KH * 10^(7 - pH)): "0" without a KH, "100" at the
// top of the range, otherwise one decimal after a comma ("5,2", "12,5").
std::string ppmText(int kh, int phHundredths);

// The twelve lines of one telemetry frame, each followed by CR LF.
std::string buildFrame(const DeviceSettings& settings, const Measurement& measurement);

} // namespace tivrel::sim
