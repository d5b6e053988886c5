#pragma once

#include <QPoint>
#include <QSize>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The window-state file "tivrel7.ini": five lines, the port name and the window's left edge,
// top edge, outer width and outer height. These are the rules; the window applies them.
namespace tivrel {

inline constexpr int kStateFileLineCount = 5;

// The port number a state file's first line gives, decided by its length alone: 4 characters
// convert the 4th ("COM7"), 5 the 4th and 5th, 6 the 4th to 6th; any other length gives none
// and the number stays as it was. Characters that are no whole number throw ConvertError.
std::optional<std::int32_t> portNumberFromPortLine(const std::string& line);

// Where a window goes when there is no state file: centred for a window assumed 354 x 655,
// dividing toward zero ((800 - 354) / 2 = 223, (600 - 655) / 2 = -27).
QPoint centredWindowPosition(QSize screen);

// Screens below 800 x 600 get a warning at the first start.
bool screenBelowMinimum(QSize screen);

// The five lines the file is written with.
std::vector<std::string> stateFileLines(const std::string& portName, QPoint topLeft,
                                        QSize outerSize);

// The port name the port buttons give for a number: "COM" and the number in decimal.
std::string portNameForNumber(std::int32_t number);

// The port buttons: ">" wraps from above 255 to 1, "<" from below 1 to 255; each tests only
// the bound it moves toward.
std::int32_t nextPortNumber(std::int32_t number);
std::int32_t previousPortNumber(std::int32_t number);

} // namespace tivrel
