#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tivrel::sim {

// The ways the simulator can misbehave on demand.
enum class FaultKind {
    Broken, // a frame whose line 0 has a point instead of the comma
    NoEol,  // 200 bytes of digits and letters without any line end
    Nul,    // a valid frame with NUL bytes between its characters
    Burst,  // 20 frames back to back
    Hangup, // the device vanishes
};

inline constexpr int kBurstFrames = 20;
inline constexpr std::size_t kNoEolLength = 200;

std::optional<FaultKind> faultKindFromName(std::string_view name);

// `frame` with the comma of its line 0 turned into a point, so that the frame is invalid.
std::string brokenFrame(std::string frame);

// A run of digits and letters with no line end, the length of a garbled transmission.
std::string noEolBytes();

// `bytes` with a NUL between every two characters.
std::string withNulBytes(std::string_view bytes);

} // namespace tivrel::sim
