#include "app/WindowState.h"

#include "platform/NumberText.h"

namespace tivrel {

std::optional<std::int32_t> portNumberFromPortLine(const std::string& line) {
    if (line.size() < 4 || line.size() > 6)
        return std::nullopt;
    return strToInt(line.substr(3));
}

QPoint centredWindowPosition(QSize screen) {
    constexpr int kAssumedWidth = 354;
    constexpr int kAssumedHeight = 655;
    return {(screen.width() - kAssumedWidth) / 2, (screen.height() - kAssumedHeight) / 2};
}

bool screenBelowMinimum(QSize screen) {
    return screen.height() < 600 || screen.width() < 800;
}

std::vector<std::string> stateFileLines(const std::string& portName, QPoint topLeft,
                                        QSize outerSize) {
    return {portName, intToStr(topLeft.x()), intToStr(topLeft.y()), intToStr(outerSize.width()),
            intToStr(outerSize.height())};
}

std::string portNameForNumber(std::int32_t number) {
    return "COM" + intToStr(number);
}

std::int32_t nextPortNumber(std::int32_t number) {
    const std::int64_t next = static_cast<std::int64_t>(number) + 1;
    return next > 255 ? 1 : static_cast<std::int32_t>(next);
}

std::int32_t previousPortNumber(std::int32_t number) {
    const std::int64_t previous = static_cast<std::int64_t>(number) - 1;
    return previous < 1 ? 255 : static_cast<std::int32_t>(previous);
}

} // namespace tivrel
