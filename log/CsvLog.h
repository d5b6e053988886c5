#pragma once

#include "link/Frame.h"
#include "log/LogFiles.h"
#include "platform/DateText.h"

#include <cstdint>
#include <ctime>
#include <functional>
#include <string>

// The CSV measurement log's two steps. The state they change belongs to the main window; they
// reach it through references, so that whatever a step changed before a failure stays changed.
namespace tivrel {

struct LogState {
    std::string& fileName;  // the start name while the log is open, the end name once finished
    bool& closed;           // false while a log file waits to be finished
    std::int32_t& rowCount; // 1: the next valid frame handled with the box ticked starts a file
};

// What the log reads around it: the clock, the date and time formats and the file system.
struct LogSurroundings {
    std::function<std::tm()> now;
    DateTimeFormats formats;
    LogFileSystem& files;
};

// One valid frame as the log sees it.
struct LoggedFrame {
    bool boxTicked;                     // CheckBox1 at this moment
    const std::string& clockMinute;     // as the clock's last tick left it
    const std::string& lastFrameMinute; // the clock minute of the previous valid frame
    Frame& frame;                       // line 0's comma is restored in it
};

// The log step for one valid frame. Ticked: the first frame of a log creates the file with the
// header and a first row ("hh:nn:ss"); later frames add an "hh:nn" row when the clock minute
// differs from the previous frame's; the row count rises. Unticked: an open log is finished
// and the row count goes back to 1. A failing file operation throws InOutError and stops the
// step there (the row count keeps its value).
void logFrame(const LogState& state, const LoggedFrame& input, const LogSurroundings& around);

// Gives the log file its end name. When the file is no longer on disk (its creation failed, or
// it was removed), the log is given up: it counts as finished, the next ticked frame starts a
// new one, and "File not found" is thrown so that the close can tell the user. A failing
// rename throws and leaves the log open under its start name, so a later stop can try again.
void finishLog(const LogState& state, const LogSurroundings& around);

} // namespace tivrel
