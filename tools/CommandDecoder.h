#pragma once

#include "tools/DeviceSettings.h"

#include <chrono>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

namespace tivrel::sim {

// Something the command stream asked the device to do.
struct CommandEvent {
    enum class Kind { ApplySettings, FactoryReset };
    Kind kind;
    DeviceSettings settings; // the settings in force afterwards, already limited to the ranges

    bool operator==(const CommandEvent&) const = default;
};

// Turns the bytes the program writes into device commands. The stream has no separators: it is
// cut into three-digit tokens, and commands are recognised on whole windows of tokens, because
// "111" and "222" are also valid field values inside a settings send (a margin of 1,11).
class CommandDecoder {
public:
    using Millis = std::chrono::milliseconds;

    // A partial token left this long is a remnant of an interrupted element, not a beginning.
    static constexpr Millis kStalePartial{300};

    // Takes bytes that arrived at `now` (any monotonic time); returns the commands they completed.
    std::vector<CommandEvent> feed(std::string_view bytes, Millis now);

private:
    void takeToken(int token, std::vector<CommandEvent>& events);
    bool lastTokensAre(int token, std::size_t count) const;

    std::string partial_;
    Millis partialSince_{0};
    std::deque<int> tokens_; // the most recent tokens, enough for one settings send
};

} // namespace tivrel::sim
