#include "platform/ComPort.h"

#include "platform/AppError.h"
#include "tests/support/Pty.h"
#include "tests/support/WaitFor.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <termios.h>
#include <unistd.h>

using namespace std::chrono_literals;
using tivrel::ComPort;
using tivrel::ComPortError;
using tivrel::test::Pty;
using tivrel::test::waitFor;

namespace {

std::string openError(const QString& name) {
    ComPort port;
    port.setPortName(name);
    try {
        port.open();
    } catch (const ComPortError& error) {
        EXPECT_FALSE(port.isOpen());
        return error.what();
    }
    return "opened";
}

TEST(ComPortPolicy, OnlyReadAndResourceErrorsReleaseThePort) {
    EXPECT_TRUE(tivrel::errorReleasesPort(QSerialPort::ReadError));
    EXPECT_TRUE(tivrel::errorReleasesPort(QSerialPort::ResourceError));
    for (auto error :
         {QSerialPort::NoError, QSerialPort::UnsupportedOperationError, QSerialPort::TimeoutError,
          QSerialPort::WriteError, QSerialPort::UnknownError})
        EXPECT_FALSE(tivrel::errorReleasesPort(error)) << error;
}

TEST(ComPortPolicy, OpenErrorTexts) {
    EXPECT_EQ(tivrel::openErrorMessage(QSerialPort::DeviceNotFoundError, ENOENT),
              "Unable to open com port (Error: 2)");
    EXPECT_EQ(tivrel::openErrorMessage(QSerialPort::PermissionError, EACCES),
              "Unable to open com port (Error: 5)");
    EXPECT_EQ(tivrel::openErrorMessage(QSerialPort::UnknownError, ENOTTY),
              "SetCommState function failed (Error: 25)");
}

TEST(ComPortOpen, MissingOrUnusableDevicesGiveTheirMessages) {
    QTemporaryDir dir;
    const QString regular = dir.filePath(QStringLiteral("plain-file"));
    QFile file(regular);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();

    EXPECT_EQ(openError(dir.filePath(QStringLiteral("no-such-tty"))),
              "Unable to open com port (Error: 2)");
    EXPECT_EQ(openError(QStringLiteral("COM255")), "Unable to open com port (Error: 2)");
    EXPECT_EQ(openError(QString(300, u'X')), "Unable to open com port (Error: 2)");
    EXPECT_EQ(openError(QStringLiteral("/dev/null")).rfind("SetCommState function failed", 0), 0u);
    EXPECT_EQ(openError(regular).rfind("SetCommState function failed", 0), 0u);
}

TEST(ComPortOpen, OpensAPseudoTerminalAt19200Baud8N1) {
    Pty pty;
    ComPort port;
    port.setPortName(QString::fromStdString(pty.slavePath()));
    port.open();
    ASSERT_TRUE(port.isOpen());
    port.open(); // opening an open port does nothing
    EXPECT_TRUE(port.isOpen());

    const int fd = ::open(pty.slavePath().c_str(), O_RDWR | O_NOCTTY);
    ASSERT_GE(fd, 0);
    termios tio{};
    ASSERT_EQ(tcgetattr(fd, &tio), 0);
    ::close(fd);
    EXPECT_EQ(cfgetispeed(&tio), B19200);
    EXPECT_EQ(cfgetospeed(&tio), B19200);
    EXPECT_EQ(tio.c_cflag & CSIZE, static_cast<tcflag_t>(CS8));
    EXPECT_EQ(tio.c_cflag & PARENB, 0u);
    EXPECT_EQ(tio.c_cflag & CSTOPB, 0u);
    EXPECT_EQ(tio.c_cflag & CRTSCTS, 0u);
    EXPECT_EQ(tio.c_iflag & (IXON | IXOFF), 0u);

    port.close();
    EXPECT_FALSE(port.isOpen());
    port.close(); // closing a closed port does nothing
}

TEST(ComPortOpen, APortHeldByAnotherOpenerIsBusy) {
    Pty pty;
    ComPort first;
    first.setPortName(QString::fromStdString(pty.slavePath()));
    first.open();
    EXPECT_EQ(openError(QString::fromStdString(pty.slavePath())),
              "Unable to open com port (Error: 5)");
    first.close();
    EXPECT_EQ(openError(QString::fromStdString(pty.slavePath())), "opened");
}

TEST(ComPortTransfer, ReceivesWithoutNulBytesAndReadsOnlyWhatIsAsked) {
    Pty pty;
    ComPort port;
    port.setPortName(QString::fromStdString(pty.slavePath()));
    port.open();
    int lastCount = 0;
    QObject::connect(&port, &ComPort::rxChar, [&](int count) { lastCount = count; });

    pty.write(std::string("7,\0"
                          "05\r\n",
                          7));
    ASSERT_TRUE(waitFor([&] { return lastCount == 6; }));
    EXPECT_EQ(port.read(2), "7,");
    EXPECT_EQ(port.read(100), "05\r\n");
    EXPECT_EQ(port.read(10), "");
}

TEST(ComPortTransfer, WritesEveryByteInOrder) {
    Pty pty;
    ComPort port;
    port.setPortName(QString::fromStdString(pty.slavePath()));
    port.open();
    std::string sent;
    for (int i = 0; i < 10; ++i) {
        port.write("100010007");
        sent += "100010007";
    }
    port.write("");
    EXPECT_EQ(pty.read(sent.size(), 2s), sent);
}

TEST(ComPortTransfer, WriteOnAClosedPortFails) {
    ComPort port;
    EXPECT_THROW(port.write("111"), ComPortError);
}

TEST(ComPortTransfer, NoHandlerRunsInTheMiddleOfAWrite) {
    Pty pty;
    ComPort port;
    port.setPortName(QString::fromStdString(pty.slavePath()));
    port.open();
    bool writing = false;
    bool ranDuringWrite = false;
    int received = 0;
    QObject::connect(&port, &ComPort::rxChar, [&](int count) {
        ranDuringWrite = ranDuringWrite || writing;
        received += static_cast<int>(port.read(count).size());
    });
    pty.write(std::string(500, 'x'));
    writing = true;
    port.write(std::string(600, '1'));
    writing = false;
    ASSERT_TRUE(waitFor([&] { return received == 500; }));
    EXPECT_FALSE(ranDuringWrite);
}

TEST(ComPortDeviceLost, ReleasesThePortOnceWhenTheDeviceVanishes) {
    auto pty = std::make_unique<Pty>();
    ComPort port;
    port.setPortName(QString::fromStdString(pty->slavePath()));
    port.open();
    int lost = 0;
    QObject::connect(&port, &ComPort::deviceLost, [&] { ++lost; });

    pty->write("7,0");
    pty->closeMaster();
    ASSERT_TRUE(waitFor([&] { return !port.isOpen(); }, 1000));
    QTest::qWait(300); // a spinning port would report the error over and over
    EXPECT_EQ(lost, 1);
    EXPECT_EQ(port.releasedCount(), 1);
    EXPECT_THROW(port.write("111"), ComPortError);
    port.close();
    EXPECT_FALSE(port.isOpen());
}

} // namespace
