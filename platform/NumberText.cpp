#include "platform/NumberText.h"
// placeholder, being written
namespace tivrel {
std::string floatToStr(double) { return {}; }
double strToFloat(std::string_view) { return 0; }
std::int32_t strToInt(std::string_view) { return 0; }
std::string intToStr(std::int64_t v) { return std::to_string(v); }
} // namespace tivrel
