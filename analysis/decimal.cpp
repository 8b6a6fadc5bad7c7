#include <charconv>
#include <cstdint>
#include <limits>

#include "analysis/text_scan.h"

namespace {

bool is_white(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool is_digit(char c) { return c >= '0' && c <= '9'; }

// Past leading white space and one optional sign; sets negative for a minus.
const char* skip_white_and_sign(const char* text, bool& negative) {
    const char* p = text;
    while (is_white(*p)) ++p;
    negative = *p == '-';
    if (*p == '+' || *p == '-') ++p;
    return p;
}

}  // namespace

int64_t parse_decimal_int(const char* text) {
    bool negative = false;
    const char* p = skip_white_and_sign(text, negative);
    // The magnitude is gathered unsigned and held at the limit of its sign, so it never wraps.
    const uint64_t limit = negative ? uint64_t{1} << 63 : (uint64_t{1} << 63) - 1;
    uint64_t magnitude = 0;
    for (; is_digit(*p); ++p) {
        const uint64_t digit = static_cast<uint64_t>(*p - '0');
        magnitude = magnitude > (limit - digit) / 10 ? limit : magnitude * 10 + digit;
    }
    if (!negative) return static_cast<int64_t>(magnitude);
    if (magnitude == limit) return std::numeric_limits<int64_t>::min();
    return -static_cast<int64_t>(magnitude);
}

double parse_decimal_double(const char* text) {
    bool negative = false;
    const char* const number = skip_white_and_sign(text, negative);

    // Find the end of the longest plain decimal form, and the power of ten of its leading
    // significant digit, which tells an overflow from an underflow below.
    const char* p = number;
    int64_t lead_power = 0;
    bool seen_digit = false;
    bool seen_significant = false;
    for (; is_digit(*p); ++p) {
        seen_digit = true;
        if (*p != '0') seen_significant = true;
        if (seen_significant) ++lead_power;
    }
    if (*p == '.') {
        ++p;
        for (; is_digit(*p); ++p) {
            seen_digit = true;
            if (!seen_significant) {
                if (*p != '0') seen_significant = true;
                else --lead_power;
            }
        }
    }
    if (!seen_digit) return 0.0;
    if (!seen_significant) return negative ? -0.0 : 0.0;
    const char* end = p;
    if (*p == 'e' || *p == 'E') {
        bool exponent_negative = false;
        const char* q = p + 1;
        exponent_negative = *q == '-';
        if (*q == '+' || *q == '-') ++q;
        if (is_digit(*q)) {
            int64_t exponent = 0;
            for (; is_digit(*q); ++q) {
                // Far beyond any double; held here so that the sum below cannot overflow.
                if (exponent < 1000000000) exponent = exponent * 10 + (*q - '0');
            }
            lead_power += exponent_negative ? -exponent : exponent;
            end = q;
        }
    }

    double value = 0.0;
    const std::from_chars_result result =
        std::from_chars(number, end, value, std::chars_format::general);
    if (result.ec == std::errc::result_out_of_range) {
        value = lead_power > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return negative ? -value : value;
}
