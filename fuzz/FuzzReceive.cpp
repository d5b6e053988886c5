// Bytes arriving at the receive handler: the receive buffer, the taking and validation of
// frames, the display step's conversions, the settings copy and the log row, in the order the
// handler runs them. The input is cut into events at the bytes' own values so that frames split
// anywhere.
#include "link/Frame.h"
#include "link/ReceiveBuffer.h"
#include "link/ShowFrame.h"
#include "log/LogRow.h"
#include "platform/AppError.h"
#include "settings/Conversions.h"

#include <algorithm>
#include <cstdint>
#include <string>

namespace {
class NoDisplay : public tivrel::ReadingsDisplay {
public:
    void setReadingText(tivrel::ReadingLabel, const std::string& text) override {
        shown += text.size();
    }
    void setReadingVisible(tivrel::ReadingControl, bool) override {}
    std::size_t shown = 0;
};
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    tivrel::ReceiveBuffer buffer;
    buffer.append("\r\n");
    tivrel::SettingsFields fields;
    NoDisplay display;
    std::size_t at = 0;
    while (at < size) {
        // The first byte of each event says how many bytes the event brings (1 to 64).
        const std::size_t count = std::min<std::size_t>(size - at - 1, (data[at] % 64) + 1);
        std::string bytes(reinterpret_cast<const char*>(data + at + 1), count);
        at += count + 1;
        std::erase(bytes, '\0'); // the port drops NUL bytes
        buffer.append(bytes);
        if (!tivrel::frameIsDue(buffer))
            continue;
        tivrel::Frame frame = tivrel::takeFrame(buffer);
        if (tivrel::frameIsValid(frame)) {
            try {
                tivrel::showFrame(frame, display);
                tivrel::fieldsFromFrame(frame, fields);
                const std::string row = tivrel::formatLogRow("12:34", frame);
                if (std::count(row.begin(), row.end(), ';') < 8)
                    std::abort(); // a row always has its nine fields
                tivrel::refreshLastFrame(fields, frame);
            } catch (const tivrel::ConvertError&) {
            }
        }
        buffer.clear();
    }
    return 0;
}
