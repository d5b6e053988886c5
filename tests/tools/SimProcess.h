#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <sys/types.h>
#include <vector>

namespace tivrel::test {

// The real tivrel7-sim running as a child process, its standard output read line by line.
class SimProcess {
public:
    explicit SimProcess(const std::vector<std::string>& args);
    ~SimProcess(); // ends a simulator still running
    SimProcess(const SimProcess&) = delete;
    SimProcess& operator=(const SimProcess&) = delete;

    // The next line of output, or nothing when none came within `timeout`.
    std::optional<std::string> nextLine(std::chrono::milliseconds timeout);
    void signal(int signalNumber);
    // The exit status, or nothing when the process still runs after `timeout`.
    std::optional<int> waitForExit(std::chrono::milliseconds timeout);

private:
    pid_t pid_ = -1;
    int stdout_ = -1;
    std::string pending_;
    std::optional<int> exitStatus_;
};

// A folder that exists for one test.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    std::string path(const std::string& name) const { return path_ + "/" + name; }

private:
    std::string path_;
};

// The program's side of the serial link: the linked device opened as a raw serial port.
class SerialEnd {
public:
    explicit SerialEnd(const std::string& path);
    ~SerialEnd();
    SerialEnd(const SerialEnd&) = delete;
    SerialEnd& operator=(const SerialEnd&) = delete;

    bool isOpen() const { return fd_ >= 0; }
    void write(const std::string& bytes);
    // Reads until a whole frame ("*" CR LF "*" CR LF closes it) is in and returns its twelve
    // lines; nothing on timeout or end of input.
    std::optional<std::vector<std::string>> nextFrame(std::chrono::milliseconds timeout);
    // Reads until `needle` is in what came since the last frame or needle, and returns all of
    // that; nothing on timeout or end of input.
    std::optional<std::string> readThrough(const std::string& needle,
                                           std::chrono::milliseconds timeout);
    // Everything until the device hangs up; sets `ended` when it did within `timeout`.
    std::string readToEnd(std::chrono::milliseconds timeout, bool& ended);
    // errno of the last read that ended the input (0 when it read end of file).
    int endErrno() const { return endErrno_; }

private:
    // Reads once, waiting at most `timeout`; false when the input has ended.
    bool readSome(std::chrono::milliseconds timeout);

    int fd_ = -1;
    std::string pending_;
    bool ended_ = false;
    int endErrno_ = 0;
};

} // namespace tivrel::test
