#include "tools/TelemetryFrame.h"

#include <cmath>

namespace tivrel::sim {

std::string phText(int hundredths) {
    const int fraction = hundredths % 100;
    return std::to_string(hundredths / 100) + ',' + static_cast<char>('0' + fraction / 10) +
           static_cast<char>('0' + fraction % 10);
}

std::string ppmText(int kh, int phHundredths) {
    if (kh <= 0)
        return "0";
    const double ppm = 3.0 * kh * std::pow(10.0, 7.0 - phHundredths / 100.0);
    const long tenths = std::lround(ppm * 10.0);
    if (tenths >= 1000)
        return "100";
    return std::to_string(tenths / 10) + ',' + std::to_string(tenths % 10);
}

std::string buildFrame(const DeviceSettings& s, const Measurement& m) {
    const std::string lines[] = {
        phText(m.phHundredths),
        phText(s.phMinHundredths),
        phText(s.phMaxHundredths),
        ppmText(s.kh, m.phHundredths),
        std::to_string(s.kh),
        std::to_string(s.marginHundredths),
        m.o2On ? "1" : "0",
        m.co2On ? "1" : "0",
        std::to_string(s.brightness),
        std::to_string(s.contrast),
        "*",
        "*",
    };
    std::string frame;
    for (const std::string& line : lines)
        frame += line + "\r\n";
    return frame;
}

} // namespace tivrel::sim
