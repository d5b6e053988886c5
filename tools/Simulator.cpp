#include "tools/Simulator.h"

#include "tools/TelemetryFrame.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tivrel::sim {

namespace {

// A signal only writes a byte here; the loop sees it in poll() like any other input, so a
// signal between a check and the wait cannot be missed.
int stopPipe[2] = {-1, -1};

void onStopSignal(int) {
    const int savedErrno = errno;
    [[maybe_unused]] const ssize_t n = write(stopPipe[1], "s", 1);
    errno = savedErrno;
}

// After EIO or a hang-up report on the master the loop looks again only after this pause,
// so that a pseudo-terminal in that state cannot make it spin.
constexpr std::chrono::milliseconds kMasterRetry{100};

std::uint32_t seedFromClock() {
    const auto ticks = std::chrono::system_clock::now().time_since_epoch().count();
    return static_cast<std::uint32_t>(ticks ^ (ticks >> 32) ^ getpid());
}

PhDrift driftFor(const SimOptions& options) {
    const std::uint32_t seed = options.seed.value_or(seedFromClock());
    // Start somewhere about the middle of the factory range, so the first frames look ordinary.
    return PhDrift(seed, 680 + static_cast<int>(seed % 41));
}

void say(const std::string& line) {
    std::fputs((line + "\n").c_str(), stdout);
    std::fflush(stdout);
}

void complain(const std::string& message) {
    std::fputs(("tivrel7-sim: " + message + "\n").c_str(), stderr);
}

void writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = write(fd, bytes.data(), bytes.size());
        if (n > 0)
            bytes.remove_prefix(static_cast<std::size_t>(n));
        else if (!(n < 0 && errno == EINTR))
            return;
    }
}

} // namespace

Simulator::Simulator(SimOptions options)
    : options_(std::move(options)), interval_(options_.intervalMs), drift_(driftFor(options_)) {}

Simulator::~Simulator() {
    tearDown();
}

int Simulator::run() {
    if (!setUp()) {
        tearDown();
        return 1;
    }
    while (!stop_) {
        const auto before = Clock::now();
        // Index 0 is always the stop pipe, so 0 also marks a descriptor not polled this round.
        pollfd fds[3];
        nfds_t count = 0;
        fds[count++] = {stopPipe[0], POLLIN, 0};
        const nfds_t masterIndex = pty_.isOpen() && before >= masterQuietUntil_ ? count++ : 0;
        if (masterIndex)
            fds[masterIndex] = {pty_.masterFd(), POLLIN, 0};
        const nfds_t controlIndex = controlFd_ >= 0 ? count++ : 0;
        if (controlIndex)
            fds[controlIndex] = {controlFd_, POLLIN, 0};

        if (poll(fds, count, pollTimeoutMs(before)) < 0 && errno != EINTR) {
            complain(std::string("poll failed: ") + std::strerror(errno));
            exitCode_ = 1;
            break;
        }
        const auto now = Clock::now();
        if (fds[0].revents & POLLIN)
            stop_ = true;
        if (masterIndex && (fds[masterIndex].revents & POLLIN))
            readCommands(now);
        else if (masterIndex && (fds[masterIndex].revents & (POLLHUP | POLLERR)))
            masterQuietUntil_ = now + kMasterRetry;
        if (controlIndex && (fds[controlIndex].revents & POLLIN))
            readControl();

        if (!stop_ && reopenAt_ && now >= *reopenAt_) {
            reopenAt_.reset();
            if (!openDevice()) {
                exitCode_ = 1;
                break;
            }
            nextFrame_ = now + interval_;
        }
        if (!stop_ && pty_.isOpen() && now >= nextFrame_) {
            frameSlot();
            nextFrame_ += interval_;
            if (nextFrame_ <= now) // fell behind (a stopped process): keep the pace, not a backlog
                nextFrame_ = now + interval_;
        }
    }
    tearDown();
    return exitCode_;
}

