#pragma once

#include "app/TivrelMainForm.h"
#include "tests/app/WindowFixture.h"
#include "tests/support/Pty.h"

#include <QString>
#include <cstddef>
#include <functional>
#include <ostream>
#include <string>

// Window texts print as text when an expectation on them fails.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace tivrel::test {

// The twelve lines of a valid frame with this pH line (e.g. "7,05") and brightness line, the
// rest as the device sends with its factory settings.
Frame validFrame(const std::string& ph, const std::string& brightness = "100");
// The lines as they go over the wire, each followed by CR LF.
std::string onWire(const Frame& frame);
// The frame as the window keeps it once shown: the display step turned the pH comma into a point.
Frame asShown(Frame frame);

// One long-lived window on the offscreen platform. A probe, hooked to the port after the
// window's own handler, sees the outcome of every receive event.
class StressWindow : public WindowFixture {
protected:
    void SetUp() override;
    // No message window or error box may have appeared, unless the test names the errors.
    void TearDown() override;

    TForm1& window() { return *form; }

    // Gives the window the device's path as the port buttons give it a name: the port field's
    // text first, then the component takes the field's text.
    void pointAt(const Pty& device);
    void clickSwitch();
    void expectConnectedState(bool connected);

    // Writes the bytes on the device side and waits until the window has handled them. The GUI
    // thread sleeps while they pass the pseudo-terminal, so they reach the window in one receive
    // event, as frames do from the real device.
    void deliverInOneEvent(Pty& device, const std::string& bytes);
    // A valid frame is taken and shown: the flag is set and the pH shows with a point.
    void expectShown(Pty& device, const std::string& ph);
    // After abuse the buffer may hold a rest. The next frame makes a taking together with that
    // rest (shown only when there was none); the frame after it is shown in any case.
    void expectFramesTakenAgain(Pty& device, const std::string& ph);

    // The most the buffer can hold after a receive event: the window takes (and empties it)
    // as soon as it holds more than ten lines, and a line holds at most the wrap width in
    // characters plus its CR LF.
    std::size_t bufferBound() const;

    long receiveEvents = 0;
    long bytesHandled = 0;
    long validFrames = 0;
    std::size_t largestBufferLeft = 0;
    std::function<void()> afterEachEvent; // runs in the probe, after the counts
    QStringList expectedErrors;
};

} // namespace tivrel::test
