// The device commands of the main window: settings send and factory reset.
#include "app/ClickLabel.h"
#include "app/Desktop.h"
#include "app/TivrelMainForm.h"
#include "link/CommandStream.h"
#include "platform/AppError.h"
#include "platform/ComPort.h"

#include <QToolButton>

namespace {

constexpr const char* kResetCaption = " Przywracanie ustawień fabrycznych";
constexpr const char* kResetQuestion =
    "Czy jesteś pewnien, że chcesz przywrócić ustawienia fabryczne ?   \r\n\r\n"
    "                     Bieżące ustawienia będą wykasowane ...";

// Each element goes out by a write of its own, as the device counts them.
void writeRepeated(tivrel::ComPort& port, std::string_view element) {
    for (int i = 0; i < tivrel::kCommandRepeats; ++i)
        port.write(element);
}

} // namespace

void TForm1::SpeedButton3Click() {
    bool commitCoverShown = false;
    try {
        SettingsFields[9] = "0";
        SettingsFields[10] = "0";
        FieldsFromSpinEdits();
        // The device takes the settings only when both passes agree.
        const auto elements = tivrel::settingsElements(SettingsFields);
        for (int pass = 0; pass < 2; ++pass) {
            for (const std::string& element : elements)
                ComPort->write(element);
            desktop_.pause(1);
        }
        SpeedButton14->show();
        SpeedButton3->hide();
        commitCoverShown = true;
        desktop_.pause(500);
        writeRepeated(*ComPort, tivrel::kCommitElement);
        SpeedButton14->hide();
        SpeedButton3->show();
        RefreshLastFrame();
    } catch (const tivrel::AppError& error) {
        // A failed commit must not leave the grey cover over a hidden send button for the rest
        // of the run: the user could never send again.
        if (commitCoverShown) {
            SpeedButton14->hide();
            SpeedButton3->show();
        }
        showError(error.what());
    }
}

void TForm1::SpeedButton6Click() {
    if (!desktop_.askOkCancel(QString::fromUtf8(kResetCaption), QString::fromUtf8(kResetQuestion)))
        return;
    try {
        setLabelText(RxLabel1, QStringLiteral("*.*"));
        writeRepeated(*ComPort, tivrel::kFactoryResetElement);
        SetFactorySpinEdits();
    } catch (const tivrel::AppError& error) {
        showError(error.what());
    }
}