bool Simulator::setUp() {
    if (pipe2(stopPipe, O_CLOEXEC | O_NONBLOCK) != 0) {
        complain(std::string("cannot make a pipe: ") + std::strerror(errno));
        return false;
    }
    struct sigaction action {};
    action.sa_handler = onStopSignal;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
    std::signal(SIGPIPE, SIG_IGN);

    if (!options_.echoPath.empty()) {
        echoFd_ = open(options_.echoPath.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
        if (echoFd_ < 0) {
            complain("cannot open " + options_.echoPath + ": " + std::strerror(errno));
            return false;
        }
    }
    if (!options_.controlPath.empty()) {
        const char* path = options_.controlPath.c_str();
        struct stat st {};
        if (lstat(path, &st) != 0) {
            if (mkfifo(path, 0600) != 0) {
                complain("cannot make the FIFO " + options_.controlPath + ": " +
                         std::strerror(errno));
                return false;
            }
            madeControlFifo_ = true;
        } else if (!S_ISFIFO(st.st_mode)) {
            complain(options_.controlPath + " exists and is not a FIFO");
            return false;
        }
        // Open for writing too, so the FIFO never reports end of input between two writers.
        controlFd_ = open(path, O_RDWR | O_NONBLOCK | O_CLOEXEC);
        if (controlFd_ < 0) {
            complain("cannot open " + options_.controlPath + ": " + std::strerror(errno));
            return false;
        }
    }
    if (!openDevice())
        return false;
    nextFrame_ = Clock::now() + interval_;
    return true;
}

bool Simulator::openDevice() {
    std::string error;
    if (!pty_.open(error) || !pointLink(options_.linkPath, pty_.slavePath(), error)) {
        complain(error);
        return false;
    }
    linkedTarget_ = pty_.slavePath();
    masterQuietUntil_ = Clock::now();
    say("tivrel7-sim: " + pty_.slavePath() + " linked at " + options_.linkPath);
    return true;
}

void Simulator::tearDown() {
    if (!linkedTarget_.empty())
        removeLinkTo(options_.linkPath, linkedTarget_);
    linkedTarget_.clear();
    pty_.close();
    for (int* fd : {&echoFd_, &controlFd_, &stopPipe[0], &stopPipe[1]}) {
        if (*fd >= 0)
            close(*fd);
        *fd = -1;
    }
    if (madeControlFifo_)
        unlink(options_.controlPath.c_str());
    madeControlFifo_ = false;
}

int Simulator::pollTimeoutMs(Clock::time_point now) const {
    Clock::time_point deadline;
    if (pty_.isOpen())
        deadline = nextFrame_;
    else if (reopenAt_)
        deadline = *reopenAt_;
    else
        return -1;
    if (pty_.isOpen() && now < masterQuietUntil_)
        deadline = std::min(deadline, masterQuietUntil_);
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - now).count();
    return static_cast<int>(std::clamp<long long>(left, 0, 60'000));
}

void Simulator::readCommands(Clock::time_point now) {
    const auto stamp =
        std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch());
    char buffer[4096];
    for (;;) {
        const ssize_t n = read(pty_.masterFd(), buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && errno == EIO) // the slave side is not open: nothing to read for now
            masterQuietUntil_ = now + kMasterRetry;
        if (n <= 0)
            return;
        const std::string_view bytes(buffer, static_cast<std::size_t>(n));
        if (echoFd_ >= 0)
            writeAll(echoFd_, bytes);
        for (const CommandEvent& event : decoder_.feed(bytes, stamp)) {
            settings_ = event.settings;
            say(event.kind == CommandEvent::Kind::FactoryReset
                    ? std::string("factory reset")
                    : "applied " + fieldsText(settings_));
        }
    }
}

void Simulator::readControl() {
    char buffer[512];
    const ssize_t n = read(controlFd_, buffer, sizeof buffer);
    if (n <= 0)
        return;
    controlBuffer_.append(buffer, static_cast<std::size_t>(n));
    std::size_t end;
    while ((end = controlBuffer_.find('\n')) != std::string::npos) {
        const std::string line = controlBuffer_.substr(0, end);
        controlBuffer_.erase(0, end + 1);
        perform(line);
    }
    if (controlBuffer_.size() > 256) // no command is that long: drop the rubbish
        controlBuffer_.clear();
}

void Simulator::perform(std::string_view line) {
    const auto first = line.find_first_not_of(" \t\r");
    if (first == std::string_view::npos)
        return;
    line = line.substr(first, line.find_last_not_of(" \t\r") - first + 1);
    const auto fault = faultKindFromName(line);
    if (line == "quit")
        stop_ = true;
    else if (line == "frame")
        pty_.send(currentFrame());
    else if (fault)
        performFault(*fault);
    else
        complain("unknown control command \"" + std::string(line) + "\"");
}

void Simulator::frameSlot() {
    // The run ends one interval after the last frame rather than with it: closing the
    // pseudo-terminal at once would take the frame from a reader that has not read it yet.
    if (options_.frameLimit && framesSent_ >= *options_.frameLimit) {
        stop_ = true;
        return;
    }
    ++framesSent_;
    pty_.dropUnreadBacklog(interval_ / 2);
    drift_.step(settings_);
    bool scheduled = false;
    bool hangup = false;
    for (const ScheduledFault& fault : options_.faults) {
        if (fault.frame != framesSent_)
            continue;
        scheduled = true;
        if (fault.kind == FaultKind::Hangup)
            hangup = true; // last, after whatever else this frame carries
        else
            performFault(fault.kind);
    }
    if (!scheduled)
        pty_.send(currentFrame());
    if (hangup)
        hangUp();
}

void Simulator::performFault(FaultKind kind) {
    if (!pty_.isOpen())
        return;
    switch (kind) {
    case FaultKind::Broken:
        pty_.send(brokenFrame(currentFrame()));
        break;
    case FaultKind::NoEol:
        pty_.send(noEolBytes());
        break;
    case FaultKind::Nul:
        pty_.send(withNulBytes(currentFrame()));
        break;
    case FaultKind::Burst:
        for (int i = 0; i < kBurstFrames; ++i)
            pty_.send(currentFrame());
        break;
    case FaultKind::Hangup:
        hangUp();
        break;
    }
}

void Simulator::hangUp() {
    pty_.close(); // the link is left pointing at the vanished device, as a pulled cable does
    if (options_.reopenMs)
        reopenAt_ = Clock::now() + std::chrono::milliseconds(*options_.reopenMs);
    else
        stop_ = true;
}

std::string Simulator::currentFrame() const {
    return buildFrame(settings_, drift_.current());
}

} // namespace tivrel::sim
