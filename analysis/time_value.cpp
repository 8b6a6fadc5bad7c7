#include <cstring>

#include "analysis/text_scan.h"

double parse_time_value(const char* token) {
    // Only a single colon makes minutes and seconds; with two or more the token is one number,
    // which ends at the first colon, so it is never read as hours.
    if (count_char(token, ':') != 1) return parse_decimal_double(token);
    // Both parts are converted where they stand in the token: each conversion stops at the
    // colon or the terminator anyway, so a part of any length is read whole.
    const char* seconds = std::strchr(token, ':') + 1;
    return static_cast<double>(parse_decimal_int(token)) * 60.0 + parse_decimal_double(seconds);
}
