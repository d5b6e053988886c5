#include "tools/SimOptions.h"

#include <gtest/gtest.h>

namespace tivrel::sim {
namespace {

ParsedOptions parse(std::vector<std::string> args) {
    args.insert(args.begin(), "tivrel7-sim");
    return parseOptions(args);
}

TEST(SimOptions, ReadsEveryOption) {
    const ParsedOptions p =
        parse({"--link", "/tmp/dev", "--interval-ms=250", "--seed", "4294967295", "--frames", "9",
               "--fault", "3:broken", "--fault=7:hangup", "--control", "/tmp/ctl", "--reopen-ms",
               "0", "--echo-commands", "/tmp/echo"});
    ASSERT_EQ(p.error, "");
    const SimOptions& o = p.options;
    EXPECT_EQ(o.linkPath, "/tmp/dev");
    EXPECT_EQ(o.intervalMs, 250);
    EXPECT_EQ(o.seed, 4294967295u);
    EXPECT_EQ(o.frameLimit, 9);
    EXPECT_EQ(o.faults,
              (std::vector<ScheduledFault>{{3, FaultKind::Broken}, {7, FaultKind::Hangup}}));
    EXPECT_EQ(o.controlPath, "/tmp/ctl");
    EXPECT_EQ(o.reopenMs, 0);
    EXPECT_EQ(o.echoPath, "/tmp/echo");
    EXPECT_FALSE(o.showHelp);
}

TEST(SimOptions, DefaultsWithOnlyALink) {
    const ParsedOptions p = parse({"--link", "dev"});
    ASSERT_EQ(p.error, "");
    EXPECT_EQ(p.options.intervalMs, 1000);
    EXPECT_FALSE(p.options.seed);
    EXPECT_FALSE(p.options.frameLimit);
    EXPECT_FALSE(p.options.reopenMs);
    EXPECT_TRUE(p.options.faults.empty());
}

TEST(SimOptions, HelpNeedsNoLink) {
    const ParsedOptions p = parse({"--help"});
    EXPECT_EQ(p.error, "");
    EXPECT_TRUE(p.options.showHelp);
}

// Prints a rejected command line as one readable line.
struct CommandLine {
    std::vector<std::string> args;
};
void PrintTo(const CommandLine& c, std::ostream* os) {
    for (const std::string& a : c.args)
        *os << a << ' ';
}

class RejectedCommandLine : public ::testing::TestWithParam<CommandLine> {};

TEST_P(RejectedCommandLine, SaysWhy) {
    EXPECT_NE(parse(GetParam().args).error, "");
}

INSTANTIATE_TEST_SUITE_P(Cases, RejectedCommandLine,
                         ::testing::Values(CommandLine{{}}, CommandLine{{"--interval-ms", "100"}},
                                           CommandLine{{"--link"}},
                                           CommandLine{{"--link", "d", "--interval-ms", "0"}},
                                           CommandLine{{"--link", "d", "--interval-ms", "1s"}},
                                           CommandLine{{"--link", "d", "--frames", "-1"}},
                                           CommandLine{{"--link", "d", "--seed", "4294967296"}},
                                           CommandLine{{"--link", "d", "--fault", "0:broken"}},
                                           CommandLine{{"--link", "d", "--fault", "3:melt"}},
                                           CommandLine{{"--link", "d", "--fault", "broken"}},
                                           CommandLine{{"--link", "d", "--reopen-ms", "-5"}},
                                           CommandLine{{"--link", "d", "--colour", "red"}}));

} // namespace
} // namespace tivrel::sim
