#pragma once

#include "app/Desktop.h"

#include <QStringList>

namespace tivrel::test {

// A desktop whose screen size the test sets and whose message windows are answered at once and
// remembered.
class FakeDesktop : public Desktop {
public:
    QSize screen{1024, 768};
    QStringList messages; // "caption|text" of each message window
    QStringList errors;   // text of each error box
    int pausedMilliseconds = 0;

    QSize screenSize() const override { return screen; }
    void showMessage(const QString& caption, const QString& text, QWidget*) override {
        messages << caption + u'|' + text;
    }
    void showError(const QString& message, QWidget*) override { errors << message; }
    void pause(int milliseconds) override {
        pausedMilliseconds += milliseconds;
        Desktop::pause(milliseconds);
    }
};

} // namespace tivrel::test
