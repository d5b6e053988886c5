#pragma once

#include <array>
#include <string>

namespace tivrel::sim {

// The six settings the device keeps. pH values are held in hundredths so that every value the
// device can show is exact and prints without rounding surprises.
struct DeviceSettings {
    int brightness = 100;
    int contrast = 10;
    int phMaxHundredths = 710;
    int phMinHundredths = 690;
    int marginHundredths = 20;
    int kh = 0;

    bool operator==(const DeviceSettings&) const = default;
};

// What the device returns to after "222" ten times.
inline DeviceSettings factorySettings() {
    return DeviceSettings{};
}

// The ten three-digit fields of a settings send, as numbers, in the order they arrive.
using SettingsFields = std::array<int, 10>;

// Settings from the fields of a send, each limited to what the device can hold: the device
// never takes a value outside its ranges, whatever arrives on the wire.
DeviceSettings settingsFromFields(const SettingsFields& fields);

// The settings as the eight fields they travel in, e.g. "100 10 7 10 6 90 20 0".
std::string fieldsText(const DeviceSettings& settings);

} // namespace tivrel::sim
