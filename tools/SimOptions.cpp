#include "tools/SimOptions.h"

#include <charconv>
#include <limits>

namespace tivrel::sim {

namespace {

template <typename T> std::optional<T> wholeNumber(std::string_view text, T lowest, T highest) {
    T value{};
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size() || value < lowest ||
        value > highest)
        return std::nullopt;
    return value;
}

std::optional<ScheduledFault> faultFromText(std::string_view text) {
    const auto colon = text.find(':');
    if (colon == std::string_view::npos)
        return std::nullopt;
    const auto frame =
        wholeNumber<long>(text.substr(0, colon), 1, std::numeric_limits<long>::max());
    const auto kind = faultKindFromName(text.substr(colon + 1));
    if (!frame || !kind)
        return std::nullopt;
    return ScheduledFault{*frame, *kind};
}

} // namespace

ParsedOptions parseOptions(const std::vector<std::string>& args) {
    ParsedOptions parsed;
    SimOptions& o = parsed.options;
    constexpr int kMaxMs = 24 * 3600 * 1000;
    for (std::size_t i = 1; i < args.size(); ++i) {
        std::string name = args[i];
        std::optional<std::string> inlineValue;
        if (const auto eq = name.find('='); name.starts_with("--") && eq != std::string::npos) {
            inlineValue = name.substr(eq + 1);
            name.resize(eq);
        }
        if (name == "--help" && !inlineValue) {
            o.showHelp = true;
            continue;
        }
        std::string value;
        if (inlineValue) {
            value = *inlineValue;
        } else if (i + 1 < args.size()) {
            value = args[++i];
        } else {
            parsed.error = "missing value for " + name;
            return parsed;
        }
        const auto bad = [&] {
            parsed.error = "bad value for " + name + ": \"" + value + "\"";
            return parsed;
        };

        if (name == "--link") {
            if (value.empty())
                return bad();
            o.linkPath = value;
        } else if (name == "--interval-ms") {
            const auto ms = wholeNumber<int>(value, 1, kMaxMs);
            if (!ms)
                return bad();
            o.intervalMs = *ms;
        } else if (name == "--seed") {
            const auto seed =
                wholeNumber<std::uint32_t>(value, 0, std::numeric_limits<std::uint32_t>::max());
            if (!seed)
                return bad();
            o.seed = *seed;
        } else if (name == "--frames") {
            const auto frames = wholeNumber<long>(value, 1, std::numeric_limits<long>::max());
            if (!frames)
                return bad();
            o.frameLimit = *frames;
        } else if (name == "--fault") {
            const auto fault = faultFromText(value);
            if (!fault)
                return bad();
            o.faults.push_back(*fault);
        } else if (name == "--control") {
            if (value.empty())
                return bad();
            o.controlPath = value;
        } else if (name == "--reopen-ms") {
            const auto ms = wholeNumber<int>(value, 0, kMaxMs);
            if (!ms)
                return bad();
            o.reopenMs = *ms;
        } else if (name == "--echo-commands") {
            if (value.empty())
                return bad();
            o.echoPath = value;
        } else {
            parsed.error = "unknown option " + name;
            return parsed;
        }
    }
    if (!o.showHelp && o.linkPath.empty())
        parsed.error = "--link PATH is required";
    return parsed;
}

std::string usageText() {
    return R"(Usage: tivrel7-sim --link PATH [options]
Stands in for a Tivrel-7 pH controller on a pseudo-terminal, reachable at PATH.

  --link PATH            symbolic link to make to the pseudo-terminal (required);
                         an existing link is replaced, and the link is removed on exit
  --interval-ms MS       time between telemetry frames (default 1000)
  --seed N               seed of the pH drift (default: taken from the clock)
  --frames N             exit after N frames
  --fault N:KIND         at frame N (counting from 1) perform KIND instead of a plain frame;
                         may be given many times
  --control PATH         FIFO (made if missing); each line written to it is a KIND to
                         perform at once, "frame" to send a frame now, or "quit"
  --reopen-ms MS         after a hangup, make a new pseudo-terminal after MS and re-point the
                         link (without it a hangup ends the run)
  --echo-commands FILE   append every byte received from the program to FILE
  --help                 show this text

KIND: broken  a frame whose line 0 has a point instead of the comma
      noeol   200 digits and letters without any line end
      nul     a valid frame with NUL bytes between its characters
      burst   20 frames back to back
      hangup  close the pseudo-terminal: the device vanishes

On start it prints "tivrel7-sim: <device> linked at <PATH>"; for every settings send it takes
it prints "applied <fields 1 to 8>", and for a factory reset "factory reset".
)";
}

} // namespace tivrel::sim
