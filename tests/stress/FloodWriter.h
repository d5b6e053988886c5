#pragma once

#include <atomic>
#include <functional>
#include <string>
#include <thread>

namespace tivrel::test {

// Writes bytes into the device side of a pseudo-terminal from a thread of its own, as fast as
// the pseudo-terminal takes them, while the GUI thread runs the window. A pseudo-terminal has
// no baud rate: it takes bytes as soon as the reading side has made room, so this is the
// hardest the window can be pushed, far above the 1920 bytes a second of the real link.
class FloodWriter {
public:
    // `nextChunk` fills in the next bytes to write and returns false when there are no more; it
    // runs on the writer's thread.
    FloodWriter(int masterFd, std::function<bool(std::string&)> nextChunk);
    ~FloodWriter();
    FloodWriter(const FloodWriter&) = delete;
    FloodWriter& operator=(const FloodWriter&) = delete;

    // True once the thread has ended: every chunk written, stopped, or a write failed.
    bool done() const { return done_; }
    // True when every chunk was written.
    bool finished() const { return finished_; }
    long bytesWritten() const { return bytesWritten_; }
    // The bytes written that were not NUL: what the window's port hands on.
    long nonNulBytesWritten() const { return nonNulBytesWritten_; }
    // Ends the thread (a window that stopped reading would otherwise block it for ever).
    void stop();

private:
    void run();
    bool writeAll(const std::string& chunk);

    int fd_;
    std::function<bool(std::string&)> nextChunk_;
    std::atomic<bool> stopping_{false};
    std::atomic<bool> done_{false};
    std::atomic<bool> finished_{false};
    std::atomic<long> bytesWritten_{0};
    std::atomic<long> nonNulBytesWritten_{0};
    std::thread thread_;
};

} // namespace tivrel::test
