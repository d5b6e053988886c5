#include "bench/PacedWriter.h"

#include <cerrno>
#include <poll.h>
#include <stdexcept>
#include <sys/resource.h>
#include <unistd.h>

namespace tivrel::bench {

namespace {

const char* const kFrameRest[] = {"6,90", "7,10", "12,5", "8", "20", "1", "0", "100", "10"};

std::int64_t cpuMicroseconds(int who) {
    rusage usage{};
    getrusage(who, &usage);
    return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1'000'000LL + usage.ru_utime.tv_usec +
           usage.ru_stime.tv_usec;
}

// The pieces in which frame bytes reach the pseudo-terminal: whole lines by default, the two
// end markers together. The frame is taken on the first "*": a second "*" that came in a later
// receive event would make the frame invalid whatever the program's speed, which is a property
// of the receive rules, not of the program. With a chunk size, fixed-size pieces of the frame
// instead (the last one shorter), to see what such a delivery costs.
std::vector<std::string> piecesOf(const std::string& frame, std::size_t chunkBytes) {
    std::vector<std::string> pieces;
    if (chunkBytes > 0) {
        for (std::size_t at = 0; at < frame.size(); at += chunkBytes)
            pieces.push_back(frame.substr(at, chunkBytes));
        return pieces;
    }
    const std::size_t markers = frame.size() - 6; // "*" CR LF "*" CR LF
    std::size_t at = 0;
    while (at < markers) {
        const std::size_t end = frame.find("\r\n", at) + 2;
        pieces.push_back(frame.substr(at, end - at));
        at = end;
    }
    pieces.push_back(frame.substr(markers));
    return pieces;
}

} // namespace

std::string sequenceLine(long sequence) {
    const long code = sequence % 1000;
    const long hundredths = code % 100;
    return std::to_string(code / 100) + "," + (hundredths < 10 ? "0" : "") +
           std::to_string(hundredths);
}

int sequenceCode(const std::string& line) {
    auto digit = [&](std::size_t i) { return line[i] >= '0' && line[i] <= '9'; };
    if (line.size() != 4 || !digit(0) || !(line[1] == '.' || line[1] == ',') || !digit(2) ||
        !digit(3))
        return -1;
    return (line[0] - '0') * 100 + (line[2] - '0') * 10 + (line[3] - '0');
}

std::string sequenceFrame(long sequence) {
    std::string frame = sequenceLine(sequence) + "\r\n";
    for (const char* line : kFrameRest)
        frame += std::string(line) + "\r\n";
    return frame + "*\r\n*\r\n";
}

PacedWriter::PacedWriter(int masterFd, Plan plan)
    : master_(masterFd), plan_(plan), lastByte_(std::make_unique<std::atomic<Clock::rep>[]>(
                                          static_cast<std::size_t>(plan.frames + 1))) {
    for (long i = 0; i <= plan_.frames; ++i)
        lastByte_[static_cast<std::size_t>(i)].store(0);
}

PacedWriter::~PacedWriter() {
    join();
}

void PacedWriter::start() {
    thread_ = std::thread([this] { run(); });
}

void PacedWriter::join() {
    if (thread_.joinable())
        thread_.join();
}

Clock::time_point PacedWriter::lastByteTime(long sequence) const {
    if (sequence < 0 || sequence > plan_.frames)
        return {};
    return Clock::time_point(Clock::duration(
        lastByte_[static_cast<std::size_t>(sequence)].load(std::memory_order_acquire)));
}

void PacedWriter::writeAll(const char* bytes, std::size_t size) {
    while (size > 0) {
        const ssize_t n = ::write(master_, bytes, size);
        if (n > 0) {
            bytes += n;
            size -= static_cast<std::size_t>(n);
        } else if (n < 0 && (errno == EAGAIN || errno == EINTR)) {
            pollfd p{master_, POLLOUT, 0};
            poll(&p, 1, 100);
        } else {
            throw std::runtime_error("write to the pseudo-terminal failed");
        }
    }
}

void PacedWriter::run() {
    const std::string warmUp = sequenceFrame(0);
    writeAll(warmUp.data(), warmUp.size());
    std::this_thread::sleep_for(plan_.warmUp);

    const auto byteTime = [&](std::size_t bytes) {
        return std::chrono::duration_cast<Clock::duration>(
            std::chrono::duration<double>(static_cast<double>(bytes) / plan_.bytesPerSecond));
    };
    const std::int64_t processBefore = cpuMicroseconds(RUSAGE_SELF);
    const std::int64_t writerBefore = cpuMicroseconds(RUSAGE_THREAD);
    const Clock::time_point t0 = Clock::now();
    start_.store(t0.time_since_epoch().count());
    std::size_t bytesSoFar = 0; // since t0, for back-to-back frames
    for (long sequence = 1; sequence <= plan_.frames; ++sequence) {
        const std::string frame = sequenceFrame(sequence);
        const bool backToBack = plan_.period.count() == 0;
        const Clock::time_point frameStart =
            backToBack ? t0 + byteTime(bytesSoFar) : t0 + (sequence - 1) * plan_.period;
        const std::vector<std::string> pieces = piecesOf(frame, plan_.chunkBytes);
        std::size_t inFrame = 0;
        for (std::size_t i = 0; i < pieces.size(); ++i) {
            const std::string& piece = pieces[i];
            inFrame += piece.size();
            // A piece is there once its last byte has come down the line.
            std::this_thread::sleep_until(frameStart + byteTime(inFrame));
            if (i + 1 == pieces.size())
                // Taken before the write, so the receiving side never sees the frame before
                // its time; the write's own few microseconds count to the latency.
                lastByte_[static_cast<std::size_t>(sequence)].store(
                    Clock::now().time_since_epoch().count(), std::memory_order_release);
            writeAll(piece.data(), piece.size());
        }
        bytesSoFar += frame.size();
    }
    end_.store(Clock::now().time_since_epoch().count());
    processUs_.store(cpuMicroseconds(RUSAGE_SELF) - processBefore);
    writerUs_.store(cpuMicroseconds(RUSAGE_THREAD) - writerBefore);
    finished_.store(true, std::memory_order_release);
    if (onFinished)
        onFinished();
}

} // namespace tivrel::bench
