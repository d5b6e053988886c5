#include "tools/DevicePty.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>
#include <vector>

namespace tivrel::sim {

bool DevicePty::open(std::string& error) {
    close();
    master_ = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    char name[256];
    if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0 ||
        ptsname_r(master_, name, sizeof name) != 0) {
        error = std::string("cannot make a pseudo-terminal: ") + std::strerror(errno);
        close();
        return false;
    }
    slavePath_ = name;
    slaveKeeper_ = ::open(name, O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    termios tio{};
    if (slaveKeeper_ < 0 || tcgetattr(slaveKeeper_, &tio) != 0) {
        error = "cannot open " + slavePath_ + ": " + std::strerror(errno);
        close();
        return false;
    }
    // Raw: bytes pass unchanged both ways, and nothing the program writes is echoed back.
    cfmakeraw(&tio);
    tcsetattr(slaveKeeper_, TCSANOW, &tio);
    queuedAfterSend_ = 0;
    return true;
}

void DevicePty::close() {
    if (master_ >= 0)
        ::close(master_);
    if (slaveKeeper_ >= 0)
        ::close(slaveKeeper_);
    master_ = -1;
    slaveKeeper_ = -1;
}

void DevicePty::send(std::string_view bytes) {
    while (master_ >= 0 && !bytes.empty()) {
        const ssize_t n = ::write(master_, bytes.data(), bytes.size());
        if (n > 0)
            bytes.remove_prefix(static_cast<std::size_t>(n));
        else if (n < 0 && errno == EINTR)
            continue;
        else
            break; // full (EAGAIN) or gone (EIO): the rest is lost
    }
    queuedAfterSend_ = queuedForSlave();
    lastSend_ = std::chrono::steady_clock::now();
}

std::size_t DevicePty::queuedForSlave() const {
    int queued = 0;
    if (slaveKeeper_ < 0 || ioctl(slaveKeeper_, FIONREAD, &queued) != 0 || queued < 0)
        return 0;
    return static_cast<std::size_t>(queued);
}

void DevicePty::dropUnreadBacklog(std::chrono::milliseconds age) {
    const std::size_t queued = queuedForSlave();
    if (queued > 0 && queued >= queuedAfterSend_ &&
        std::chrono::steady_clock::now() - lastSend_ >= age) {
        tcflush(slaveKeeper_, TCIFLUSH);
        queuedAfterSend_ = 0;
    }
}

bool pointLink(const std::string& linkPath, const std::string& target, std::string& error) {
    struct stat st {};
    if (lstat(linkPath.c_str(), &st) == 0 && !S_ISLNK(st.st_mode)) {
        error = linkPath + " exists and is not a symbolic link";
        return false;
    }
    // Made aside and renamed over the old link, so the path never stops existing.
    const std::string temporary = linkPath + ".new." + std::to_string(getpid());
    ::unlink(temporary.c_str());
    if (symlink(target.c_str(), temporary.c_str()) != 0 ||
        rename(temporary.c_str(), linkPath.c_str()) != 0) {
        error = "cannot make the link " + linkPath + ": " + std::strerror(errno);
        ::unlink(temporary.c_str());
        return false;
    }
    return true;
}

void removeLinkTo(const std::string& linkPath, const std::string& target) {
    std::vector<char> buffer(target.size() + 2);
    const ssize_t n = readlink(linkPath.c_str(), buffer.data(), buffer.size());
    if (n >= 0 && std::string(buffer.data(), static_cast<std::size_t>(n)) == target)
        ::unlink(linkPath.c_str());
}

} // namespace tivrel::sim
