#include "log/LogRow.h"

namespace tivrel {

std::string outputStateText(const std::string& line) {
    if (line == "1")
        return "on";
    if (line == "0")
        return "off";
    return {};
}

std::string formatLogRow(const std::string& timeText, Frame& frame) {
    std::string& ph = frame[0];
    if (ph.size() >= 2 && ph[1] == '.')
        ph[1] = ',';
    std::string row = timeText;
    for (std::size_t line = 0; line <= 5; ++line)
        row += ";" + frame[line];
    row += ";" + outputStateText(frame[6]);
    row += ";" + outputStateText(frame[7]);
    return row;
}

} // namespace tivrel
