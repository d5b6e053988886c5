#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace tivrel::bench {

using Clock = std::chrono::steady_clock;

// Line 0 of frame `sequence`: the number modulo 1000 written as a pH, "d,dd" (frame 7 reads
// 0,07, frame 1234 reads 2,34), so that the receiving side can tell the frames apart.
std::string sequenceLine(long sequence);
// The number back from a shown line 0 ("2.34" or "2,34"), or -1 for any other text.
int sequenceCode(const std::string& line);
// Frame `sequence` as the device sends it: twelve lines, each ended by CR LF.
std::string sequenceFrame(long sequence);

// The device side of a benchmark run: a thread that writes numbered frames to a pseudo-terminal
// master at the line's rate, and remembers when the last byte of each frame went out.
class PacedWriter {
public:
    struct Plan {
        long frames = 0;                  // frames 1..frames are measured
        double bytesPerSecond = 1920;     // 19200 bit/s with 8N1 framing
        std::chrono::milliseconds period; // a frame starts every period; 0 for back to back
        std::chrono::milliseconds warmUp; // quiet time after frame 0, which start-up drops
        std::size_t chunkBytes = 0;       // 0: whole lines, the two end markers together
    };

    PacedWriter(int masterFd, Plan plan);
    ~PacedWriter();
    PacedWriter(const PacedWriter&) = delete;
    PacedWriter& operator=(const PacedWriter&) = delete;

    void start();
    bool finished() const { return finished_.load(std::memory_order_acquire); }
    void join();

    // When the last byte of frame `sequence` was handed to the pseudo-terminal; nothing (a
    // zero time point) while it has not been written.
    Clock::time_point lastByteTime(long sequence) const;
    // When frame 1 started and the last frame ended, for the streaming period's length.
    Clock::time_point streamStart() const { return Clock::time_point(Clock::duration(start_)); }
    Clock::time_point streamEnd() const { return Clock::time_point(Clock::duration(end_)); }
    // CPU time of the whole process over the streaming period, and the writer thread's own
    // share of it (the rest is the window's, with Qt's event loop).
    std::chrono::microseconds processCpu() const { return std::chrono::microseconds(processUs_); }
    std::chrono::microseconds writerCpu() const { return std::chrono::microseconds(writerUs_); }

    // Called on the writer thread once the last frame is out.
    std::function<void()> onFinished;

private:
    void run();
    void writeAll(const char* bytes, std::size_t size);

    int master_;
    Plan plan_;
    std::thread thread_;
    std::unique_ptr<std::atomic<Clock::rep>[]> lastByte_;
    std::atomic<Clock::rep> start_{0};
    std::atomic<Clock::rep> end_{0};
    std::atomic<std::int64_t> processUs_{0};
    std::atomic<std::int64_t> writerUs_{0};
    std::atomic<bool> finished_{false};
};

} // namespace tivrel::bench
