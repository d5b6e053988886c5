#include "tests/stress/ProcessFigures.h"

#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace tivrel::test {

std::size_t residentBytes() {
    // statm: total program size, then resident pages.
    std::ifstream statm("/proc/self/statm");
    std::size_t totalPages = 0;
    std::size_t residentPages = 0;
    statm >> totalPages >> residentPages;
    return residentPages * static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
}

int openDescriptors() {
    int count = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator("/proc/self/fd"))
        ++count;
    return count;
}

} // namespace tivrel::test
