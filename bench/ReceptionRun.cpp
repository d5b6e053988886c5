#include "bench/ReceptionRun.h"

#include "app/TivrelMainForm.h"
#include "bench/PacedWriter.h"
#include "bench/QuietDesktop.h"
#include "platform/ComPort.h"
#include "platform/Switch.h"
#include "tests/support/Pty.h"

#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace tivrel::bench {

namespace {

constexpr double kLineBytesPerSecond = 1920; // 19200 bit/s, 10 bits a character
constexpr std::chrono::milliseconds kWarmUp{300};
constexpr int kDrainMs = 300; // the last frames' events after the writer is done

long framesFor(const RunSetup& setup) {
    if (setup.period.count() > 0)
        return static_cast<long>(setup.seconds * 1000 / static_cast<double>(setup.period.count()));
    const double frameBytes = static_cast<double>(sequenceFrame(1).size());
    return static_cast<long>(setup.seconds * kLineBytesPerSecond / frameBytes);
}

bool writeStateFile(const std::string& port) {
    QFile file(QStringLiteral("tivrel7.ini"));
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const std::string lines = port + "\r\n10\r\n20\r\n345\r\n620\r\n";
    return file.write(lines.data(), static_cast<qint64>(lines.size())) ==
           static_cast<qint64>(lines.size());
}

// The frame a shown line 0 stands for: the first number after the last one matched whose
// value modulo 1000 is the code, so that runs longer than 1000 frames still match.
long sequenceFor(int code, long lastMatched) {
    const long next = lastMatched + 1;
    return next + ((code - next % 1000) % 1000 + 1000) % 1000;
}

} // namespace

RunFigures runReception(const RunSetup& setup) {
    RunFigures figures;
    const QString previousFolder = QDir::currentPath();
    QTemporaryDir folder;
    if (!folder.isValid() || !QDir::setCurrent(folder.path())) {
        figures.failure = "no temporary working folder";
        return figures;
    }
    struct Restore {
        QString folder;
        ~Restore() { QDir::setCurrent(folder); }
    } restore{previousFolder};

    test::Pty pty;
    if (!writeStateFile(pty.slavePath())) {
        figures.failure = "cannot write the window-state file";
        return figures;
    }
    QuietDesktop desktop;
    TForm1 window(desktop);
    window.show();
    QTest::mouseClick(window.RxSwitch1, Qt::LeftButton, {}, QPoint(24, 14));
    if (!window.ComPort->isOpen()) {
        figures.failure = "the window did not open " + pty.slavePath();
        return figures;
    }

    figures.framesSent = framesFor(setup);
    PacedWriter writer(pty.masterFd(), {figures.framesSent, kLineBytesPerSecond, setup.period,
                                        kWarmUp, setup.chunkBytes});
    figures.latenciesMs.reserve(static_cast<std::size_t>(figures.framesSent));

    long lastMatched = 0;
    // Connected after the window's own handler: it runs once the receive event is handled.
    QObject::connect(window.ComPort, &tivrel::ComPort::rxChar, &window, [&](int) {
        const auto handled = Clock::now();
        ++figures.receiveEvents;
        if (!window.FrameValid)
            return;
        const int code = sequenceCode(window.LastFrame[0]);
        if (code < 0)
            return;
        const long sequence = sequenceFor(code, lastMatched);
        const Clock::time_point lastByte = writer.lastByteTime(sequence);
        if (lastByte == Clock::time_point{})
            return;
        lastMatched = sequence;
        ++figures.validFrames;
        figures.latenciesMs.push_back(
            std::chrono::duration<double, std::milli>(handled - lastByte).count());
    });

    QEventLoop loop;
    writer.onFinished = [&loop] {
        QMetaObject::invokeMethod(
            &loop, [&loop] { QTimer::singleShot(kDrainMs, &loop, &QEventLoop::quit); },
            Qt::QueuedConnection);
    };
    writer.start();
    loop.exec();
    writer.join();

    figures.wallSeconds =
        std::chrono::duration<double>(writer.streamEnd() - writer.streamStart()).count();
    figures.processCpuSeconds = std::chrono::duration<double>(writer.processCpu()).count();
    figures.writerCpuSeconds = std::chrono::duration<double>(writer.writerCpu()).count();
    figures.messageBoxes = desktop.messageBoxes;
    window.close();
    return figures;
}

} // namespace tivrel::bench
