// Settings files: save and load.
#include "app/ClickLabel.h"
#include "app/Desktop.h"
#include "app/TivrelMainForm.h"
#include "platform/AppError.h"
#include "platform/TextFile.h"
#include "settings/SettingsFile.h"

#include <QFile>
#include <optional>

namespace {

struct SettingsDialog {
    bool saves;
    QString TForm1::*chosenBefore; // each dialog proposes the file chosen in it last time
    const char* proposedName;
    const char* defaultSuffix;
    const char* filter;
};

constexpr SettingsDialog kSaveDialog1{true, &TForm1::SaveDialog1FileName, "moje_nastawy", "tvr",
                                      "Pliki ustawień Lurda2 (*.lrd)|*.tvr"};
constexpr SettingsDialog kOpenDialog1{false, &TForm1::OpenDialog1FileName, "moje_nastawy1.tvr", "",
                                      "Pliki ustawień Lurda2 (*.lrd)|*.tvr|All files (*.*)|*.*"};

// File names are the locale's 8-bit bytes for the file layer.
std::string fileSystemName(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

// The first steps of save and load: the dialog opens in the working directory, which the
// label's hint then names (a click on the label opens it). Nothing when the user cancels;
// otherwise the label shows the chosen file's name and the full path comes back.
std::optional<QString> runSettingsDialog(TForm1& form, tivrel::Desktop& desktop,
                                         const SettingsDialog& dialog) {
    const QString folder = QFile::decodeName(QByteArray::fromStdString(tivrel::currentDirectory()));
    form.RxLabel1->setToolTip(folder);
    const QString& chosenBefore = form.*dialog.chosenBefore;
    const tivrel::FileDialogRequest request{
        folder, chosenBefore.isEmpty() ? QString::fromUtf8(dialog.proposedName) : chosenBefore,
        QString::fromUtf8(dialog.defaultSuffix), QString::fromUtf8(dialog.filter)};
    const std::optional<QString> chosen = dialog.saves ? desktop.chooseSaveFile(request, &form)
                                                       : desktop.chooseOpenFile(request, &form);
    if (!chosen)
        return std::nullopt;
    form.*dialog.chosenBefore = *chosen;
    TForm1::setLabelText(form.RxLabel1, chosen->mid(chosen->lastIndexOf(u'/') + 1));
    return chosen;
}

} // namespace

void TForm1::SpeedButton2Click() {
    try {
        const std::optional<QString> chosen = runSettingsDialog(*this, desktop_, kSaveDialog1);
        if (!chosen)
            return;
        SettingsFields[9] = "0";
        SettingsFields[10] = "0";
        FieldsFromSpinEdits();
        tivrel::saveSettingsFile(fileSystemName(*chosen), SettingsFields);
        RefreshLastFrame();
    } catch (const tivrel::AppError& error) {
        showError(error.what());
    }
}

void TForm1::SpeedButton1Click() {
    try {
        const std::optional<QString> chosen = runSettingsDialog(*this, desktop_, kOpenDialog1);
        if (!chosen)
            return;
        tivrel::loadSettingsFile(fileSystemName(*chosen), SettingsFields, Memo);
        SpinEditsFromFields();
        RefreshLastFrame();
    } catch (const tivrel::AppError& error) {
        // A field of a foreign file may be a line of megabytes, which the message quotes.
        showError(tivrel::shortenedMessage(error.what()));
    }
}
