#pragma once

#include <chrono>
#include <string>

namespace tivrel::test {

// A pseudo-terminal pair standing in for the device: the program opens slavePath() as its
// serial port, the test writes and reads on the master side.
class Pty {
public:
    Pty();
    ~Pty();
    Pty(const Pty&) = delete;
    Pty& operator=(const Pty&) = delete;

    const std::string& slavePath() const { return slavePath_; }
    int masterFd() const { return master_; }

    // Writes all bytes to the master side.
    void write(const std::string& bytes);
    // Reads what arrives on the master side until `count` bytes came or `timeout` passed.
    std::string read(std::size_t count, std::chrono::milliseconds timeout);
    // Reads whatever arrives until nothing more comes for `quiet`.
    std::string readUntilQuiet(std::chrono::milliseconds quiet);
    // Closes the master side: the device vanishes.
    void closeMaster();
    bool masterOpen() const { return master_ >= 0; }

private:
    int master_ = -1;
    int slaveKeeper_ = -1; // keeps the slave side alive while the program has not opened it
    std::string slavePath_;
};

} // namespace tivrel::test
