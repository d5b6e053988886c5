#include "log/LogNames.h"

#include "platform/TextFile.h"

namespace tivrel {

namespace {

constexpr std::string_view kEnding = ".csv";

bool unfitForFileName(char c) {
    const auto code = static_cast<unsigned char>(c);
    if (code < 0x20)
        return true; // NUL and the control characters
    switch (c) {
    case '/':
    case '\\':
    case ':':
    case '*':
    case '?':
    case '"':
    case '<':
    case '>':
    case '|':
        return true;
    default:
        return false;
    }
}

std::string timePart(const std::string& dateText, const std::string& time) {
    return fileNameSafe(dateText) + " {" + time + "}" + std::string(kEnding);
}

} // namespace

std::string fileNameSafe(std::string_view text) {
    std::string safe(text);
    for (char& c : safe)
        if (unfitForFileName(c))
            c = '-';
    return safe;
}

std::string logStartName(const std::string& folder, const std::string& dateText,
                         const std::string& startTime) {
    return joinPath(folder, timePart(dateText, startTime));
}

std::string logEndName(const std::string& startName, const std::string& dateText,
                       const std::string& endTime) {
    std::string_view stem = startName;
    if (stem.ends_with(kEnding))
        stem.remove_suffix(kEnding.size());
    return std::string(stem) + "    " + timePart(dateText, endTime);
}

} // namespace tivrel
