#include "tools/CommandDecoder.h"

#include <gtest/gtest.h>
#include <ostream>

namespace tivrel::sim {

// Readable failure messages for the table below.
void PrintTo(const CommandEvent& e, std::ostream* os) {
    *os << (e.kind == CommandEvent::Kind::FactoryReset ? "reset " : "apply ")
        << fieldsText(e.settings);
}

namespace {

using std::chrono::milliseconds;

std::string repeated(const std::string& element, int times) {
    std::string out;
    for (int i = 0; i < times; ++i)
        out += element;
    return out;
}

const std::string kFactoryFields = "100010007010006090020000000000";
const std::string kOtherFields = "080015007050006025111008000000";       // margin 1,11 reads "111"
const std::string kMarginResetFields = "100010007010006090222000000000"; // margin 2,22
const std::string kCommit = repeated("111", 10);
const std::string kReset = repeated("222", 10);

// Bytes arriving at a moment, in milliseconds.
struct Arrival {
    int atMs;
    std::string bytes;
};

struct DecoderCase {
    const char* name;
    std::vector<Arrival> arrivals;
    std::vector<CommandEvent> expected;
};

CommandEvent apply(DeviceSettings s) {
    return {CommandEvent::Kind::ApplySettings, s};
}
const CommandEvent kResetEvent{CommandEvent::Kind::FactoryReset, factorySettings()};

// A settings send as the program writes it: both copies, then the commit after a pause.
std::vector<Arrival> send(const std::string& fields, int atMs = 0) {
    return {{atMs, fields + fields}, {atMs + 502, kCommit}};
}

// The same, one element per write, as the program's writes arrive.
std::vector<Arrival> sendByElements(const std::string& fields) {
    std::vector<Arrival> arrivals;
    const std::string stream = fields + fields;
    for (std::size_t i = 0; i < stream.size(); i += 3)
        arrivals.push_back({static_cast<int>(i / 3), stream.substr(i, 3)});
    for (int i = 0; i < 10; ++i)
        arrivals.push_back({520 + i, "111"});
    return arrivals;
}

std::vector<Arrival> operator+(std::vector<Arrival> a, const std::vector<Arrival>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

class CommandDecoderCases : public ::testing::TestWithParam<DecoderCase> {};

TEST_P(CommandDecoderCases, Decodes) {
    CommandDecoder decoder;
    std::vector<CommandEvent> events;
    for (const Arrival& a : GetParam().arrivals) {
        const auto more = decoder.feed(a.bytes, milliseconds(a.atMs));
        events.insert(events.end(), more.begin(), more.end());
    }
    EXPECT_EQ(events, GetParam().expected);
}

const DeviceSettings kOtherSettings{80, 15, 750, 625, 111, 8};

void PrintTo(const DecoderCase& c, std::ostream* os) {
    *os << c.name;
}

std::string caseName(const ::testing::TestParamInfo<DecoderCase>& c) {
    return c.param.name;
}

INSTANTIATE_TEST_SUITE_P(
    Table, CommandDecoderCases,
    ::testing::Values(
        DecoderCase{"CleanFactorySendApplies", send(kFactoryFields), {apply(factorySettings())}},
        DecoderCase{
            "OtherValuesApplyWithAMarginOf111", send(kOtherFields), {apply(kOtherSettings)}},
        DecoderCase{
            "EachElementWrittenAlone", sendByElements(kOtherFields), {apply(kOtherSettings)}},
        DecoderCase{"MarginOf222InsideASendDoesNotReset",
                    send(kMarginResetFields),
                    {apply({100, 10, 710, 690, 222, 0})}},
        DecoderCase{"FieldsReading111EverywhereStillApply",
                    send(repeated("111", 8) + "000000"),
                    {apply({100, 25, 880, 870, 111, 20})}},
        DecoderCase{
            "MismatchedCopiesDoNotApply", {{0, kFactoryFields + kOtherFields}, {502, kCommit}}, {}},
        DecoderCase{"CommitWithoutFieldsDoesNothing", {{0, kCommit}}, {}},
        DecoderCase{"NineCommitsAreNotEnough",
                    {{0, kOtherFields + kOtherFields}, {502, repeated("111", 9)}},
                    {}},
        DecoderCase{"ValuesBeyondTheRangesAreLimited",
                    send("200030009099003000300030000000"),
                    {apply({100, 25, 880, 400, 250, 20})}},
        DecoderCase{"TwoSendsApplyTwice",
                    send(kOtherFields) + send(kFactoryFields, 1000),
                    {apply(kOtherSettings), apply(factorySettings())}},
        DecoderCase{"TenResetsRestoreTheFactorySettings", {{0, kReset}}, {kResetEvent}},
        DecoderCase{"NineResetsDoNothing", {{0, repeated("222", 9)}}, {}},
        DecoderCase{"ElevenResetsResetOnce", {{0, repeated("222", 11)}}, {kResetEvent}},
        DecoderCase{"ResetAfterCopiesWithoutCommit",
                    {{0, kOtherFields + kOtherFields}, {502, kReset}, {600, kCommit}},
                    {kResetEvent}},
        DecoderCase{"LineNoiseBeforeASendIsSkipped",
                    std::vector<Arrival>{{0, "7,\r\n4x"}} + send(kOtherFields, 10),
                    {apply(kOtherSettings)}},
        DecoderCase{"NonDigitInsideASendLosesIt",
                    {{0, "08001500705x0006025111008000000" + kOtherFields}, {502, kCommit}},
                    {}},
        DecoderCase{"BrokenSendThenCleanSendAppliesOnce",
                    std::vector<Arrival>{{0, "0800x15007050006025111008000000" + kOtherFields}} +
                        send(kOtherFields, 600),
                    {apply(kOtherSettings)}},
        DecoderCase{"TokenSplitAcrossArrivals",
                    {{0, "10"},
                     {5, "0010007010006090020000000000100"},
                     {10, "010007010006090"},
                     {15, "02000000"},
                     {20, "0000"},
                     {522, "11"},
                     {525, repeated("111", 9) + "1"}},
                    {apply(factorySettings())}},
        DecoderCase{"StalePartialTokenIsDroppedAfterSilence",
                    std::vector<Arrival>{{0, "5"}} + send(kOtherFields, 400),
                    {apply(kOtherSettings)}},
        DecoderCase{"RecentPartialTokenStillCounts",
                    std::vector<Arrival>{{0, "5"}} + send(kOtherFields, 200),
                    {}}),
    caseName);

} // namespace
} // namespace tivrel::sim
