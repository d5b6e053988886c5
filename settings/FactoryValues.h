#pragma once

#include "settings/SettingsEditors.h"

#include <array>

namespace tivrel {

struct FactoryValue {
    Setting setting;
    double value;
};

// What the device holds after a factory reset, in the order the spin edits take them. They are
// also the values the window starts with.
inline constexpr std::array<FactoryValue, 6> kFactoryValues = {{
    {Setting::PhMinimum, 6.90},
    {Setting::PhMaximum, 7.10},
    {Setting::Brightness, 100},
    {Setting::Contrast, 10},
    {Setting::AlarmMargin, 0.20},
    {Setting::Kh, 0},
}};

} // namespace tivrel
