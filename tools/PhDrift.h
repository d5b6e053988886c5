#pragma once

#include "tools/DeviceSettings.h"
#include "tools/TelemetryFrame.h"

#include <cstdint>
#include <random>

namespace tivrel::sim {

// The water's pH from frame to frame: a small random walk, drawn gently toward the middle of
// the set range, lowered while CO2 is dosed and raised while O2 is on. The outputs follow the
// pH as the device switches them, so the pH hovers about the range much as in a tank.
class PhDrift {
public:
    PhDrift(std::uint32_t seed, int startHundredths);

    // Advances one frame: moves the pH under the outputs that were on, then switches the
    // outputs for the new pH. Returns the new measurement.
    Measurement step(const DeviceSettings& settings);

    const Measurement& current() const { return current_; }

private:
    std::mt19937 random_;
    double ph_;
    Measurement current_;
};

} // namespace tivrel::sim
