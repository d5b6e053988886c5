#include "SimProcess.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <poll.h>
#include <spawn.h>
#include <stdexcept>
#include <sys/wait.h>
#include <termios.h>
#include <thread>
#include <unistd.h>
#include <utility>

extern char** environ;

namespace tivrel::test {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

namespace {

int msLeft(Clock::time_point deadline) {
    const auto left = std::chrono::ceil<milliseconds>(deadline - Clock::now()).count();
    return left > 0 ? static_cast<int>(left) : 0;
}

} // namespace

SimProcess::SimProcess(const std::vector<std::string>& args) {
    int out[2];
    if (pipe2(out, O_CLOEXEC) != 0)
        throw std::runtime_error("pipe failed");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    std::vector<std::string> all{TIVREL_SIM_BINARY};
    all.insert(all.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& a : all)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    const int rc = posix_spawn(&pid_, TIVREL_SIM_BINARY, &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    stdout_ = out[0];
    if (rc != 0)
        throw std::runtime_error("cannot start " TIVREL_SIM_BINARY);
}

SimProcess::~SimProcess() {
    if (!exitStatus_) {
        signal(SIGKILL);
        waitForExit(milliseconds(5000));
    }
    close(stdout_);
}

std::optional<std::string> SimProcess::nextLine(milliseconds timeout) {
    const auto deadline = Clock::now() + timeout;
    for (;;) {
        if (const auto end = pending_.find('\n'); end != std::string::npos) {
            std::string line = pending_.substr(0, end);
            pending_.erase(0, end + 1);
            return line;
        }
        pollfd p{stdout_, POLLIN, 0};
        if (poll(&p, 1, msLeft(deadline)) <= 0)
            return std::nullopt;
        char buffer[512];
        const ssize_t n = read(stdout_, buffer, sizeof buffer);
        if (n <= 0)
            return std::nullopt;
        pending_.append(buffer, static_cast<std::size_t>(n));
    }
}

void SimProcess::signal(int signalNumber) {
    if (!exitStatus_)
        kill(pid_, signalNumber);
}

std::optional<int> SimProcess::waitForExit(milliseconds timeout) {
    const auto deadline = Clock::now() + timeout;
    while (!exitStatus_) {
        int status = 0;
        if (waitpid(pid_, &status, WNOHANG) == pid_)
            exitStatus_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        else if (Clock::now() >= deadline)
            break;
        else
            std::this_thread::sleep_for(milliseconds(10));
    }
    return exitStatus_;
}

TempFolder::TempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "tivrel-sim-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

SerialEnd::SerialEnd(const std::string& path) {
    fd_ = open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd_ < 0)
        return;
    termios tio{};
    tcgetattr(fd_, &tio);
    cfmakeraw(&tio);
    cfsetspeed(&tio, B19200);
    tcsetattr(fd_, TCSANOW, &tio);
}

SerialEnd::~SerialEnd() {
    if (fd_ >= 0)
        close(fd_);
}

void SerialEnd::write(const std::string& bytes) {
    if (fd_ < 0 || ::write(fd_, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size()))
        throw std::runtime_error("write to the serial link failed");
}

bool SerialEnd::readSome(milliseconds timeout) {
    if (fd_ < 0 || ended_)
        return false;
    pollfd p{fd_, POLLIN, 0};
    if (poll(&p, 1, static_cast<int>(timeout.count())) <= 0)
        return true;
    char buffer[4096];
    const ssize_t n = read(fd_, buffer, sizeof buffer);
    if (n > 0) {
        pending_.append(buffer, static_cast<std::size_t>(n));
    } else if (n == 0 || (errno != EAGAIN && errno != EINTR)) {
        ended_ = true;
        endErrno_ = n == 0 ? 0 : errno;
    }
    return !ended_;
}

std::optional<std::string> SerialEnd::readThrough(const std::string& needle, milliseconds timeout) {
    const auto deadline = Clock::now() + timeout;
    for (;;) {
        if (const auto at = pending_.find(needle); at != std::string::npos) {
            std::string through = pending_.substr(0, at + needle.size());
            pending_.erase(0, at + needle.size());
            return through;
        }
        if (Clock::now() >= deadline || !readSome(milliseconds(msLeft(deadline))))
            return std::nullopt;
    }
}

std::optional<std::vector<std::string>> SerialEnd::nextFrame(milliseconds timeout) {
    const auto text = readThrough("*\r\n*\r\n", timeout);
    if (!text)
        return std::nullopt;
    std::vector<std::string> lines;
    for (std::size_t start = 0; start < text->size();) {
        const auto end = text->find("\r\n", start);
        lines.push_back(text->substr(start, end - start));
        start = end + 2;
    }
    // What came before may be the tail of a frame the port was opened in the middle of.
    if (lines.size() > 12)
        lines.erase(lines.begin(), lines.end() - 12);
    return lines;
}

std::string SerialEnd::readToEnd(milliseconds timeout, bool& ended) {
    const auto deadline = Clock::now() + timeout;
    while (Clock::now() < deadline && readSome(milliseconds(msLeft(deadline)))) {
    }
    ended = ended_;
    return std::exchange(pending_, std::string());
}

} // namespace tivrel::test
