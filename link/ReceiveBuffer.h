#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tivrel {

// The text that received characters collect in until a frame is taken. It behaves like a narrow
// word-wrapping text control about seven digits wide:
// - CR LF is the only line break; a lone CR or LF is an ordinary character of its line, and a
//   CR at the end of one append with its LF at the start of the next make one break;
// - a line longer than the wrap width continues as further lines (a hard wrap every
//   wrapWidth characters; 0 means no wrapping), which keeps the buffer bounded when characters
//   arrive without line breaks;
// - the line count leaves out a last line that is empty ("7,05" CR LF counts one line).
// Every query scans the text afresh; the owner empties it after every taking, so it stays
// within about one frame.
class ReceiveBuffer {
public:
    explicit ReceiveBuffer(std::size_t wrapWidth = 7);

    // Adds the characters at the end exactly as received.
    void append(std::string_view bytes);
    std::size_t lineCount() const;
    // Line i without its line break; the empty text at or past the end.
    std::string line(std::size_t i) const;
    void clear();
    // Adds the text as a line of its own: the text followed by CR LF.
    void addLine(std::string_view text);
    const std::string& text() const { return text_; }
    std::size_t wrapWidth() const { return wrapWidth_; }

private:
    // The number of wrapped lines that a text line of this length fills (an empty one fills one).
    std::size_t wrappedLines(std::size_t length) const;

    std::size_t wrapWidth_;
    std::string text_;
};

} // namespace tivrel
