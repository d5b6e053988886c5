#include "app/ClickLabel.h"
#include "platform/ComPort.h"
#include "platform/SpinEdit.h"
#include "platform/Switch.h"
#include "tests/app/ControlStates.h"
#include "tests/app/WindowFixture.h"
#include "tests/support/Pty.h"

#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>

using tivrel::test::Pty;
using tivrel::test::WindowFixture;

namespace {

class Connection : public WindowFixture {
protected:
    // A window whose state file names the given port.
    TForm1& createFor(const std::string& port) {
        writeState(port + "\r\n10\r\n20\r\n345\r\n620\r\n");
        TForm1& window = create();
        window.show();
        (void)QTest::qWaitForWindowExposed(&window);
        return window;
    }
    void clickSwitch() { QTest::mouseClick(form->RxSwitch1, Qt::LeftButton, {}, QPoint(24, 14)); }

    void expectConnectedState(bool connected) {
        tivrel::test::expectControlState(*form, connected);
    }
};

TEST_F(Connection, SwitchingOnOpensThePortAndShowsTheWorkingControls) {
    Pty pty;
    TForm1& window = createFor(pty.slavePath());
    expectConnectedState(false);
    EXPECT_TRUE(window.Label10->isVisible()); // "ALARM" shows under the cover at start

    clickSwitch();
    EXPECT_TRUE(window.RxSwitch1->isOn());
    EXPECT_TRUE(window.ComPort->isOpen());
    EXPECT_GE(desktop.pausedMilliseconds, 300);
    EXPECT_TRUE(desktop.errors.isEmpty());
    expectConnectedState(true);
    EXPECT_TRUE(window.Label10->isVisible());
    EXPECT_FALSE(window.Label7->isVisible()); // no readings before a frame

    window.ComPort->write("222");
    EXPECT_EQ(pty.read(3, std::chrono::seconds(2)), "222");

    clickSwitch();
    EXPECT_FALSE(window.RxSwitch1->isOn());
    EXPECT_FALSE(window.ComPort->isOpen());
    expectConnectedState(false);
    EXPECT_FALSE(window.Label10->isVisible());
}

TEST_F(Connection, DisconnectKeepsTheOutputPicturesAndTheCheckMark) {
    Pty pty;
    TForm1& window = createFor(pty.slavePath());
    clickSwitch();
    window.Image2->show();
    window.CheckBox1->setChecked(true);
    clickSwitch();
    EXPECT_TRUE(window.Image2->isVisibleTo(window.GroupBox1));
    EXPECT_FALSE(window.Image1->isVisibleTo(window.GroupBox1));
    EXPECT_TRUE(window.CheckBox1->isChecked());
    EXPECT_FALSE(window.CheckBox1->isEnabled());
    for (QWidget* hidden :
         {static_cast<QWidget*>(window.Label7), static_cast<QWidget*>(window.Label8),
          static_cast<QWidget*>(window.Label17), static_cast<QWidget*>(window.Label23),
          static_cast<QWidget*>(window.Image4)})
        EXPECT_FALSE(hidden->isVisibleTo(window.GroupBox1));
}

TEST_F(Connection, AMissingPortShowsTheErrorAndTakesTwoClicksToRetry) {
    const std::string missing = folderPath() + "/no-such-port";
    TForm1& window = createFor(missing);

    clickSwitch();
    EXPECT_EQ(desktop.errors, QStringList{QStringLiteral("Unable to open com port (Error: 2)")});
    EXPECT_TRUE(window.RxSwitch1->isOn());
    EXPECT_FALSE(window.ComPort->isOpen());
    expectConnectedState(false);

    clickSwitch(); // turns the switch off; nothing to close, no error
    EXPECT_FALSE(window.RxSwitch1->isOn());
    EXPECT_EQ(desktop.errors.size(), 1);
    expectConnectedState(false);

    clickSwitch(); // tries again
    EXPECT_EQ(desktop.errors.size(), 2);
    EXPECT_TRUE(window.RxSwitch1->isOn());
}

TEST_F(Connection, PortsThatAreNoSerialDeviceAreRefusedClearly) {
    for (const std::string& port : {std::string("/dev/null"), statePath()}) {
        desktop.errors.clear();
        TForm1& window = createFor(port);
        clickSwitch();
        ASSERT_EQ(desktop.errors.size(), 1) << port;
        EXPECT_TRUE(desktop.errors[0].startsWith(QStringLiteral("SetCommState function failed")))
            << desktop.errors[0].toStdString();
        EXPECT_FALSE(window.ComPort->isOpen());
        form.reset();
    }
}

TEST_F(Connection, AVanishingDeviceIsReleasedAndTheWindowStillDisconnectsAndCloses) {
    auto pty = std::make_unique<Pty>();
    TForm1& window = createFor(pty->slavePath());
    clickSwitch();
    ASSERT_TRUE(window.ComPort->isOpen());

    pty->write("7,05\r\n6,9");
    pty->closeMaster();
    ASSERT_TRUE(waitFor([&] { return !window.ComPort->isOpen(); }, 1000));
    QTest::qWait(200);
    EXPECT_EQ(window.ComPort->releasedCount(), 1);
    EXPECT_TRUE(desktop.errors.isEmpty());

    clickSwitch();
    expectConnectedState(false);
    EXPECT_TRUE(window.close());
    EXPECT_TRUE(desktop.errors.isEmpty());
    EXPECT_EQ(readState().rfind(pty->slavePath() + "\r\n", 0), 0u);
}

TEST_F(Connection, ClosingWhileConnectedReleasesThePort) {
    Pty pty;
    TForm1& window = createFor(pty.slavePath());
    clickSwitch();
    ASSERT_TRUE(window.ComPort->isOpen());
    EXPECT_TRUE(window.close());
    EXPECT_FALSE(window.ComPort->isOpen());
    // Released: another opener gets the device now.
    tivrel::ComPort other;
    other.setPortName(QString::fromStdString(pty.slavePath()));
    EXPECT_NO_THROW(other.open());
}

struct PortButtonCase {
    int start;
    const char* afterNext;
    const char* afterPrevious;
};

class PortButtons : public WindowFixture, public ::testing::WithParamInterface<PortButtonCase> {};

TEST_P(PortButtons, WrapWithinOneTo255) {
    const PortButtonCase& c = GetParam();
    // COM1234 leaves the port number at 0; the others set it.
    writeState((c.start == 0 ? std::string("COM1234") : "COM" + std::to_string(c.start)) +
               "\r\n1\r\n1\r\n1\r\n1\r\n");
    TForm1& window = create();
    ASSERT_EQ(window.PortNumber, c.start);
    QTest::mouseClick(window.SpeedButton18, Qt::LeftButton);
    EXPECT_EQ(window.Edit1->text(), QString::fromLatin1(c.afterNext));
    EXPECT_EQ(window.ComPort->portName(), QString::fromLatin1(c.afterNext));

    form.reset();
    create();
    QTest::mouseClick(form->SpeedButton17, Qt::LeftButton);
    EXPECT_EQ(form->Edit1->text(), QString::fromLatin1(c.afterPrevious));
    EXPECT_EQ(form->ComPort->portName(), QString::fromLatin1(c.afterPrevious));
}

INSTANTIATE_TEST_SUITE_P(
    Numbers, PortButtons,
    ::testing::Values(PortButtonCase{0, "COM1", "COM255"}, PortButtonCase{1, "COM2", "COM255"},
                      PortButtonCase{255, "COM1", "COM254"}, PortButtonCase{999, "COM1", "COM998"}),
    [](const auto& param) { return "From" + std::to_string(param.param.start); });

TEST_F(Connection, PortButtonsAndFieldDoNotReactWhileConnected) {
    Pty pty;
    TForm1& window = createFor(pty.slavePath());
    clickSwitch();
    const QString before = window.Edit1->text();
    QTest::mouseClick(window.SpeedButton18, Qt::LeftButton);
    QTest::mouseClick(window.SpeedButton17, Qt::LeftButton);
    QTest::keyClicks(window.Edit1, QStringLiteral("COM9"));
    EXPECT_EQ(window.Edit1->text(), before);
    EXPECT_TRUE(window.Edit1->isReadOnly());
}

} // namespace
