#include <charconv>
#include <cstdint>
#include <limits>

#include "analysis/text_scan.h"

namespace {

// Space, tab, line feed, vertical tab, form feed and carriage return.
bool is_white(char c) { return c == ' ' || static_cast<unsigned char>(c - '\t') <= '\r' - '\t'; }

// The decimal digits 0 to 9.
bool is_digit(char c) { return static_cast<unsigned char>(c - '0') < 10; }

// The powers of ten that a double holds exactly.
constexpr double exact_powers_of_ten[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                          1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                          1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// Past leading white space and one optional sign; sets negative for a minus.
const char* skip_white_and_sign(const char* text, bool& negative) {
    const char* p = text;
    while (is_white(*p)) ++p;
    negative = *p == '-';
    if (*p == '+' || *p == '-') ++p;
    return p;
}

// The power of ten of the leading significant digit of the digits at number (1 for "5.2",
// 0 for ".52", -1 for ".052"), before any exponent; 0 when no digit is significant.
int64_t leading_power(const char* number) {
    int64_t power = 0;
    const char* p = number;
    for (; is_digit(*p); ++p) {
        if (power > 0 || *p != '0') ++power;
    }
    if (power > 0 || *p != '.') return power;
    for (++p; *p == '0'; ++p) --power;
    return is_digit(*p) ? power : 0;
}

}  // namespace

int64_t parse_decimal_int(const char* text) {
    bool negative = false;
    const char* p = skip_white_and_sign(text, negative);
    // Eighteen digits always fit; only a longer number needs the test against the limit.
    // Two digits at a time while they last: half the steps, and half the chain of products.
    uint64_t magnitude = 0;
    int digits = 0;
    for (; digits < 18 && is_digit(p[0]) && is_digit(p[1]); p += 2, digits += 2) {
        magnitude = magnitude * 100 + static_cast<uint64_t>((p[0] - '0') * 10 + (p[1] - '0'));
    }
    if (digits < 18 && is_digit(*p)) {
        magnitude = magnitude * 10 + static_cast<uint64_t>(*p - '0');
        ++p;
    }
    // The magnitude is held at the limit of its sign, so it never wraps.
    const uint64_t limit = negative ? uint64_t{1} << 63 : (uint64_t{1} << 63) - 1;
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

    // Gather the digits of the plain decimal form, as long as 19 of them fit a 64-bit mantissa.
    const char* p = number;
    uint64_t mantissa = 0;
    int digits = 0;
    int fraction_digits = 0;
    for (; is_digit(*p); ++p, ++digits) {
        if (digits < 19) mantissa = mantissa * 10 + static_cast<uint64_t>(*p - '0');
    }
    if (*p == '.') {
        for (++p; is_digit(*p); ++p, ++digits, ++fraction_digits) {
            if (digits < 19) mantissa = mantissa * 10 + static_cast<uint64_t>(*p - '0');
        }
    }
    if (digits == 0) return 0.0;
    const char* end = p;
    int64_t exponent = 0;
    if (*p == 'e' || *p == 'E') {
        const char* q = p + 1;
        const bool exponent_negative = *q == '-';
        if (*q == '+' || *q == '-') ++q;
        if (is_digit(*q)) {
            for (; is_digit(*q); ++q) {
                // Far beyond any double; held here so that the sums below cannot overflow.
                if (exponent < 1000000000) exponent = exponent * 10 + (*q - '0');
            }
            if (exponent_negative) exponent = -exponent;
            end = q;
        }
    }

    double value = 0.0;
    const int64_t power = exponent - fraction_digits;
    if (digits <= 19 && mantissa <= (uint64_t{1} << 53) && power >= -22 && power <= 22) {
        // Both operands are exact doubles, so one correctly rounded operation is the answer.
        value = static_cast<double>(mantissa);
        value = power >= 0 ? value * exact_powers_of_ten[power] : value / exact_powers_of_ten[-power];
    } else {
        const std::from_chars_result result =
            std::from_chars(number, end, value, std::chars_format::general);
        if (result.ec == std::errc::result_out_of_range) {
            value = leading_power(number) + exponent > 0 ? std::numeric_limits<double>::infinity()
                                                         : 0.0;
        }
    }
    return negative ? -value : value;
}
