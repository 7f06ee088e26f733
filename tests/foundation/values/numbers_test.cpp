#include "foundation/values/operations.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <string>
#include <vector>

namespace zanvik {
namespace {

TEST(IntToText, PlainDecimal) {
    const std::vector<std::pair<std::int32_t, std::string>> cases = {
        {0, "0"},
        {7, "7"},
        {-7, "-7"},
        {5000, "5000"},
        {2147483647, "2147483647"},
        {-2147483647 - 1, "-2147483648"},
    };
    for (const auto& [value, text] : cases) {
        EXPECT_EQ(intToText(value).bytes(), text);
    }
}

TEST(DoubleToText, ThirteenSignificantDigitsAndAThreeDigitExponent) {
    const std::vector<std::pair<double, std::string>> cases = {
        {12.5, "12.5"},
        {12.0, "12"},
        {0.13, "0.13"},
        {1024.0, "1024"},
        {0.0001, "0.0001"},
        {0.00001, "1e-005"},
        {2.0 / 3.0, "0.6666666666667"},
        {4.88, "4.88"},
        {0.1 + 0.2, "0.3"},
        {1e13, "1e+013"},
        {9999999999999.0, "9999999999999"},
        {-12.5, "-12.5"},
        {1e100, "1e+100"},
        {1.5e-300, "1.5e-300"},
        {0.0, "0"},
        {-0.0, "0"},
        {std::numeric_limits<double>::infinity(), "inf"},
        {-std::numeric_limits<double>::infinity(), "-inf"},
        {std::numeric_limits<double>::quiet_NaN(), "nan"},
    };
    for (const auto& [value, text] : cases) {
        EXPECT_EQ(doubleToText(value).bytes(), text) << "value " << value;
    }
}

struct RoundCase {
    double x;
    std::int32_t n;
    double rounded;
    std::string text;
};

TEST(RoundToDecimals, HalvesAwayFromZeroAfterTheNudge) {
    const std::vector<RoundCase> cases = {
        {12.5, 2, 12.5, "12.5"},
        {12.0, 2, 12.0, "12"},
        {0.125, 2, 0.13, "0.13"},
        {1.005, 2, 1.01, "1.01"},
        {1000.0 / 1024, 2, 0.98, "0.98"},
        {5000.0 / 1024, 2, 4.88, "4.88"},
        {1.0 / 1024, 2, 0.0, "0"},
        {100.0 / 3, 2, 33.33, "33.33"},
        {200.0 / 3, 2, 66.67, "66.67"},
        {0.0, 2, 0.0, "0"},
        {-1.5, 0, -2.0, "-2"},
        {2.5, 0, 3.0, "3"},
        {2.4, 0, 2.0, "2"},
        {1250.0, -2, 1300.0, "1300"},
        {1249.0, -2, 1200.0, "1200"},
        {-0.125, 2, -0.13, "-0.13"},
        {((4001.0 - 2001.0) / 4001.0) * 100.0, 2, 49.99, "49.99"},
        {((4001.0 - 1.0) / 4001.0) * 100.0, 2, 99.98, "99.98"},
    };
    for (const RoundCase& c : cases) {
        const double r = roundToDecimals(c.x, c.n);
        EXPECT_EQ(r, c.rounded) << "x " << c.x << " n " << c.n;
        EXPECT_EQ(doubleToText(r).bytes(), c.text) << "x " << c.x << " n " << c.n;
    }
    EXPECT_EQ(roundToDecimals(7.5), 8.0) << "n is 0 when omitted";
    EXPECT_TRUE(std::isnan(roundToDecimals(std::numeric_limits<double>::quiet_NaN(), 2)));
    EXPECT_TRUE(std::signbit(roundToDecimals(-0.0, 2)));
}

TEST(TruncateToInt, TowardZeroThroughSixtyFourBits) {
    const std::vector<std::pair<double, std::int32_t>> cases = {
        {2.9, 2},
        {-2.9, -2},
        {0.0, 0},
        {-2147483648.0, -2147483647 - 1},
        {2147483647.0, 2147483647},
        {4294967295.0, -1}, // 2^32 - 1 keeps its 32 bits
        {2147483648.0, -2147483647 - 1},
        {3000.0 - 2000.0, 1000},
        {1500.0 - 2000.0, -500},
        {std::numeric_limits<double>::quiet_NaN(), 0},
        {1e300, -1}, // saturates at the 64-bit maximum, whose low 32 bits are all ones
    };
    for (const auto& [value, expected] : cases) {
        EXPECT_EQ(truncateToInt(value), expected) << "value " << value;
    }
}

} // namespace
} // namespace zanvik
