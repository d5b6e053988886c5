#include "tests/reception/ConnectedWindow.h"

#include "platform/ComPort.h"
#include "platform/Switch.h"

#include <QTest>
#include <QToolButton>
#include <algorithm>
#include <chrono>
#include <thread>

namespace tivrel::test {

Lines frameLines(const Lines& first8, const std::string& brightness, const std::string& contrast) {
    Lines lines = first8;
    lines.resize(8);
    lines.insert(lines.end(), {brightness, contrast, "*", "*"});
    return lines;
}

std::string onWire(const Lines& lines, const std::string& lineEnd) {
    std::string bytes;
    for (const std::string& line : lines)
        bytes += line + lineEnd;
    return bytes;
}

Lines ordinaryFrame() {
    return frameLines({"7,05", "6,90", "7,10", "12,5", "8", "20", "1", "0"});
}

void ConnectedWindow::SetUp() {
    desktop.realPauses = false;
    writeState(pty.slavePath() + "\r\n10\r\n20\r\n345\r\n620\r\n");
    TForm1& window = create();
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QTest::mouseClick(window.RxSwitch1, Qt::LeftButton, {}, QPoint(24, 14));
    ASSERT_TRUE(window.ComPort->isOpen());
    // Connected after the window's own handler, so it sees each event's outcome.
    QObject::connect(window.ComPort, &tivrel::ComPort::rxChar, &window, [this](int count) {
        ++receiveEvents;
        bytesHandled += count;
    });
}

void ConnectedWindow::TearDown() {
    EXPECT_EQ(desktop.messages, QStringList());
    EXPECT_EQ(desktop.errors, expectedErrors);
    form.reset(); // while its device is still there
}

void ConnectedWindow::deliver(const std::string& bytes) {
    // The port drops NUL bytes before the window sees them.
    bytesSent_ += static_cast<long>(bytes.size()) - std::count(bytes.begin(), bytes.end(), '\0');
    const int eventsBefore = receiveEvents;
    pty.write(bytes);
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    ASSERT_TRUE(waitFor([&] { return bytesHandled >= bytesSent_; }))
        << "handled " << bytesHandled << " of " << bytesSent_ << " bytes";
    ASSERT_EQ(receiveEvents, eventsBefore + 1) << "the bytes did not come in one receive event";
}

void ConnectedWindow::passStartUpLine() {
    deliverFrame(ordinaryFrame());
    ASSERT_FALSE(form->FrameValid);
    ASSERT_EQ(form->LastFrame[0], "");
    ASSERT_EQ(form->Memo.text(), "");
}

void ConnectedWindow::clickFetch() {
    QTest::mouseClick(form->SpeedButton4, Qt::LeftButton);
}

} // namespace tivrel::test
