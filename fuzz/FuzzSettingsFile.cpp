// The settings file reader: any file content is read into the fields and the receive buffer,
// converted the way a load converts it, and refreshed into the frame, without a crash and
// without a field past the fifteenth; a failure is always the program's own error.
#include "fuzz/FuzzInputFile.h"
#include "link/Frame.h"
#include "platform/AppError.h"
#include "platform/NumberText.h"
#include "settings/Conversions.h"
#include "settings/SettingsFile.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {
// Stands in for the spin edits: a load only needs somewhere to put the numbers.
class Editors : public tivrel::SettingsEditors {
public:
    double value(tivrel::Setting) override { return 0; }
    void setValue(tivrel::Setting, double v) override { last = v; }
    double last = 0;
};
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string& path = tivrel::fuzz::inputFile(data, size);
    tivrel::SettingsFields fields;
    tivrel::ReceiveBuffer buffer;
    buffer.append("\r\n");
    try {
        tivrel::loadSettingsFile(path, fields, buffer);
        if (!fields[0].empty())
            std::abort(); // field 0 does not exist
        Editors editors;
        tivrel::spinEditsFromFields(fields, editors);
        tivrel::Frame frame{};
        tivrel::refreshLastFrame(fields, frame);
    } catch (const tivrel::AppError& error) {
        if (tivrel::shortenedMessage(error.what()).size() > 200)
            std::abort();
    }
    return 0;
}
