#pragma once

#include <chrono>
#include <cstddef>
#include <string>
#include <string_view>

namespace tivrel::sim {

// The device's end of a pseudo-terminal: the simulator talks on the master side, the program
// opens the slave side as its serial port.
class DevicePty {
public:
    DevicePty() = default;
    ~DevicePty() { close(); }
    DevicePty(const DevicePty&) = delete;
    DevicePty& operator=(const DevicePty&) = delete;

    // Makes a new pseudo-terminal in raw mode. On failure returns false and says why in `error`.
    bool open(std::string& error);
    // Closes both sides: the slave device disappears and its readers see a hang-up.
    void close();

    bool isOpen() const { return master_ >= 0; }
    int masterFd() const { return master_; }
    const std::string& slavePath() const { return slavePath_; }

    // Writes without blocking; what the slave's queue cannot take is dropped, as a device's
    // transmitter does not wait for a listener.
    void send(std::string_view bytes);

    // Drops what was sent at least `age` ago when no one has read any of it since: a serial
    // port that nobody has open loses what the device sends, and the program should not find a
    // backlog of old frames when it opens the port.
    void dropUnreadBacklog(std::chrono::milliseconds age);

private:
    std::size_t queuedForSlave() const;

    int master_ = -1;
    int slaveKeeper_ = -1; // keeps the pseudo-terminal and its raw mode while the port is closed
    std::string slavePath_;
    std::size_t queuedAfterSend_ = 0;
    std::chrono::steady_clock::time_point lastSend_;
};

// Points the symbolic link `linkPath` at `target`, replacing an existing symbolic link in one
// step (never a file that is not a link). Returns false and says why in `error`.
bool pointLink(const std::string& linkPath, const std::string& target, std::string& error);

// Removes `linkPath` if it is still a symbolic link to `target`: another simulator may have
// taken the path over since.
void removeLinkTo(const std::string& linkPath, const std::string& target);

} // namespace tivrel::sim
