#pragma once

#include "tools/Faults.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tivrel::sim {

// A fault to perform in place of, or beside, frame `frame` (counting from 1).
struct ScheduledFault {
    long frame = 0;
    FaultKind kind = FaultKind::Broken;

    bool operator==(const ScheduledFault&) const = default;
};

struct SimOptions {
    std::string linkPath;
    int intervalMs = 1000;
    std::optional<std::uint32_t> seed;
    std::optional<long> frameLimit;
    std::vector<ScheduledFault> faults;
    std::string controlPath;
    std::optional<int> reopenMs;
    std::string echoPath;
    bool showHelp = false;
};

struct ParsedOptions {
    SimOptions options;
    std::string error; // empty when the command line was understood
};

// Reads the command line (argv[0] is the program's name). Options take their value as the next
// argument or after "=".
ParsedOptions parseOptions(const std::vector<std::string>& args);

std::string usageText();

} // namespace tivrel::sim
