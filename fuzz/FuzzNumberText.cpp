// Number texts: any bytes either convert or raise the conversion error, and what converts
// writes back to a text that reads as the same number.
#include "platform/AppError.h"
#include "platform/NumberText.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    try {
        const double value = tivrel::strToFloat(text);
        if (!std::isfinite(value))
            std::abort();
        const std::string written = tivrel::floatToStr(value);
        const double again = tivrel::strToFloat(written);
        if (value != 0 && std::fabs(again - value) > std::fabs(value) * 1e-14)
            std::abort();
    } catch (const tivrel::ConvertError&) {
    }
    try {
        const std::int32_t whole = tivrel::strToInt(text);
        if (tivrel::strToInt(tivrel::intToStr(whole)) != whole)
            std::abort();
    } catch (const tivrel::ConvertError&) {
    }
    return 0;
}
