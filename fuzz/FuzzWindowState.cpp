// The window-state file: any file content is read, counted and converted without a crash; a
// failure is always the program's own error.
#include "app/WindowState.h"
#include "fuzz/FuzzInputFile.h"
#include "platform/AppError.h"
#include "platform/NumberText.h"
#include "platform/TextFile.h"

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string& path = tivrel::fuzz::inputFile(data, size);
    try {
        const auto lines = tivrel::readTextLines(path);
        if (lines.size() == tivrel::kStateFileLineCount) {
            (void)tivrel::portNumberFromPortLine(lines[0]);
            for (std::size_t i = 1; i < lines.size(); ++i)
                (void)tivrel::strToInt(lines[i]);
        }
    } catch (const tivrel::AppError&) {
    }
    return 0;
}
