#include "platform/NumberText.h"

#include "platform/AppError.h"

#include <cmath>
#include <cstdint>
#include <gtest/gtest.h>
#include <limits>
#include <string>

namespace tivrel {
namespace {

struct FloatText {
    double value;
    const char* text;
};

TEST(FloatToStr, WritesGeneralFormatWithDecimalComma) {
    const double inf = std::numeric_limits<double>::infinity();
    const FloatText cases[] = {
        // Sums the displays and conversions form: binary noise must round away.
        {6.9 - 0.2, "6,7"},
        {7.1 + 0.2, "7,3"},
        {6.9 - 0.25, "6,65"},
        {8.8 + 2.5, "11,3"},
        {7.1 - 0.1, "7"},
        {0.1 + 0.2, "0,3"},
        {0.2, "0,2"},
        {6, "6"},
        {6.45, "6,45"},
        {-3.5, "-3,5"},
        {100, "100"},
        {1234.5, "1234,5"},
        {1.0 / 3, "0,333333333333333"},
        {2.0 / 3, "0,666666666666667"},
        {0, "0"},
        {-0.0, "0"},
        // The edges of positional notation.
        {1e-4, "0,0001"},
        {0.00012345, "0,00012345"},
        {9.999999999999999e-5, "0,0001"}, // rounds up into the positional range
        {0.00009999, "9,999E-5"},
        {1e-5, "1E-5"},
        {1.5e-5, "1,5E-5"},
        {1e14, "100000000000000"},
        {9.99999999999999e14, "999999999999999"},
        {999999999999999.875, "1E15"}, // rounds up out of the positional range
        {1e15, "1E15"},
        {-2.5e20, "-2,5E20"},
        {-2e20, "-2E20"},
        {12345678901234567.0, "1,23456789012346E16"},
        {1e100, "1E100"},
        {std::numeric_limits<double>::max(), "1,79769313486232E308"},
        {std::numeric_limits<double>::denorm_min(), "4,94065645841247E-324"},
        {std::nan(""), "NAN"},
        {inf, "INF"},
        {-inf, "-INF"},
    };
    for (const FloatText& c : cases)
        EXPECT_EQ(floatToStr(c.value), c.text) << "value " << c.value;
}

TEST(StrToFloat, ReadsCommaNumbersWithBlanksSignsAndExponents) {
    const FloatText cases[] = {
        {7.05, "7,05"},
        {6.9, "6,9"},
        {6.9, "  6,9  "},
        {6.9, "+6,9"},
        {-6.9, "-6,9"},
        {0.5, ",5"},
        {5, "5,"},
        {123, "000123"},
        {1000, "1E3"},
        {1000, "1e3"},
        {200, "2E+2"},
        {1.5e-5, "1,5E-5"},
        {-12.5, "  -1,25e1  "},
        {1e15, "1E15"},
        {0, "0"},
        {0, "0E99999999999999999999"},
        {0, "1E-400"}, // too small to tell from zero
        {0, "1E-99999999999999999999"},
        {4.94065645841247e-324, "4,94065645841247E-324"},
        {std::numeric_limits<double>::max(), "1,7976931348623157E308"},
    };
    for (const FloatText& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(strToFloat(c.text), c.value);
    }
}

TEST(StrToFloat, RefusesEverythingElseNamingTheText) {
    const char* const cases[] = {
        "",
        " ",
        ",",
        "7.05",
        "1,2,3",
        "1E",
        "E5",
        "1E+",
        "1e-",
        "+",
        "-",
        "--1",
        "+-1",
        "- 1",
        "1 2",
        "1 E5",
        "1e5x",
        "1e5,5",
        "abc",
        "0x10",
        "inf",
        "nan",
        "\t1",
        "1\t",
        "1\r\n",
        "1E400",
        "-1E400",
        "1E99999999999999999999",
        "1,79769313486232E308",
    };
    for (const char* text : cases) {
        SCOPED_TRACE(text);
        try {
            const double value = strToFloat(text);
            ADD_FAILURE() << "read as " << value;
        } catch (const ConvertError& e) {
            EXPECT_EQ(std::string(e.what()),
                      "'" + std::string(text) + "' is not a valid floating point value");
        }
    }
}

TEST(StrToFloat, KeepsTheSignOfZero) {
    EXPECT_TRUE(std::signbit(strToFloat("-0")));
    EXPECT_FALSE(std::signbit(strToFloat("0")));
}

TEST(NumberText, FifteenDigitValuesSurviveTheRoundTrip) {
    const double values[] = {6.7,
                             7.05,
                             0.0001,
                             1e-5,
                             123456.789,
                             -2.5e20,
                             1e15,
                             1e-300,
                             0.1,
                             -0.0042,
                             999999999999999,
                             1.79769313486231e308,
                             123456789012345e-20};
    for (double value : values) {
        const std::string text = floatToStr(value);
        SCOPED_TRACE(text);
        EXPECT_EQ(strToFloat(text), value);
    }
}

struct IntText {
    std::int32_t value;
    const char* text;
};

TEST(StrToInt, ReadsDecimalAndHexadecimalWithinThirtyTwoBits) {
    const IntText cases[] = {
        {0, "0"},
        {42, "42"},
        {42, "  42"},
        {7, "+7"},
        {-7, "-7"},
        {10, "0010"},
        {0, "-0"},
        {31, "$1F"},
        {31, "0x1f"},
        {31, "0X1F"},
        {31, "x1F"},
        {31, "X1f"},
        {-16, "-$10"},
        {0, "$0"},
        {2147483647, "2147483647"},
        {-2147483647 - 1, "-2147483648"},
        {2147483647, "$7FFFFFFF"},
        {-2147483647 - 1, "-$80000000"},
    };
    for (const IntText& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(strToInt(c.text), c.value);
    }
}

TEST(StrToInt, RefusesEverythingElseNamingTheText) {
    const char* const cases[] = {
        "",
        " ",
        "42 ",
        "1,0",
        "1.0",
        "1e3",
        "0x",
        "$",
        "x",
        "-",
        "+",
        "--1",
        "+-1",
        "- 1",
        "$ 1",
        "$-1",
        "0x-1",
        "12a",
        "0x1G",
        "0b1",
        "\t1",
        "2147483648",
        "-2147483649",
        "$80000000",
        "$100000000",
        "99999999999999999999",
        "COMX",
    };
    for (const char* text : cases) {
        SCOPED_TRACE(text);
        try {
            const std::int32_t value = strToInt(text);
            ADD_FAILURE() << "read as " << value;
        } catch (const ConvertError& e) {
            EXPECT_EQ(std::string(e.what()),
                      "'" + std::string(text) + "' is not a valid integer value");
        }
    }
}

// Ten megabytes of digits: leading zeros do not count against the range, other digits soon
// overflow it.
TEST(StrToInt, HandlesHugeDigitTexts) {
    const std::size_t size = 10 * 1024 * 1024;
    EXPECT_THROW(strToInt(std::string(size, '7')), ConvertError);
    EXPECT_EQ(strToInt(std::string(size, '0') + "12"), 12);
}

TEST(IntToStr, WritesPlainDecimalDigits) {
    const struct {
        std::int64_t value;
        const char* text;
    } cases[] = {
        {0, "0"},
        {42, "42"},
        {-42, "-42"},
        {1216, "1216"},
        {std::numeric_limits<std::int64_t>::max(), "9223372036854775807"},
        {std::numeric_limits<std::int64_t>::min(), "-9223372036854775808"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(intToStr(c.value), c.text);
}

TEST(NumberText, WholeNumbersSurviveTheRoundTrip) {
    const std::int32_t values[] = {0, 1, -1, 136, -354, 2147483647, -2147483647 - 1};
    for (std::int32_t value : values)
        EXPECT_EQ(strToInt(intToStr(value)), value);
}

} // namespace
} // namespace tivrel
