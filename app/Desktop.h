#pragma once

#include <QSize>
#include <QString>

class QWidget;

namespace tivrel {

// Everything the window asks of the desktop around it: the screen's size, message windows and
// blocking pauses. Tests replace it to set the screen and to answer the message windows.
class Desktop {
public:
    virtual ~Desktop() = default;

    // The primary screen's size in pixels.
    virtual QSize screenSize() const;
    // A modal message window with the given caption, no icon and one OK button.
    virtual void showMessage(const QString& caption, const QString& text, QWidget* owner);
    // The error box: caption "Tivrel-7", a stop icon, OK, and the message with a full stop added
    // where it ends in a letter.
    virtual void showError(const QString& message, QWidget* owner);
    // Blocks the GUI thread: no event is handled meanwhile, so received bytes wait in the port.
    virtual void pause(int milliseconds);
};

} // namespace tivrel
