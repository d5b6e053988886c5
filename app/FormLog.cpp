// The CSV measurement log's steps in the main window.
#include "app/Desktop.h"
#include "app/TivrelMainForm.h"
#include "log/CsvLog.h"

#include <QCheckBox>

namespace {

// The window's clock, formats and file system as the log reads them.
tivrel::LogSurroundings logSurroundings(const tivrel::Desktop& desktop) {
    return {[&desktop] { return tivrel::localTm(desktop.now()); }, tivrel::dateTimeFormats(),
            tivrel::windowLogFileSystem()};
}

} // namespace

void TForm1::LogFrame() {
    tivrel::logFrame({LogFileName, LogClosed, LogRowCount},
                     {CheckBox1->isChecked(), ClockMinute, LastFrameMinute, LastFrame},
                     logSurroundings(desktop_));
}

void TForm1::FinishLog() {
    tivrel::finishLog({LogFileName, LogClosed, LogRowCount}, logSurroundings(desktop_));
}
