#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

#include "analysis/text_scan.h"

namespace {

constexpr double infinity = std::numeric_limits<double>::infinity();

TEST(parse_time_value, converts_seconds_and_minutes) {
    static const struct {
        const char* token;
        double expected;
    } rows[] = {
        {"1:02", 62},
        {":30", 30},
        {"1:", 60},
        {":", 0},
        {"12.5", 12.5},
        {"2:03.75", 123.75},
        {"1.5:30", 90},         // minutes are an integer, which ends at the full stop
        {"10:75", 675},         // seconds of 60 or more stand as they are
        {"1:02:03", 1},         // two colons: one number, ending at the first colon
        {"", 0},
        {"abc", 0},
        {"12.5s", 12.5},
        {" +1:02", 62},
        {"-1:30", -30},
        {"1:02\tmore", 62},
        {"0.1", 0.1},           // correctly rounded, as the C library gives it
        {"2.675", 2.675},
        {"1e3", 1000},
        {"1.5E+2", 150},
        {"5.", 5},
        {".5", 0.5},
        {"-.5", -0.5},
        {".", 0},
        {"+", 0},
        {"1e", 1},              // an exponent letter without digits ends the number
        {"1e+", 1},
        {"1e-320", 1e-320},
        {"1e-999", 0},
        {"1e999", infinity},
        {"-1e999", -infinity},
        {"1e99999999999999999999999", infinity},
        {"0x10", 0},            // only the plain decimal form counts
        {"inf", 0},
        {"infinity", 0},
        {"nan", 0},
        {"-inf", 0},
        // Parts longer than 11 characters are read whole.
        {"123456789012345:30", 7407407340740730.0},
        {"1:000000000000030.5", 90.5},
        {"99999999999999999999:00", 9223372036854775807.0 * 60.0},
        {"-99999999999999999999:00", -9223372036854775808.0 * 60.0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.token);
        EXPECT_EQ(parse_time_value(row.token), row.expected);
    }
}

TEST(parse_time_value, keeps_the_sign_of_zero) {
    EXPECT_TRUE(std::signbit(parse_time_value("-0")));
    EXPECT_TRUE(std::signbit(parse_time_value("-0e999999")));
    EXPECT_FALSE(std::signbit(parse_time_value("0")));
}

TEST(parse_time_value, reads_numbers_far_beyond_a_double) {
    const std::string huge = "1" + std::string(400, '0');
    const std::string tiny = "0." + std::string(400, '0') + "1";
    const std::string tiny_but_fine = "0." + std::string(300, '0') + "1";
    EXPECT_EQ(parse_time_value(huge.c_str()), infinity);
    EXPECT_EQ(parse_time_value(tiny.c_str()), 0.0);
    EXPECT_EQ(parse_time_value(tiny_but_fine.c_str()), 1e-301);
    EXPECT_EQ(parse_time_value((huge + "e-400").c_str()), 1.0);
}

}  // namespace
