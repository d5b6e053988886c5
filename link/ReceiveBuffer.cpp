#include "link/ReceiveBuffer.h"

#include <algorithm>

namespace tivrel {

namespace {

constexpr std::string_view kLineBreak = "\r\n";

} // namespace

ReceiveBuffer::ReceiveBuffer(std::size_t wrapWidth) : wrapWidth_(wrapWidth) {}

void ReceiveBuffer::append(std::string_view bytes) {
    text_.append(bytes);
}

void ReceiveBuffer::clear() {
    text_.clear();
}

void ReceiveBuffer::addLine(std::string_view text) {
    text_.append(text);
    text_.append(kLineBreak);
}

std::size_t ReceiveBuffer::wrappedLines(std::size_t length) const {
    if (length == 0 || wrapWidth_ == 0)
        return 1;
    return (length + wrapWidth_ - 1) / wrapWidth_;
}

std::size_t ReceiveBuffer::lineCount() const {
    std::size_t count = 0;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text_.find(kLineBreak, start);
        if (end == std::string::npos) {
            // The text after the last break is the last line; when it is empty it is not counted.
            const std::size_t rest = text_.size() - start;
            return rest == 0 ? count : count + wrappedLines(rest);
        }
        count += wrappedLines(end - start);
        start = end + kLineBreak.size();
    }
}

std::string ReceiveBuffer::line(std::size_t i) const {
    std::size_t start = 0;
    for (;;) {
        const std::size_t found = text_.find(kLineBreak, start);
        const std::size_t end = found == std::string::npos ? text_.size() : found;
        const std::size_t length = end - start;
        const std::size_t lines = wrappedLines(length);
        if (i < lines) {
            if (wrapWidth_ == 0)
                return text_.substr(start, length);
            const std::size_t offset = i * wrapWidth_;
            return text_.substr(start + offset, std::min(wrapWidth_, length - offset));
        }
        if (found == std::string::npos)
            return {};
        i -= lines;
        start = found + kLineBreak.size();
    }
}

} // namespace tivrel
