#include "analysis/output.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <string>

#include "tests/test_support.h"

namespace {

// What printf prints for value with "%.*f".
std::string printf_fixed(double value, int decimals) {
    char text[400];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

// What output_fixed appends for value.
std::string output_fixed_text(double value, int decimals) {
    start_capture();
    output_fixed(value, decimals);
    return finish_capture();
}

// The echoes and the report promise what printf's "%.2f" and "%.1f" print, ties and all.
TEST(output_fixed, prints_what_printf_prints) {
    static const double values[] = {
        0.0, -0.0, 0.005, 0.015, 0.125, 0.375, 1.005, 2.675, 62.0, 123.75, 0.05, 0.25, -2.5,
        1e-320, 1e22, 1e300, std::numeric_limits<double>::max(), -std::numeric_limits<double>::max(),
        5749477.2, 4420739.65, 9223372036854775807.0,
        std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(),
        std::numeric_limits<double>::quiet_NaN(), -std::numeric_limits<double>::quiet_NaN(),
    };
    for (double value : values) {
        for (int decimals : {1, 2}) {
            SCOPED_TRACE(printf_fixed(value, 17) + " with " + std::to_string(decimals));
            EXPECT_EQ(output_fixed_text(value, decimals), printf_fixed(value, decimals));
        }
    }
    // Every 800th between -125 and 125 with its neighbours, where a rounding slip shows first.
    start_capture();
    std::string expected;
    for (int step = -100000; step <= 100000; ++step) {
        const double value = step / 800.0;
        for (double near : {std::nextafter(value, -1e9), value, std::nextafter(value, 1e9)}) {
            output_fixed(near, 2);
            output_text("\n");
            expected += printf_fixed(near, 2) + "\n";
        }
    }
    EXPECT_TRUE(finish_capture() == expected);
}

TEST(output_fixed, prints_what_printf_prints_over_many_magnitudes) {
    uint64_t state = 12345;
    start_capture();
    std::string expected;
    for (int i = 0; i < 200000; ++i) {
        state = state * 6364136223846793005u + 1442695040888963407u;
        const double value = std::ldexp(static_cast<double>(state >> 11), -53 + static_cast<int>(i % 90) - 40);
        const int decimals = 1 + i % 2;
        output_fixed(i % 3 == 0 ? -value : value, decimals);
        output_text("\n");
        expected += printf_fixed(i % 3 == 0 ? -value : value, decimals) + "\n";
    }
    EXPECT_TRUE(finish_capture() == expected);
}

TEST(output_bytes, keeps_order_across_the_buffer_and_long_writes) {
    start_capture();
    const std::string long_text(200000, 'x');
    output_text("a");
    output_bytes(long_text.data(), long_text.size());
    output_integer(-9223372036854775807LL - 1);
    output_text("\n");
    EXPECT_EQ(finish_capture(), "a" + long_text + "-9223372036854775808\n");
}

}  // namespace
