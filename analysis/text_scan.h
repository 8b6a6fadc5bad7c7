// Scanning primitives over zero-terminated 8-bit texts, and the conversion of time tokens.
// None of them allocates, prints or keeps state; an absent value is false, the empty text or 0.
#pragma once

#include <cstddef>
#include <cstdint>

// True when key stands at cursor; then cursor moves past it, otherwise it is unmoved.
bool match_prefix(const char*& cursor, const char* key);

// True when key occurs at or after cursor; then cursor moves just past its first occurrence,
// otherwise it is unmoved. Never looks before cursor.
bool skip_past(const char*& cursor, const char* key);

// Number of times c stands in text before its terminator.
int count_char(const char* text, char c);

// Copies field `index` of text, split at sep, into out; never writes past out_size bytes
// (a longer field is cut to out_size - 1 characters) and always terminates. REQUIRES: out_size > 0.
void extract_field(const char* text, char sep, int index, char* out, size_t out_size);

// The decimal integer after leading white space and one optional sign; 0 without digits.
// Saturates at the 64-bit signed range instead of wrapping. Only reads text.
int64_t parse_decimal_int(const char* text);

// The plain decimal number (digits, one optional full stop, optional exponent) after leading
// white space and one optional sign; 0 without one, an infinity beyond the range of a double.
// Never reads hexadecimal, "inf" or "nan", and never depends on the locale. Only reads text.
double parse_decimal_double(const char* text);

// Seconds in a time token ("1:02" -> 62.0, "12.5" -> 12.5); 0 where no number stands.
// Only reads token.
double parse_time_value(const char* token);
