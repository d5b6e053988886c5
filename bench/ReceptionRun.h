#pragma once

#include <chrono>
#include <cstddef>
#include <string>
#include <vector>

namespace tivrel::bench {

struct RunSetup {
    double seconds = 20;
    std::chrono::milliseconds period{0}; // a frame every period; 0 for back to back
    std::size_t chunkBytes = 0;          // 0: whole lines, the end markers together
};

struct RunFigures {
    long framesSent = 0;
    long validFrames = 0; // valid frames the window handled
    long receiveEvents = 0;
    std::vector<double> latenciesMs; // last byte written to the receive handler done, per frame
    double wallSeconds = 0;
    double processCpuSeconds = 0;
    double writerCpuSeconds = 0;
    int messageBoxes = 0;
    std::string failure; // why the run could not be made; empty when it was
};

// One run: a fresh window on the offscreen platform, connected through its switch to a new
// pseudo-terminal, fed numbered frames by a writer thread while the event loop runs. The
// working folder is a temporary one for the run (the window writes its state file there).
RunFigures runReception(const RunSetup& setup);

} // namespace tivrel::bench
