#include "platform/ComPort.h"

#include "platform/AppError.h"
#include "platform/PortName.h"

#include <QElapsedTimer>
#include <QTimer>
#include <cerrno>
#include <sys/stat.h>

namespace tivrel {

namespace {
constexpr int kErrorNotFound = 2;
constexpr int kErrorAccessDenied = 5;
constexpr int kErrorTimedOut = ETIMEDOUT;
} // namespace

bool errorReleasesPort(QSerialPort::SerialPortError error) {
    return error == QSerialPort::ReadError || error == QSerialPort::ResourceError;
}

std::string openErrorMessage(QSerialPort::SerialPortError error, int systemError) {
    switch (error) {
    case QSerialPort::DeviceNotFoundError:
        return "Unable to open com port (Error: " + std::to_string(kErrorNotFound) + ")";
    case QSerialPort::PermissionError:
    case QSerialPort::OpenError:
        return "Unable to open com port (Error: " + std::to_string(kErrorAccessDenied) + ")";
    default:
        return "SetCommState function failed (Error: " +
               std::to_string(systemError > 0 ? systemError : 1) + ")";
    }
}

ComPort::ComPort(QObject* parent) : QObject(parent) {
    connect(&port_, &QSerialPort::readyRead, this, &ComPort::takeIncoming);
    connect(&port_, &QSerialPort::errorOccurred, this, &ComPort::onError);
}

ComPort::~ComPort() {
    close();
}

void ComPort::setPortName(const QString& name) {
    name_ = name;
}

bool ComPort::isOpen() const {
    return port_.isOpen();
}

void ComPort::open() {
    if (port_.isOpen())
        return;
    const QString device = devicePathForPortName(name_);
    struct stat st {};
    if (::stat(device.toLocal8Bit().constData(), &st) != 0)
        throw ComPortError(openErrorMessage(QSerialPort::DeviceNotFoundError, errno));

    port_.setPortName(device);
    port_.setBaudRate(QSerialPort::Baud19200);
    port_.setDataBits(QSerialPort::Data8);
    port_.setParity(QSerialPort::NoParity);
    port_.setStopBits(QSerialPort::OneStop);
    port_.setFlowControl(QSerialPort::NoFlowControl);
    port_.setReadBufferSize(0);
    errno = 0;
    if (!port_.open(QIODevice::ReadWrite)) {
        const int systemError = errno;
        const auto error = port_.error();
        port_.clearError();
        throw ComPortError(openErrorMessage(error, systemError));
    }
    // A pseudo-terminal has no modem lines and refuses these; the link works all the same.
    port_.setDataTerminalReady(true);
    port_.setRequestToSend(false);
    port_.clearError();
    waiting_.clear();
}

void ComPort::close() {
    waiting_.clear();
    if (!port_.isOpen())
        return;
    port_.clear();
    port_.close();
    port_.clearError();
}

std::string ComPort::read(int count) {
    if (count <= 0)
        return {};
    const qsizetype n = std::min<qsizetype>(count, waiting_.size());
    std::string out(waiting_.constData(), static_cast<std::size_t>(n));
    waiting_.remove(0, n);
    return out;
}

void ComPort::write(std::string_view text) {
    if (!port_.isOpen())
        throw ComPortError("Port not open");
    if (text.empty())
        return;
    // While writing, QSerialPort may read incoming bytes inside its waits; they are kept and
    // announced after the write, so that no handler runs in the middle of a command.
    writing_ = true;
    const qint64 timeoutMs = 100 * static_cast<qint64>(text.size()) + 1000;
    QElapsedTimer clock;
    clock.start();
    const qint64 queued = port_.write(text.data(), static_cast<qint64>(text.size()));
    bool failed = queued != static_cast<qint64>(text.size());
    while (!failed && port_.isOpen() && port_.bytesToWrite() > 0) {
        const qint64 left = timeoutMs - clock.elapsed();
        if (left <= 0)
            break;
        if (!port_.waitForBytesWritten(static_cast<int>(left)) &&
            port_.error() != QSerialPort::TimeoutError && port_.error() != QSerialPort::NoError)
            failed = true;
    }
    const int systemError = errno;
    writing_ = false;
    if (!waiting_.isEmpty())
        announceWaiting();
    if (failed || !port_.isOpen())
        throw ComPortError("WriteFile function failed (Error: " +
                           std::to_string(systemError > 0 ? systemError : EIO) + ")");
    if (port_.bytesToWrite() > 0)
        throw ComPortError("WriteFile function failed (Error: " + std::to_string(kErrorTimedOut) +
                           ")");
}

void ComPort::takeIncoming() {
    const QByteArray data = port_.readAll();
    for (char c : data)
        if (c != '\0')
            waiting_.append(c);
    if (!writing_ && !waiting_.isEmpty())
        emit rxChar(static_cast<int>(waiting_.size()));
}

void ComPort::announceWaiting() {
    if (announcePending_)
        return;
    announcePending_ = true;
    QTimer::singleShot(0, this, [this] {
        announcePending_ = false;
        if (port_.isOpen() && !waiting_.isEmpty())
            emit rxChar(static_cast<int>(waiting_.size()));
    });
}

void ComPort::onError(QSerialPort::SerialPortError error) {
    if (error != QSerialPort::NoError)
        ++errorEventCount_;
    if (!errorReleasesPort(error) || !port_.isOpen())
        return;
    waiting_.clear();
    port_.close();
    port_.clearError();
    ++releasedCount_;
    emit deviceLost();
}

} // namespace tivrel
