#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
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

namespace {

// Decimal texts of every shape the conversion accepts, the same on every run.
std::string random_decimal(uint64_t& state) {
    auto next = [&state](unsigned below) {
        state = state * 6364136223846793005u + 1442695040888963407u;
        return static_cast<unsigned>((state >> 33) % below);
    };
    std::string text;
    if (next(4) == 0) text += next(2) ? "-" : "+";
    const unsigned whole = next(22);
    for (unsigned i = 0; i < whole; ++i) text += static_cast<char>('0' + (i == 0 && next(3) == 0 ? 0 : next(10)));
    if (next(2)) {
        text += '.';
        const unsigned fraction = next(25);
        for (unsigned i = 0; i < fraction; ++i) text += static_cast<char>('0' + next(10));
    }
    if (next(3) == 0) {
        text += next(2) ? 'e' : 'E';
        if (next(2)) text += next(2) ? "-" : "+";
        text += std::to_string(next(next(2) ? 30 : 400));
    }
    return text;
}

// The conversion must give the correctly rounded double, as the C library's does in the
// default locale.
TEST(parse_time_value, matches_the_c_library_on_plain_decimals) {
    uint64_t state = 42;
    for (int i = 0; i < 300000; ++i) {
        const std::string text = random_decimal(state);
        char* end = nullptr;
        double expected = std::strtod(text.c_str(), &end);
        // Where no number stands the result is a plain 0 (some C libraries keep the sign).
        if (end == text.c_str()) expected = 0.0;
        const double actual = parse_time_value(text.c_str());
        ASSERT_TRUE(actual == expected || (std::isnan(actual) && std::isnan(expected))) << text;
        ASSERT_EQ(std::signbit(actual), std::signbit(expected)) << text;
    }
}

}  // namespace
