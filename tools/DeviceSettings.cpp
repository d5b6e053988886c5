#include "tools/DeviceSettings.h"

#include <algorithm>

namespace tivrel::sim {

DeviceSettings settingsFromFields(const SettingsFields& f) {
    DeviceSettings s;
    s.brightness = std::clamp(f[0], 0, 100);
    s.contrast = std::clamp(f[1], 0, 25);
    // A hundredths field above 99 carries into the whole part, as 6 and 123 make 7,23.
    s.phMaxHundredths = std::clamp(f[2] * 100 + f[3], 410, 880);
    s.phMinHundredths = std::clamp(f[4] * 100 + f[5], 400, 870);
    s.marginHundredths = std::clamp(f[6], 0, 250);
    s.kh = std::clamp(f[7], 0, 20);
    return s;
}

std::string fieldsText(const DeviceSettings& s) {
    const int values[] = {s.brightness,
                          s.contrast,
                          s.phMaxHundredths / 100,
                          s.phMaxHundredths % 100,
                          s.phMinHundredths / 100,
                          s.phMinHundredths % 100,
                          s.marginHundredths,
                          s.kh};
    std::string text;
    for (int v : values) {
        if (!text.empty())
            text += ' ';
        text += std::to_string(v);
    }
    return text;
}

} // namespace tivrel::sim
