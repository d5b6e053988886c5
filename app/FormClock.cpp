// The clock panel and the shortcuts into the desktop.
#include "app/ClickLabel.h"
#include "app/Desktop.h"
#include "app/TivrelMainForm.h"
#include "platform/AppError.h"
#include "platform/DateText.h"
#include "platform/TextFile.h"

#include <QCheckBox>
#include <QFile>
#include <QStandardPaths>
#include <QTimer>
#include <array>

namespace {

// Weekday names by weekday number, 1 for Sunday up to 7 for Saturday.
constexpr std::array<const char*, 7> kWeekdayNames = {
    "Niedziela", "Poniedziałek", "Wtorek", "Środa", "Czwartek", "Piątek", "Sobota"};

// The next tick comes this long after the shown second changes: late enough that the clock
// has surely passed it, early enough that nobody sees the old second.
constexpr int kTickDelayPastSecond = 5;

// The date and time settings of the common Linux desktops, the first installed one is used.
struct SettingsTool {
    const char* program;
    QStringList arguments;
};
const std::array<SettingsTool, 6>& dateTimeSettingsTools() {
    static const std::array<SettingsTool, 6> tools = {{
        {"gnome-control-center", {QStringLiteral("datetime")}}, // GNOME, Budgie, Unity
        {"systemsettings", {QStringLiteral("kcm_clock")}},      // KDE Plasma 6
        {"systemsettings5", {QStringLiteral("clock")}},         // KDE Plasma 5
        {"cinnamon-settings", {QStringLiteral("calendar")}},    // Cinnamon
        {"mate-time-admin", {}},                                // MATE
        {"time-admin", {}},                                     // gnome-system-tools (Xfce, LXDE)
    }};
    return tools;
}

// Starts the first installed tool that starts at all; nothing is shown when none does.
void openDateTimeSettings(tivrel::Desktop& desktop) {
    for (const SettingsTool& tool : dateTimeSettingsTools()) {
        const QString program = QStandardPaths::findExecutable(QString::fromLatin1(tool.program));
        if (!program.isEmpty() && desktop.startProgram(program, tool.arguments))
            return;
    }
}

// The folder is one argument whatever it holds: no shell ever sees it.
void openFolder(tivrel::Desktop& desktop, const QString& folder) {
    desktop.startProgram(QStringLiteral("xdg-open"), {folder});
}

void showIfChanged(QLabel* label, const QString& text) {
    if (label->text() != text)
        TForm1::setLabelText(label, text);
}

} // namespace

void TForm1::Timer1Timer() {
    // One reading for all three labels, so that midnight cannot pair the new date with the old
    // day's time.
    const QDateTime now = desktop_.now();
    const std::tm moment = tivrel::localTm(now);
    const std::string time = tivrel::longTimeText(moment);
    const std::string date = tivrel::shortDateText(moment);
    // The formats' names (AM/PM, months) are in the locale's encoding.
    showIfChanged(Label5, QString::fromLocal8Bit(time));
    showIfChanged(Label4, QString::fromLocal8Bit(date));
    showIfChanged(Label3, QString::fromUtf8(kWeekdayNames[tivrel::weekdayNumber(moment) - 1]));
    ClockMinute = tivrel::minuteCharacters(time);
    // Ticking only when the shown second changes keeps the labels and ClockMinute exact while
    // the program sleeps in between.
    Timer1->start(1000 - now.time().msec() + kTickDelayPastSecond);
}

void TForm1::Label3Click() {
    openDateTimeSettings(desktop_);
}

void TForm1::Label4Click() {
    openDateTimeSettings(desktop_);
}

void TForm1::Label5Click() {
    openDateTimeSettings(desktop_);
}

void TForm1::Image6Click() {
    std::string folder;
    try {
        folder = tivrel::currentDirectory();
    } catch (const tivrel::AppError&) {
        return; // a working folder that is gone cannot be shown; no message, as for the rest
    }
    openFolder(desktop_, QFile::decodeName(QByteArray::fromStdString(folder)));
}

void TForm1::RxLabel1Click() {
    openFolder(desktop_, RxLabel1->toolTip());
}

void TForm1::CheckBox1Click() {
    CheckBox1->setEnabled(false);
    desktop_.pause(300);
    CheckBox1->setEnabled(true);
    desktop_.pause(300);
}
