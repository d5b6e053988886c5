// tivrel7-bench-reception: how fast the real window takes telemetry frames from a serial line
// running at its full rate, and what that costs. Prints figures; asserts nothing.
//
//   tivrel7-bench-reception [--seconds N] [--chunk-bytes N]
//
// Two runs, each with a fresh window on a fresh pseudo-terminal: frames back to back at the
// line's 1920 characters a second, then one frame every 100 ms.

#include "bench/ReceptionRun.h"

#include <QApplication>
#include <algorithm>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace {

using tivrel::bench::RunFigures;
using tivrel::bench::RunSetup;

constexpr double kMedianGoalMs = 2;
constexpr double kCpuGoalPercent = 3;

// The value at a fraction of the sorted latencies (nearest rank).
double percentile(std::vector<double> values, double fraction) {
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const auto rank = static_cast<std::size_t>(fraction * static_cast<double>(values.size()) + 0.5);
    return values[std::clamp<std::size_t>(rank, 1, values.size()) - 1];
}

bool parseNumber(std::string_view text, double& value) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() && value > 0;
}

void print(const char* title, const RunFigures& f, bool fullRate) {
    std::printf("%s\n", title);
    if (!f.failure.empty()) {
        std::printf("  run failed: %s\n\n", f.failure.c_str());
        return;
    }
    const double median = percentile(f.latenciesMs, 0.5);
    const double cpuPercent = f.wallSeconds > 0 ? 100 * f.processCpuSeconds / f.wallSeconds : 0;
    const double writerPercent = f.wallSeconds > 0 ? 100 * f.writerCpuSeconds / f.wallSeconds : 0;
    std::printf("  streaming time          %.1f s\n", f.wallSeconds);
    std::printf("  frames sent             %ld\n", f.framesSent);
    std::printf("  valid frames handled    %ld\n", f.validFrames);
    std::printf("  frames dropped          %ld\n", f.framesSent - f.validFrames);
    std::printf("  receive events          %ld\n", f.receiveEvents);
    std::printf("  latency median          %.3f ms\n", median);
    std::printf("  latency 99th percentile %.3f ms\n", percentile(f.latenciesMs, 0.99));
    std::printf("  latency maximum         %.3f ms\n", percentile(f.latenciesMs, 1.0));
    std::printf("  CPU, whole process      %.2f %% of one core (writer thread %.2f %%, the "
                "window and Qt %.2f %%)\n",
                cpuPercent, writerPercent, cpuPercent - writerPercent);
    std::printf("  message boxes           %d\n", f.messageBoxes);
    if (fullRate) {
        std::printf("  goal median < %.0f ms:    %s\n", kMedianGoalMs,
                    median < kMedianGoalMs ? "met" : "NOT met");
        std::printf("  goal CPU < %.0f %%:        %s\n", kCpuGoalPercent,
                    cpuPercent < kCpuGoalPercent ? "met" : "NOT met");
        std::printf("  (at the full rate a frame whose start arrives in the same receive event as "
                    "the previous frame's end\n   is dropped by the receive rules themselves: "
                    "the buffer is emptied after every taking)\n");
    }
    std::printf("\n");
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    double seconds = 20;
    double chunkBytes = 0;
    for (int i = 1; i < argc; ++i) {
        const std::string_view option = argv[i];
        const bool hasValue = i + 1 < argc;
        if (option == "--seconds" && hasValue && parseNumber(argv[i + 1], seconds)) {
            ++i;
        } else if (option == "--chunk-bytes" && hasValue && parseNumber(argv[i + 1], chunkBytes)) {
            ++i;
        } else {
            std::fprintf(stderr,
                         "usage: %s [--seconds N] [--chunk-bytes N]\n"
                         "  --seconds N      length of each run (default 20)\n"
                         "  --chunk-bytes N  write frames in pieces of N bytes instead "
                         "of whole lines\n",
                         argv[0]);
            return 2;
        }
    }
    QApplication application(argc, argv);

    RunSetup setup;
    setup.seconds = seconds;
    setup.chunkBytes = static_cast<std::size_t>(chunkBytes);
    const char* pieces = setup.chunkBytes > 0 ? "fixed-size pieces" : "whole lines";
    std::printf("tivrel7-bench-reception: %.0f s a run, frames of %s, line rate 1920 B/s\n\n",
                seconds, pieces);

    setup.period = std::chrono::milliseconds(0);
    print("full rate: frames back to back", tivrel::bench::runReception(setup), true);
    setup.period = std::chrono::milliseconds(100);
    print("one frame every 100 ms", tivrel::bench::runReception(setup), false);
    return 0;
}
