#include "tests/stress/StressWindow.h"

#include "app/ClickLabel.h"
#include "link/Frame.h"
#include "platform/ComPort.h"
#include "platform/SpinEdit.h"
#include "platform/Switch.h"
#include "tests/app/ControlStates.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>
#include <algorithm>
#include <chrono>
#include <thread>

namespace tivrel::test {

Frame validFrame(const std::string& ph, const std::string& brightness) {
    return {ph, "6,90", "7,10", "12,5", "8", "20", "1", "0", brightness, "10", "*", "*"};
}

std::string onWire(const Frame& frame) {
    std::string bytes;
    for (const std::string& line : frame)
        bytes += line + "\r\n";
    return bytes;
}

Frame asShown(Frame frame) {
    frame[0][1] = '.';
    return frame;
}

void StressWindow::SetUp() {
    desktop.realPauses = false;
    writeState("COM1\r\n10\r\n20\r\n345\r\n620\r\n");
    TForm1& w = create();
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    // Connected after the window's own handler in its constructor, so it runs after it.
    QObject::connect(w.ComPort, &ComPort::rxChar, &w, [this](int count) {
        ++receiveEvents;
        bytesHandled += count;
        largestBufferLeft = std::max(largestBufferLeft, form->Memo.text().size());
        if (form->FrameValid)
            ++validFrames;
        if (afterEachEvent)
            afterEachEvent();
    });
}

void StressWindow::TearDown() {
    EXPECT_EQ(desktop.messages, QStringList());
    EXPECT_EQ(desktop.errors, expectedErrors);
    form.reset();
}

void StressWindow::pointAt(const Pty& device) {
    window().Edit1->setText(QString::fromStdString(device.slavePath()));
    window().ComPort->setPortName(window().Edit1->text());
}

void StressWindow::clickSwitch() {
    QTest::mouseClick(window().RxSwitch1, Qt::LeftButton, {}, QPoint(24, 14));
}

void StressWindow::expectConnectedState(bool connected) {
    TForm1& w = window();
    EXPECT_EQ(w.RxSwitch1->isOn(), connected);
    expectControlState(w, connected);
    if (!connected) {
        EXPECT_FALSE(w.Label7->isVisible());
    }
}

void StressWindow::deliverInOneEvent(Pty& device, const std::string& bytes) {
    // The port drops NUL bytes before the window sees them.
    const long target =
        bytesHandled + static_cast<long>(std::count_if(bytes.begin(), bytes.end(),
                                                       [](char c) { return c != '\0'; }));
    const long eventsBefore = receiveEvents;
    device.write(bytes);
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    ASSERT_TRUE(waitFor([&] { return bytesHandled >= target; }))
        << "handled " << bytesHandled << " of " << target << " bytes";
    ASSERT_EQ(receiveEvents, eventsBefore + 1) << "the bytes did not come in one receive event";
}

void StressWindow::expectShown(Pty& device, const std::string& ph) {
    const Frame frame = validFrame(ph);
    ASSERT_NO_FATAL_FAILURE(deliverInOneEvent(device, onWire(frame)));
    EXPECT_TRUE(window().FrameValid);
    EXPECT_EQ(window().LastFrame, asShown(frame));
    EXPECT_EQ(window().Label7->text(), QString::fromStdString(asShown(frame)[0]));
    EXPECT_TRUE(window().Label7->isVisible());
    EXPECT_TRUE(window().Memo.text().empty())
        << "the buffer still holds " << window().Memo.text().size() << " bytes";
}

void StressWindow::expectFramesTakenAgain(Pty& device, const std::string& ph) {
    const bool bufferWasEmpty = window().Memo.text().empty();
    ASSERT_NO_FATAL_FAILURE(deliverInOneEvent(device, onWire(validFrame("6,66"))));
    // Twelve lines always make a taking, and every taking empties the buffer.
    EXPECT_TRUE(window().Memo.text().empty())
        << "the buffer still holds " << window().Memo.text().size() << " bytes";
    EXPECT_EQ(window().FrameValid, bufferWasEmpty);
    ASSERT_NO_FATAL_FAILURE(expectShown(device, ph));
}

std::size_t StressWindow::bufferBound() const {
    return kLinesBeforeTaking * (form->Memo.wrapWidth() + 2);
}

} // namespace tivrel::test
