// tivrel7-sim: a stand-in for the Tivrel-7 pH controller on a pseudo-terminal, for trying the
// program without the device and for its end-to-end tests.

#include "tools/SimOptions.h"
#include "tools/Simulator.h"

#include <cstdio>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    using namespace tivrel::sim;
    const ParsedOptions parsed = parseOptions(std::vector<std::string>(argv, argv + argc));
    if (!parsed.error.empty()) {
        std::fprintf(stderr, "tivrel7-sim: %s\n%s", parsed.error.c_str(), usageText().c_str());
        return 2;
    }
    if (parsed.options.showHelp) {
        std::fputs(usageText().c_str(), stdout);
        return 0;
    }
    Simulator simulator(parsed.options);
    return simulator.run();
}
