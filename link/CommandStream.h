#pragma once

#include "settings/SettingsFields.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

// What the program writes to the device. Every element goes out by a write of its own, with
// nothing between elements: the device counts characters, three to an element.
namespace tivrel {

// Closes a settings send; written kCommandRepeats times after the second pass.
inline constexpr std::string_view kCommitElement = "111";
// Returns the device to its factory settings; written kCommandRepeats times.
inline constexpr std::string_view kFactoryResetElement = "222";
inline constexpr int kCommandRepeats = 10;
// A settings send carries fields 1 to 10.
inline constexpr std::size_t kSentFieldCount = 10;

// A field's text as it goes on the wire: one character gets "00" in front, two get "0", three
// or more stay as they are ("5" 005, "90" 090, "100" 100). The field itself keeps its text.
std::string filledField(const std::string& text);

// The ten elements of one pass of a settings send: fields 1 to 10, each filled.
std::array<std::string, kSentFieldCount> settingsElements(const SettingsFields& fields);

} // namespace tivrel
