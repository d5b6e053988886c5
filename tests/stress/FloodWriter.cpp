#include "tests/stress/FloodWriter.h"

#include <algorithm>
#include <cerrno>
#include <poll.h>
#include <unistd.h>
#include <utility>

namespace tivrel::test {

FloodWriter::FloodWriter(int masterFd, std::function<bool(std::string&)> nextChunk)
    : fd_(masterFd), nextChunk_(std::move(nextChunk)), thread_([this] { run(); }) {}

FloodWriter::~FloodWriter() {
    stop();
}

void FloodWriter::stop() {
    stopping_ = true;
    if (thread_.joinable())
        thread_.join();
}

void FloodWriter::run() {
    std::string chunk;
    while (!stopping_) {
        if (!nextChunk_(chunk)) {
            finished_ = true;
            break;
        }
        if (!writeAll(chunk))
            break;
        bytesWritten_ += static_cast<long>(chunk.size());
        nonNulBytesWritten_ += static_cast<long>(
            std::count_if(chunk.begin(), chunk.end(), [](char c) { return c != '\0'; }));
    }
    done_ = true;
}

bool FloodWriter::writeAll(const std::string& chunk) {
    std::size_t written = 0;
    while (written < chunk.size()) {
        if (stopping_)
            return false;
        const ssize_t n = ::write(fd_, chunk.data() + written, chunk.size() - written);
        if (n > 0) {
            written += static_cast<std::size_t>(n);
        } else if (n < 0 && (errno == EAGAIN || errno == EINTR)) {
            // Full: wait until the window's side has read some, looking at the stop flag often.
            pollfd p{fd_, POLLOUT, 0};
            poll(&p, 1, 100);
        } else {
            return false;
        }
    }
    return true;
}

} // namespace tivrel::test
