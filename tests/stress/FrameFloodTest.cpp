// Thousands of valid frames back to back, as fast as the pseudo-terminal takes them. The
// window takes at most one frame per receive event and loses the rest of that event with the
// emptied buffer, so it cannot show them all; what it shows must each be one whole frame as
// sent, in the order sent, and it must keep up with every byte without growing.

#include "platform/ComPort.h"
#include "tests/stress/FloodWriter.h"
#include "tests/stress/ProcessFigures.h"
#include "tests/stress/StressWindow.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdlib>
#include <iostream>
#include <vector>

namespace tivrel::test {
namespace {

constexpr int kFloodFrames = 20'000;
constexpr std::size_t kMemoryGrowthBound = 4 * 1024 * 1024;
constexpr int kFloodLimitMs = 90'000; // only a stuck window reaches it

// Frame n of the flood: its number in the brightness line, so a shown frame tells which one it
// was, and a pH that changes with it.
Frame floodFrame(int n) {
    const int hundredths = n % 100;
    return validFrame("6," + std::to_string(hundredths / 10) + std::to_string(hundredths % 10),
                      std::to_string(n));
}

// The frames in order, each written by a write of its own, as the device sends them.
class FrameSource {
public:
    bool operator()(std::string& chunk) {
        if (next_ >= kFloodFrames)
            return false;
        chunk = onWire(floodFrame(next_++));
        return true;
    }

private:
    int next_ = 0;
};

using FrameFlood = StressWindow;

TEST_F(FrameFlood, ThousandsOfFramesBackToBackAreTakenWholeAndInOrder) {
    Pty device;
    pointAt(device);
    clickSwitch();
    ASSERT_TRUE(window().ComPort->isOpen());
    ASSERT_NO_FATAL_FAILURE(expectFramesTakenAgain(device, "7,01"));
    const long validBefore = validFrames;
    const long eventsBefore = receiveEvents;
    const long bytesBefore = bytesHandled;

    // Where each frame of the flood begins in the stream, and where the last one ends.
    std::vector<long> frameStarts{0};
    for (int n = 0; n < kFloodFrames; ++n)
        frameStarts.push_back(frameStarts.back() + static_cast<long>(onWire(floodFrame(n)).size()));

    // Every frame the window shows must be one frame as it was sent, later than the last shown.
    // And an event that finds the buffer empty, starts at a frame's first byte and brings the
    // whole frame must show that very frame.
    std::vector<int> shown;
    int notAsSent = 0;
    int wholeFrameEvents = 0;
    int wholeFramesNotShown = 0;
    long eventStart = 0; // in the flood's stream
    bool bufferWasEmpty = true;
    long largestEvent = 0;
    afterEachEvent = [&] {
        const long eventEnd = bytesHandled - bytesBefore;
        largestEvent = std::max(largestEvent, eventEnd - eventStart);
        const auto at = std::lower_bound(frameStarts.begin(), frameStarts.end(), eventStart);
        if (bufferWasEmpty && at != frameStarts.end() && *at == eventStart &&
            at + 1 != frameStarts.end() && *(at + 1) <= eventEnd) {
            ++wholeFrameEvents;
            const int n = static_cast<int>(at - frameStarts.begin());
            if (!window().FrameValid || window().LastFrame != asShown(floodFrame(n)))
                ++wholeFramesNotShown;
        }
        eventStart = eventEnd;
        bufferWasEmpty = window().Memo.text().empty();

        if (!window().FrameValid)
            return;
        const std::string& number = window().LastFrame[8];
        const int n = number.empty() ? -1 : std::atoi(number.c_str());
        if (n < 0 || n >= kFloodFrames || window().LastFrame != asShown(floodFrame(n)))
            ++notAsSent;
        else
            shown.push_back(n);
    };

    const std::size_t residentBefore = residentBytes();
    std::size_t residentPeak = residentBefore;
    FloodWriter writer(device.masterFd(), FrameSource());
    QElapsedTimer clock;
    clock.start();
    while ((!writer.done() || bytesHandled - bytesBefore < writer.bytesWritten()) &&
           clock.elapsed() < kFloodLimitMs) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        residentPeak = std::max(residentPeak, residentBytes());
    }
    writer.stop();
    afterEachEvent = nullptr;
    const long events = receiveEvents - eventsBefore;
    const long framesShown = validFrames - validBefore;
    std::cout << "[ figures  ] " << kFloodFrames << " frames sent (" << writer.bytesWritten()
              << " bytes), " << framesShown << " shown in " << events << " events ("
              << wholeFrameEvents << " began with a whole frame, the largest " << largestEvent
              << " bytes); largest buffer " << largestBufferLeft << " bytes; resident "
              << residentBefore / 1024 << " KiB, peak " << residentPeak / 1024 << " KiB\n";

    ASSERT_TRUE(writer.finished())
        << "the window stopped taking bytes after " << writer.bytesWritten();
    EXPECT_EQ(bytesHandled - bytesBefore, writer.bytesWritten());
    EXPECT_EQ(notAsSent, 0);
    // How the kernel cuts the flood into reads decides how many events can show a frame: few
    // when a loaded machine lets the input pile up into reads of 4 KB that seldom end where a
    // frame ends. So the events are held to what the receive rules say of each cut, not to a
    // fixed share of the frames sent.
    ASSERT_GT(wholeFrameEvents, 0);
    EXPECT_EQ(wholeFramesNotShown, 0);
    EXPECT_GE(framesShown, wholeFrameEvents);
    EXPECT_LE(framesShown, events); // one taking per event at most
    EXPECT_TRUE(std::is_sorted(shown.begin(), shown.end()) &&
                std::adjacent_find(shown.begin(), shown.end()) == shown.end());
    EXPECT_EQ(static_cast<long>(shown.size()), framesShown);
    EXPECT_LE(largestBufferLeft, bufferBound());
    if (kResidentSizeShowsGrowth) {
        EXPECT_LT(residentPeak, residentBefore + kMemoryGrowthBound);
    }

    ASSERT_NO_FATAL_FAILURE(expectFramesTakenAgain(device, "7,43"));
}

} // namespace
} // namespace tivrel::test
