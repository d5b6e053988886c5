#include "link/CommandStream.h"

namespace tivrel {

std::string filledField(const std::string& text) {
    constexpr std::size_t width = 3;
    if (text.size() >= width)
        return text;
    return std::string(width - text.size(), '0') + text;
}

std::array<std::string, kSentFieldCount> settingsElements(const SettingsFields& fields) {
    std::array<std::string, kSentFieldCount> elements;
    for (std::size_t field = 1; field <= kSentFieldCount; ++field)
        elements[field - 1] = filledField(fields[field]);
    return elements;
}

} // namespace tivrel
