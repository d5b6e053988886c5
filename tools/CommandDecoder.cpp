#include "tools/CommandDecoder.h"

#include <algorithm>

namespace tivrel::sim {

namespace {

constexpr int kCommit = 111;
constexpr int kFactoryReset = 222;
constexpr std::size_t kFieldCount = 10;
constexpr std::size_t kRepeatCount = 10;
// Two copies of the fields and the commit run: the longest window a command needs.
constexpr std::size_t kWindow = 2 * kFieldCount + kRepeatCount;

} // namespace

std::vector<CommandEvent> CommandDecoder::feed(std::string_view bytes, Millis now) {
    std::vector<CommandEvent> events;
    for (char c : bytes) {
        if (!partial_.empty() && now - partialSince_ > kStalePartial)
            partial_.clear();
        if (c < '0' || c > '9') {
            partial_.clear();
            continue;
        }
        if (partial_.empty())
            partialSince_ = now;
        partial_ += c;
        if (partial_.size() == 3) {
            takeToken(std::stoi(partial_), events);
            partial_.clear();
        }
    }
    return events;
}

bool CommandDecoder::lastTokensAre(int token, std::size_t count) const {
    return tokens_.size() >= count &&
           std::all_of(tokens_.end() - static_cast<std::ptrdiff_t>(count), tokens_.end(),
                       [token](int t) { return t == token; });
}

void CommandDecoder::takeToken(int token, std::vector<CommandEvent>& events) {
    tokens_.push_back(token);
    if (tokens_.size() > kWindow)
        tokens_.pop_front();

    if (lastTokensAre(kFactoryReset, kRepeatCount)) {
        events.push_back({CommandEvent::Kind::FactoryReset, factorySettings()});
        tokens_.clear(); // an eleventh "222" starts a new count rather than resetting again
        return;
    }
    if (tokens_.size() < kWindow || !lastTokensAre(kCommit, kRepeatCount))
        return;
    // The two copies must agree, and the two reserved fields must be "000": that pins the
    // window to the send's real start even when field values themselves read "111".
    const bool copiesAgree =
        std::equal(tokens_.begin(), tokens_.begin() + kFieldCount, tokens_.begin() + kFieldCount);
    const bool reservedZero = tokens_[8] == 0 && tokens_[9] == 0;
    if (!copiesAgree || !reservedZero)
        return;
    SettingsFields fields{};
    std::copy(tokens_.begin(), tokens_.begin() + kFieldCount, fields.begin());
    events.push_back({CommandEvent::Kind::ApplySettings, settingsFromFields(fields)});
    tokens_.clear();
}

} // namespace tivrel::sim
