#pragma once

#include <QDateTime>
#include <QSize>
#include <QString>
#include <QStringList>
#include <optional>

class QWidget;

namespace tivrel {

// What a settings-file dialog is opened with.
struct FileDialogRequest {
    QString initialFolder;
    QString proposedName;  // a name, or the full path chosen the last time
    QString defaultSuffix; // added to a name typed without one; empty for none
    QString filter;        // description and pattern pairs joined by "|"
};

// Everything the window asks of the desktop around it: the screen, the clock, message windows,
// file dialogs, other programs and blocking pauses. Tests replace it to set the screen and the
// time and to answer the dialogs.
class Desktop {
public:
    virtual ~Desktop() = default;

    // The primary screen's size in pixels.
    virtual QSize screenSize() const;
    // The local date and time.
    virtual QDateTime now() const;
    // A modal message window with the given caption, no icon and one OK button.
    virtual void showMessage(const QString& caption, const QString& text, QWidget* owner);
    // The error box: caption "Tivrel-7", a stop icon, OK, and the message with a full stop added
    // where it ends in a letter.
    virtual void showError(const QString& message, QWidget* owner);
    // A question with OK (the default) and Cancel and no icon. It has no owner window, so the
    // main window stays usable while it waits. True only for OK.
    virtual bool askOkCancel(const QString& caption, const QString& text);
    // The save and open file dialogs: the full path chosen, or nothing when cancelled.
    virtual std::optional<QString> chooseSaveFile(const FileDialogRequest& request, QWidget* owner);
    virtual std::optional<QString> chooseOpenFile(const FileDialogRequest& request, QWidget* owner);
    // Starts a program with an argument list (never through a shell), detached. False when it
    // cannot be started.
    virtual bool startProgram(const QString& program, const QStringList& arguments);
    // Blocks the GUI thread: no event is handled meanwhile, so received bytes wait in the port.
    virtual void pause(int milliseconds);
};

} // namespace tivrel
