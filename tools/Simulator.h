#pragma once

#include "tools/CommandDecoder.h"
#include "tools/DevicePty.h"
#include "tools/PhDrift.h"
#include "tools/SimOptions.h"

#include <chrono>
#include <optional>
#include <string>

namespace tivrel::sim {

// The device as a whole: sends frames on its clock, takes commands, performs faults, and
// keeps the link pointing at its current pseudo-terminal.
class Simulator {
public:
    explicit Simulator(SimOptions options);
    ~Simulator();
    Simulator(const Simulator&) = delete;
    Simulator& operator=(const Simulator&) = delete;

    // Runs until the frame limit, a hang-up without reopening, "quit" or SIGINT/SIGTERM.
    // Returns the exit status.
    int run();

private:
    using Clock = std::chrono::steady_clock;

    bool setUp();
    bool openDevice();
    void tearDown();
    int pollTimeoutMs(Clock::time_point now) const;

    void readCommands(Clock::time_point now);
    void readControl();
    void perform(std::string_view controlLine);
    void frameSlot();
    void performFault(FaultKind kind);
    void hangUp();
    std::string currentFrame() const;

    SimOptions options_;
    std::chrono::milliseconds interval_;
    DevicePty pty_;
    CommandDecoder decoder_;
    PhDrift drift_;
    DeviceSettings settings_;

    long framesSent_ = 0;
    bool stop_ = false;
    int exitCode_ = 0;
    std::string linkedTarget_; // where the link was last pointed
    Clock::time_point nextFrame_;
    std::optional<Clock::time_point> reopenAt_;
    Clock::time_point masterQuietUntil_;

    int echoFd_ = -1;
    int controlFd_ = -1;
    bool madeControlFifo_ = false;
    std::string controlBuffer_;
};

} // namespace tivrel::sim
