#include "tests/support/Pty.h"

#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <stdexcept>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

namespace tivrel::test {

Pty::Pty() {
    master_ = posix_openpt(O_RDWR | O_NOCTTY);
    if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0)
        throw std::runtime_error("cannot open a pseudo-terminal");
    char name[128];
    if (ptsname_r(master_, name, sizeof name) != 0)
        throw std::runtime_error("ptsname failed");
    slavePath_ = name;
    // Raw mode on the slave side so that bytes pass unchanged in both directions.
    slaveKeeper_ = ::open(name, O_RDWR | O_NOCTTY);
    if (slaveKeeper_ >= 0) {
        termios tio{};
        tcgetattr(slaveKeeper_, &tio);
        cfmakeraw(&tio);
        tcsetattr(slaveKeeper_, TCSANOW, &tio);
    }
    fcntl(master_, F_SETFL, fcntl(master_, F_GETFL) | O_NONBLOCK);
}

Pty::~Pty() {
    closeMaster();
    if (slaveKeeper_ >= 0)
        ::close(slaveKeeper_);
}

void Pty::write(const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size() && master_ >= 0) {
        ssize_t n = ::write(master_, bytes.data() + done, bytes.size() - done);
        if (n > 0) {
            done += static_cast<std::size_t>(n);
        } else if (n < 0 && (errno == EAGAIN || errno == EINTR)) {
            pollfd p{master_, POLLOUT, 0};
            poll(&p, 1, 100);
        } else {
            throw std::runtime_error("write to pseudo-terminal failed");
        }
    }
}

std::string Pty::read(std::size_t count, std::chrono::milliseconds timeout) {
    std::string out;
    auto deadline = std::chrono::steady_clock::now() + timeout;
    while (out.size() < count && master_ >= 0) {
        auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0)
            break;
        pollfd p{master_, POLLIN, 0};
        if (poll(&p, 1, static_cast<int>(left.count())) <= 0)
            continue;
        char buf[4096];
        ssize_t n = ::read(master_, buf, std::min(sizeof buf, count - out.size()));
        if (n > 0)
            out.append(buf, static_cast<std::size_t>(n));
        else if (n < 0 && errno != EAGAIN && errno != EINTR)
            break;
    }
    return out;
}

std::string Pty::readUntilQuiet(std::chrono::milliseconds quiet) {
    std::string out;
    while (master_ >= 0) {
        pollfd p{master_, POLLIN, 0};
        if (poll(&p, 1, static_cast<int>(quiet.count())) <= 0)
            break;
        char buf[4096];
        ssize_t n = ::read(master_, buf, sizeof buf);
        if (n > 0)
            out.append(buf, static_cast<std::size_t>(n));
        else if (n < 0 && errno != EAGAIN && errno != EINTR)
            break;
    }
    return out;
}

void Pty::closeMaster() {
    if (master_ >= 0) {
        ::close(master_);
        master_ = -1;
    }
}

} // namespace tivrel::test
