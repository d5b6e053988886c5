#include "tools/PhDrift.h"

#include <algorithm>
#include <cmath>

namespace tivrel::sim {

namespace {

constexpr double kLowest = 4.00;
constexpr double kHighest = 9.99;
constexpr double kNoise = 0.02;        // largest random change per frame
constexpr double kPull = 0.02;         // share of the distance to the range's middle per frame
constexpr double kOutputEffect = 0.03; // change per frame while an output is on

} // namespace

PhDrift::PhDrift(std::uint32_t seed, int startHundredths)
    : random_(seed), ph_(std::clamp(startHundredths / 100.0, kLowest, kHighest)) {
    current_.phHundredths = static_cast<int>(std::lround(ph_ * 100.0));
}

Measurement PhDrift::step(const DeviceSettings& settings) {
    const double middle = (settings.phMinHundredths + settings.phMaxHundredths) / 200.0;
    std::uniform_real_distribution<double> noise(-kNoise, kNoise);
    ph_ += noise(random_) + kPull * (middle - ph_);
    if (current_.co2On)
        ph_ -= kOutputEffect;
    if (current_.o2On)
        ph_ += kOutputEffect;
    ph_ = std::clamp(ph_, kLowest, kHighest);

    current_.phHundredths = static_cast<int>(std::lround(ph_ * 100.0));
    current_.co2On = current_.phHundredths > settings.phMaxHundredths;
    current_.o2On = current_.phHundredths < settings.phMinHundredths;
    return current_;
}

} // namespace tivrel::sim
