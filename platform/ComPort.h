#pragma once

#include <QByteArray>
#include <QObject>
#include <QSerialPort>
#include <QString>
#include <string>
#include <string_view>

namespace tivrel {

// What the port does with an error QSerialPort reports while it is open: a read or resource
// error means the device is gone (USB unplugged, pty master closed), and QSerialPort would
// report it again and again at full speed, so the port is released at once. Everything else
// (a refused DTR on a pseudo-terminal, parity noise, time-outs) is ignored.
bool errorReleasesPort(QSerialPort::SerialPortError error);

// The message of a failed open, in the form the user knows from the device's Windows tools:
// "Unable to open com port (Error: 2)" for a missing device, "(Error: 5)" for one that is busy
// or not permitted; a device that opens but refuses the line settings (a regular file,
// /dev/null) gives "SetCommState function failed (Error: <errno>)".
std::string openErrorMessage(QSerialPort::SerialPortError error, int systemError);

// The serial link to the device: 19200 bit/s, 8 data bits, no parity, 1 stop bit, no flow
// control, DTR on, RTS off. Received bytes arrive on the GUI thread; NUL bytes are dropped and
// the rest wait in the port's queue until the rxChar handler reads them.
class ComPort : public QObject {
    Q_OBJECT
public:
    explicit ComPort(QObject* parent = nullptr);
    ~ComPort() override;

    // The name stays as given ("COM3", "/dev/ttyUSB0"); it is mapped to a device on open.
    void setPortName(const QString& name);
    QString portName() const { return name_; }

    // Opens the named port; throws ComPortError with the message the user sees. Opening an
    // open port does nothing.
    void open();
    bool isOpen() const;
    // Discards pending input and output and releases the device; never fails, also when the
    // device has vanished. No rxChar is raised after it returns.
    void close();

    // Up to `count` of the bytes waiting, without waiting for more.
    std::string read(int count);
    // Writes every byte, or throws ComPortError: on a closed port, on a write error, and when
    // the bytes are not out after 100 ms a byte plus 1000 ms. An empty text writes nothing.
    void write(std::string_view text);

    // How many times the device was released because it vanished, and how many error reports
    // of the port were handled in all (for diagnostics and tests: a port that spins on an error
    // would report thousands).
    int releasedCount() const { return releasedCount_; }
    long errorEventCount() const { return errorEventCount_; }

signals:
    // Bytes have been received; `count` is the number waiting.
    void rxChar(int count);
    // The device vanished and the port was released.
    void deviceLost();

private:
    void takeIncoming();
    void announceWaiting();
    void onError(QSerialPort::SerialPortError error);

    QSerialPort port_;
    QString name_;
    QByteArray waiting_;
    bool writing_ = false;
    bool announcePending_ = false;
    int releasedCount_ = 0;
    long errorEventCount_ = 0;
};

} // namespace tivrel
