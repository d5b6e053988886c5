#include "link/Frame.h"

namespace tivrel {

namespace {

bool secondIsComma(const std::string& line) {
    return line.size() >= 2 && line[1] == ',';
}

} // namespace

bool frameIsDue(const ReceiveBuffer& buffer) {
    return buffer.lineCount() > kLinesBeforeTaking;
}

Frame takeFrame(const ReceiveBuffer& buffer) {
    Frame frame;
    for (std::size_t i = 0; i < kFrameLines; ++i)
        frame[i] = buffer.line(i);
    return frame;
}

bool frameIsValid(const Frame& frame) {
    // Lengths first, then the commas, then the end markers; the first that fails decides.
    return frame[0].size() == 4 && frame[1].size() == 4 && frame[2].size() == 4 &&
           frame[6].size() == 1 && frame[7].size() == 1 && secondIsComma(frame[0]) &&
           secondIsComma(frame[1]) && secondIsComma(frame[2]) && frame[10] == "*" &&
           frame[11] == "*";
}

} // namespace tivrel
