// Ten megabytes of noise, NUL bytes and stray line ends among them, pushed into the connected
// window as fast as the pseudo-terminal takes them: the receive buffer stays within its bound
// after every event, nothing gathers in memory, every byte but the NULs reaches the window, and
// afterwards frames are taken and shown as before.

#include "platform/ComPort.h"
#include "tests/stress/FloodWriter.h"
#include "tests/stress/ProcessFigures.h"
#include "tests/stress/StressWindow.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <iostream>
#include <random>

namespace tivrel::test {
namespace {

constexpr long kNoiseBytes = 10L * 1024 * 1024;
constexpr long kChunkBytes = 4096;
// Ten megabytes that stayed anywhere would be far above this; the port's and the window's own
// buffers of one event are a few kilobytes.
constexpr std::size_t kMemoryGrowthBound = 4 * 1024 * 1024;
constexpr int kFloodLimitMs = 90'000; // far beyond what it takes; only a stuck window reaches it

// Noise as a broken or mistuned device might send it: mostly random bytes, one in eight a NUL
// and one in eight a character that means something to the frame rules (CR, LF, comma, "*").
class Noise {
public:
    explicit Noise(unsigned seed) : random_(seed) {}
    bool operator()(std::string& chunk) {
        if (left_ <= 0)
            return false;
        chunk.resize(static_cast<std::size_t>(std::min(left_, kChunkBytes)));
        for (char& c : chunk) {
            const unsigned r = random_();
            const unsigned kind = r % 8;
            if (kind == 0)
                c = '\0';
            else if (kind == 1)
                c = "\r\n,*"[(r >> 3) % 4];
            else
                c = static_cast<char>((r >> 8) & 0xff);
        }
        left_ -= static_cast<long>(chunk.size());
        return true;
    }

private:
    std::mt19937 random_;
    long left_ = kNoiseBytes;
};

using NoiseFlood = StressWindow;

TEST_F(NoiseFlood, TenMegabytesOfNoiseLeaveTheBufferBoundedAndFramesStillTaken) {
    Pty device;
    pointAt(device);
    clickSwitch();
    ASSERT_TRUE(window().ComPort->isOpen());

    const std::size_t residentBefore = residentBytes();
    std::size_t residentPeak = residentBefore;
    FloodWriter writer(device.masterFd(), Noise(20240506));
    QElapsedTimer clock;
    clock.start();
    while ((!writer.done() || bytesHandled < writer.nonNulBytesWritten()) &&
           clock.elapsed() < kFloodLimitMs) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        residentPeak = std::max(residentPeak, residentBytes());
    }
    writer.stop();
    std::cout << "[ figures  ] " << writer.bytesWritten() << " bytes written, "
              << writer.nonNulBytesWritten() << " not NUL, " << bytesHandled << " handled in "
              << receiveEvents << " events, " << validFrames << " valid frames; largest buffer "
              << largestBufferLeft << " bytes; resident " << residentBefore / 1024 << " KiB, peak "
              << residentPeak / 1024 << " KiB; error reports "
              << window().ComPort->errorEventCount() << "\n";

    ASSERT_TRUE(writer.finished())
        << "the window stopped taking bytes after " << writer.bytesWritten();
    EXPECT_EQ(writer.bytesWritten(), kNoiseBytes);
    EXPECT_EQ(bytesHandled, writer.nonNulBytesWritten());
    EXPECT_LE(largestBufferLeft, bufferBound());
    if (kResidentSizeShowsGrowth) {
        EXPECT_LT(residentPeak, residentBefore + kMemoryGrowthBound);
    }
    EXPECT_TRUE(window().ComPort->isOpen());
    EXPECT_EQ(window().ComPort->releasedCount(), 0);

    ASSERT_NO_FATAL_FAILURE(expectFramesTakenAgain(device, "7,21"));
    ASSERT_NO_FATAL_FAILURE(expectShown(device, "7,22"));
}

} // namespace
} // namespace tivrel::test
