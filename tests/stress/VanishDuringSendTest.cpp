// The device vanishes while a settings send is writing to it: the user sees the write error,
// the port does not spin on the dead device, and the window still disconnects and closes.

#include "platform/ComPort.h"
#include "tests/commands/CommandWindow.h"
#include "tests/support/Pty.h"

#include <QFile>
#include <iostream>

namespace tivrel::test {
namespace {

using VanishDuringSend = CommandWindow;

TEST_F(VanishDuringSend, TheWriteErrorIsShownAndTheWindowStillDisconnectsAndCloses) {
    Pty device;
    TForm1& window = connectTo(device.slavePath());
    desktop.realPauses = false;
    // The first pause comes after the first pass of the settings: the device goes there.
    desktop.onPause = [&](int) {
        if (desktop.pauses.size() == 1)
            device.closeMaster();
    };
    click(window.SpeedButton3);

    ASSERT_EQ(desktop.errors.size(), 1);
    EXPECT_TRUE(desktop.errors[0].startsWith(QStringLiteral("WriteFile function failed")))
        << desktop.errors[0].toStdString();

    // Whatever the port made of the dead device, it must not report errors on and on.
    const long reportsAfterSend = window.ComPort->errorEventCount();
    QTest::qWait(300);
    EXPECT_LE(window.ComPort->errorEventCount() - reportsAfterSend, 2);
    EXPECT_LE(window.ComPort->releasedCount(), 1);
    std::cout << "[ figures  ] error box \"" << desktop.errors[0].toStdString()
              << "\"; error reports " << window.ComPort->errorEventCount() << ", devices released "
              << window.ComPort->releasedCount() << ", port open " << window.ComPort->isOpen()
              << "\n";

    QTest::mouseClick(window.RxSwitch1, Qt::LeftButton, {}, QPoint(24, 14));
    EXPECT_FALSE(window.RxSwitch1->isOn());
    EXPECT_FALSE(window.ComPort->isOpen());
    EXPECT_TRUE(window.SpeedButton10->isVisible()); // the disconnected state's covers

    EXPECT_TRUE(window.close());
    EXPECT_EQ(desktop.errors.size(), 1);
    QFile state(QStringLiteral("tivrel7.ini"));
    ASSERT_TRUE(state.open(QIODevice::ReadOnly));
    EXPECT_TRUE(state.readAll().startsWith(QByteArray::fromStdString(device.slavePath() + "\r\n")));
}

} // namespace
} // namespace tivrel::test
