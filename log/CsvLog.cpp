#include "log/CsvLog.h"

#include "log/LogNames.h"
#include "log/LogRow.h"
#include "platform/AppError.h"

#include <limits>

namespace tivrel {

namespace {

constexpr int kFileNotFound = 2;

std::string separatorOf(const LogSurroundings& around) {
    return timeSeparator(around.formats.longTime);
}

void startLog(const LogState& state, Frame& frame, const LogSurroundings& around) {
    // The name is complete before the state says a log is open: a working folder that cannot
    // be read must not leave the previous (finished) file looking like an open log.
    const std::tm start = around.now();
    const std::string name =
        logStartName(around.files.currentFolder(), shortDateText(start, around.formats),
                     timeText("hhnnss", start, separatorOf(around)));
    state.closed = false;
    state.fileName = name;
    const std::string firstRowTime = timeText("hh:nn:ss", around.now(), separatorOf(around));
    around.files.createWithLines(name, {kLogHeader, formatLogRow(firstRowTime, frame)});
}

void addRow(const LogState& state, Frame& frame, const LogSurroundings& around) {
    const std::string rowTime = timeText("hh:nn", around.now(), separatorOf(around));
    around.files.appendLine(state.fileName, formatLogRow(rowTime, frame));
}

} // namespace

void logFrame(const LogState& state, const LoggedFrame& input, const LogSurroundings& around) {
    if (input.boxTicked) {
        if (state.rowCount == 1)
            startLog(state, input.frame, around);
        else if (input.clockMinute != input.lastFrameMinute)
            addRow(state, input.frame, around);
        if (state.rowCount < std::numeric_limits<std::int32_t>::max())
            ++state.rowCount; // only 1 is ever tested; a run of years must not wrap to it
        return;
    }
    if (!state.closed)
        finishLog(state, around);
    state.rowCount = 1;
}

void finishLog(const LogState& state, const LogSurroundings& around) {
    if (!around.files.exists(state.fileName)) {
        state.closed = true;
        state.rowCount = 1;
        throw InOutError(kFileNotFound);
    }
    // One reading of the clock for both parts, so that a stop at midnight cannot pair the new
    // date with the old day's time.
    const std::tm end = around.now();
    const std::string endName = logEndName(state.fileName, shortDateText(end, around.formats),
                                           timeText("hhnnss", end, separatorOf(around)));
    around.files.rename(state.fileName, endName);
    state.fileName = endName;
    state.closed = true;
}

} // namespace tivrel
