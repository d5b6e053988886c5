#include "tools/Faults.h"

namespace tivrel::sim {

std::optional<FaultKind> faultKindFromName(std::string_view name) {
    if (name == "broken")
        return FaultKind::Broken;
    if (name == "noeol")
        return FaultKind::NoEol;
    if (name == "nul")
        return FaultKind::Nul;
    if (name == "burst")
        return FaultKind::Burst;
    if (name == "hangup")
        return FaultKind::Hangup;
    return std::nullopt;
}

std::string brokenFrame(std::string frame) {
    const auto lineEnd = frame.find("\r\n");
    const auto comma = frame.find(',');
    if (comma < lineEnd)
        frame[comma] = '.';
    return frame;
}

std::string noEolBytes() {
    static constexpr std::string_view alphabet =
        "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    std::string bytes;
    for (std::size_t i = 0; i < kNoEolLength; ++i)
        bytes += alphabet[i % alphabet.size()];
    return bytes;
}

std::string withNulBytes(std::string_view bytes) {
    std::string out;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (i > 0)
            out += '\0';
        out += bytes[i];
    }
    return out;
}

} // namespace tivrel::sim
