#pragma once

#include "link/ReceiveBuffer.h"
#include "settings/SettingsFields.h"

#include <cstddef>
#include <string>
#include <vector>

// The settings file ("tvr"): fields 1 to 10 as ten lines ended by CR LF, nothing else. File
// failures throw InOutError with the classic messages ("File not found", "Disk full", ...).
namespace tivrel {

inline constexpr std::size_t kSettingsFileLines = 10;

// The lines a settings file holds: fields 1 to 10 as they stand.
std::vector<std::string> settingsFileLines(const SettingsFields& fields);

// Creates the file, or replaces one of that name without asking, with fields 1 to 10.
void saveSettingsFile(const std::string& path, const SettingsFields& fields);

// The lines of a loaded file into the fields and the receive buffer: the buffer is emptied,
// then line k becomes field k and is added to the buffer as a line of its own. Fields end at
// 15, so lines after the fifteenth go to the buffer only. A shorter file leaves the fields
// after its last line as they were.
void takeSettingsLines(const std::vector<std::string>& lines, SettingsFields& fields,
                       ReceiveBuffer& buffer);

// Reads the whole file first and only then takes its lines: a file that cannot be read
// changes neither the fields nor the buffer.
void loadSettingsFile(const std::string& path, SettingsFields& fields, ReceiveBuffer& buffer);

// A message as the error box can show it. A failed load quotes the field's text, which may be
// a line of megabytes; a longer message keeps its beginning and its end around "...".
std::string shortenedMessage(const std::string& message, std::size_t limit = 200);

} // namespace tivrel
