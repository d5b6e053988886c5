// One window, left running as next to the aquarium, through a hundred connections whose device
// vanishes in the middle of a frame, and through a device that vanishes in the middle of a flood:
// every time the port lets go of the dead device at once, without spinning on its errors, the
// switch still disconnects, and nothing piles up.

#include "platform/ComPort.h"
#include "platform/Switch.h"
#include "tests/stress/FloodWriter.h"
#include "tests/stress/ProcessFigures.h"
#include "tests/stress/StressWindow.h"

#include <QCoreApplication>
#include <QLabel>
#include <QTest>
#include <iostream>
#include <memory>

namespace tivrel::test {
namespace {

constexpr int kCycles = 100;
constexpr int kSettleCycles = 10; // the figures are compared from here on
// Opening a pseudo-terminal reports the refused DTR and RTS lines, and the vanishing device a
// read error or two; a port that spun on the error would report thousands in a cycle.
constexpr long kErrorReportsPerCycle = 8;
// Ninety cycles move the resident size by a few pages (heap arenas, Qt's caches), which a
// generous bound absorbs on any machine; a leak of 48 KB or more a cycle (a read buffer or a
// notifier kept per connection) passes it. Slower leaks are LeakSanitizer's job in the
// sanitizer build, and a descriptor kept per cycle is counted exactly below.
constexpr std::size_t kMemoryGrowthBound = 4 * 1024 * 1024;

// A pH line of its own for each frame, so that a frame shown late or twice would be seen.
std::string phFor(int cycle, int frame) {
    const int hundredths = (cycle * 3 + frame) % 100;
    return "7," + std::to_string(hundredths / 10) + std::to_string(hundredths % 10);
}

using VanishingDevice = StressWindow;

TEST_F(VanishingDevice, AHundredConnectionsEndingInAVanishedDeviceLeaveTheWindowWorking) {
    std::size_t residentAtSettle = 0;
    int descriptorsAtSettle = 0;
    long errorReportsAtSettle = 0;

    // One window through all cycles, as the program lives for weeks; a fresh window per cycle
    // would hide whatever the window and its port gather. The state file names the port only
    // at creation, so each new device is given as the port buttons give a name.
    for (int cycle = 1; cycle <= kCycles; ++cycle) {
        SCOPED_TRACE("cycle " + std::to_string(cycle));
        auto device = std::make_unique<Pty>();
        pointAt(*device);
        clickSwitch();
        ASSERT_TRUE(window().ComPort->isOpen());
        expectConnectedState(true);

        ASSERT_NO_FATAL_FAILURE(expectFramesTakenAgain(*device, phFor(cycle, 1)));
        ASSERT_NO_FATAL_FAILURE(expectShown(*device, phFor(cycle, 2)));
        ASSERT_NO_FATAL_FAILURE(expectShown(*device, phFor(cycle, 3)));

        // Half a frame, then the device is gone. Every other cycle the window has read the half
        // before; otherwise the bytes and the hang-up come to the port together.
        const std::string halfFrame = onWire(validFrame(phFor(cycle, 4))).substr(0, 31);
        if (cycle % 2 == 0)
            ASSERT_NO_FATAL_FAILURE(deliverInOneEvent(*device, halfFrame));
        else
            device->write(halfFrame);
        device->closeMaster();
        ASSERT_TRUE(waitFor([&] { return !window().ComPort->isOpen(); }, 1000))
            << "the port still holds the vanished device";
        EXPECT_EQ(window().ComPort->releasedCount(), cycle);

        clickSwitch();
        expectConnectedState(false);
        // The port, its device and its errors are gone: no message for the user either.
        ASSERT_TRUE(desktop.errors.isEmpty()) << desktop.errors.join(u'\n').toStdString();

        device.reset();
        ASSERT_FALSE(HasFailure()) << "stopped at the first cycle that failed";
        if (cycle == kSettleCycles) {
            residentAtSettle = residentBytes();
            descriptorsAtSettle = openDescriptors();
            errorReportsAtSettle = window().ComPort->errorEventCount();
        }
    }
    const std::size_t residentAtEnd = residentBytes();
    const int descriptorsAtEnd = openDescriptors();
    const long errorReports = window().ComPort->errorEventCount();
    std::cout << "[ figures  ] resident after cycle " << kSettleCycles << ": "
              << residentAtSettle / 1024 << " KiB, after cycle " << kCycles << ": "
              << residentAtEnd / 1024 << " KiB; descriptors " << descriptorsAtSettle << " / "
              << descriptorsAtEnd << "; error reports " << errorReportsAtSettle << " / "
              << errorReports << "; devices released " << window().ComPort->releasedCount()
              << "; valid frames " << validFrames << " in " << receiveEvents << " events\n";

    EXPECT_EQ(window().ComPort->releasedCount(), kCycles);
    EXPECT_LE(errorReports, kErrorReportsPerCycle * kCycles);
    if (kResidentSizeShowsGrowth) {
        EXPECT_LT(residentAtEnd, residentAtSettle + kMemoryGrowthBound);
    }
    // Every pseudo-terminal of the cycles is closed by now: a descriptor that the port kept of a
    // released device would show here ninety times.
    EXPECT_EQ(descriptorsAtEnd, descriptorsAtSettle);
    EXPECT_GE(validFrames, 3L * kCycles);

    // Still the same window, still taking frames from a new device.
    Pty device;
    pointAt(device);
    clickSwitch();
    ASSERT_TRUE(window().ComPort->isOpen());
    ASSERT_NO_FATAL_FAILURE(expectFramesTakenAgain(device, "6,54"));
    clickSwitch();
    expectConnectedState(false);
}

TEST_F(VanishingDevice, ADeviceVanishingWithAFullInputQueueIsReleasedAtOnce) {
    auto device = std::make_unique<Pty>();
    pointAt(*device);
    clickSwitch();
    ASSERT_TRUE(window().ComPort->isOpen());

    // A megabyte of frames as fast as they go; the device vanishes the moment the last is
    // written, while the window still has a queue of them to read.
    constexpr long kFloodBytes = 1024 * 1024;
    long queued = 0;
    FloodWriter writer(device->masterFd(), [&queued](std::string& chunk) {
        if (queued >= kFloodBytes)
            return false;
        chunk = onWire(validFrame("7,11"));
        queued += static_cast<long>(chunk.size());
        return true;
    });
    while (!writer.done())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    ASSERT_TRUE(writer.finished());
    device->closeMaster();
    const long reportsBefore = window().ComPort->errorEventCount();
    ASSERT_TRUE(waitFor([&] { return !window().ComPort->isOpen(); }, 1000))
        << "the port still holds the vanished device";
    QTest::qWait(200);
    EXPECT_EQ(window().ComPort->releasedCount(), 1);
    EXPECT_LE(window().ComPort->errorEventCount() - reportsBefore, 3);
    EXPECT_LE(largestBufferLeft, bufferBound());

    clickSwitch();
    expectConnectedState(false);
    device = std::make_unique<Pty>();
    pointAt(*device);
    clickSwitch();
    ASSERT_TRUE(window().ComPort->isOpen());
    ASSERT_NO_FATAL_FAILURE(expectFramesTakenAgain(*device, "7,12"));
}

} // namespace
} // namespace tivrel::test
