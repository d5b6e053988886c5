#pragma once

#include <array>
#include <cstddef>
#include <string>

namespace tivrel {

// The settings in the form the device takes them and settings files store them. Fields are
// numbered 1 to 15 (index 0 is unused): 1 brightness, 2 contrast, 3 and 4 pH maximum whole part
// and hundredths, 5 and 6 pH minimum whole part and hundredths, 7 alarm margin in hundredths,
// 8 KH, 9 and 10 reserved "0"; 11 to 15 only take surplus lines of a loaded file. All empty at
// start. Texts stand as they came: "05" from a frame or "006" from a file are kept.
inline constexpr std::size_t kSettingsFieldCount = 15;
using SettingsFields = std::array<std::string, kSettingsFieldCount + 1>;

} // namespace tivrel
