#pragma once

#include "app/Desktop.h"

#include <QSize>

namespace tivrel::bench {

// A desktop that never blocks the GUI thread: no message boxes or dialogs, no pauses, a screen
// large enough for the window. It counts what would have been shown, so a run can report it.
class QuietDesktop : public Desktop {
public:
    int messageBoxes = 0;

    QSize screenSize() const override { return {1920, 1080}; }
    void showMessage(const QString&, const QString&, QWidget*) override { ++messageBoxes; }
    void showError(const QString&, QWidget*) override { ++messageBoxes; }
    bool askOkCancel(const QString&, const QString&) override {
        ++messageBoxes;
        return false;
    }
    std::optional<QString> chooseSaveFile(const FileDialogRequest&, QWidget*) override {
        return std::nullopt;
    }
    std::optional<QString> chooseOpenFile(const FileDialogRequest&, QWidget*) override {
        return std::nullopt;
    }
    bool startProgram(const QString&, const QStringList&) override { return false; }
    void pause(int) override {}
};

} // namespace tivrel::bench
