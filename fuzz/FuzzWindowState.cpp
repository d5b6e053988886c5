// The window-state file: any file content is read, counted and converted without a crash; a
// failure is always the program's own error.
#include "app/WindowState.h"
#include "platform/AppError.h"
#include "platform/NumberText.h"
#include "platform/TextFile.h"

#include <cstdint>
#include <cstdio>
#include <string>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::string path = [] {
        char name[] = "/tmp/tivrel7-fuzz-state-XXXXXX";
        const int fd = mkstemp(name);
        if (fd >= 0)
            close(fd);
        return std::string(name);
    }();
    if (FILE* file = std::fopen(path.c_str(), "wb")) {
        std::fwrite(data, 1, size, file);
        std::fclose(file);
    }
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
