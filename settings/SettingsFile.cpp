#include "settings/SettingsFile.h"

#include "platform/TextFile.h"

#include <algorithm>

namespace tivrel {

std::vector<std::string> settingsFileLines(const SettingsFields& fields) {
    return {fields.begin() + 1, fields.begin() + 1 + kSettingsFileLines};
}

void saveSettingsFile(const std::string& path, const SettingsFields& fields) {
    writeTextLines(path, settingsFileLines(fields));
}

void takeSettingsLines(const std::vector<std::string>& lines, SettingsFields& fields,
                       ReceiveBuffer& buffer) {
    buffer.clear();
    for (std::size_t k = 1; k <= lines.size(); ++k) {
        const std::string& line = lines[k - 1];
        if (k <= kSettingsFieldCount)
            fields[k] = line;
        buffer.addLine(line);
    }
}

void loadSettingsFile(const std::string& path, SettingsFields& fields, ReceiveBuffer& buffer) {
    const std::vector<std::string> lines = readTextLines(path);
    takeSettingsLines(lines, fields, buffer);
}

std::string shortenedMessage(const std::string& message, std::size_t limit) {
    constexpr std::string_view gap = "...";
    if (message.size() <= limit || limit <= gap.size())
        return message;
    // The end carries what the message says ("' is not a valid integer value"), so it keeps a
    // good part of the room.
    const std::size_t room = limit - gap.size();
    const std::size_t tail = std::min<std::size_t>(room / 2, 64);
    const std::size_t head = room - tail;
    return message.substr(0, head) + std::string(gap) + message.substr(message.size() - tail);
}

} // namespace tivrel
