#pragma once

#include "app/TivrelMainForm.h"
#include "tests/app/WindowFixture.h"
#include "tests/reception/QStringPrinter.h"
#include "tests/support/Pty.h"

#include <QStringList>
#include <string>
#include <vector>

namespace tivrel::test {

using Lines = std::vector<std::string>;

// The twelve lines of a frame: lines 0 to 7 as given, brightness and contrast, the two "*".
Lines frameLines(const Lines& first8, const std::string& brightness = "100",
                 const std::string& contrast = "10");

// The lines as the device sends them: each followed by the line end.
std::string onWire(const Lines& lines, const std::string& lineEnd = "\r\n");

// The frame the device sends with its factory settings and a pH of 7,05.
Lines ordinaryFrame();

// A real window, shown on the offscreen platform and connected through its switch to a
// pseudo-terminal that stands in for the device. Every test ends without a message box having
// appeared, unless it names the error it expects.
class ConnectedWindow : public WindowFixture {
protected:
    void SetUp() override;
    void TearDown() override;

    // Writes the bytes on the device side and waits until the window has handled them. The GUI
    // thread sleeps while the bytes go into the pseudo-terminal, so they all reach the window in
    // one receive event, as after a pause of the program; the next call's bytes come in another.
    void deliver(const std::string& bytes);
    void deliverFrame(const Lines& lines) { deliver(onWire(lines)); }

    // The receive buffer starts with one empty line, so the first taking is invalid: a frame
    // thrown away leaves the buffer empty for the frames that count.
    void passStartUpLine();

    void clickFetch();

    Pty pty;
    int receiveEvents = 0;
    long bytesHandled = 0;
    QStringList expectedErrors;

private:
    long bytesSent_ = 0;
};

} // namespace tivrel::test
