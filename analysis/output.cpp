#include "analysis/output.h"

#include <charconv>
#include <cmath>
#include <cstring>

namespace {

constexpr size_t output_buffer_size = 1 << 16;
char output_buffer[output_buffer_size];
size_t output_used = 0;
std::FILE* output_stream = nullptr;

constexpr unsigned long long powers_of_ten[] = {1,         10,         100,       1000,
                                                10000,     100000,     1000000,   10000000,
                                                100000000, 1000000000};

// Writes value (below 10 to the power places) as exactly `places` digits, leading zeros
// included, two at a time from the right.
void write_decimals(unsigned long long value, int places, char* out) {
    static constexpr char pairs[] =
        "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
        "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
        "8081828384858687888990919293949596979899";
    auto rest = static_cast<unsigned>(value);  // below 1e9
    int place = places;
    for (; place >= 2; place -= 2, rest /= 100) {
        std::memcpy(out + place - 2, pairs + rest % 100 * 2, 2);
    }
    if (place == 1) out[0] = static_cast<char>('0' + rest);
}

// Where the output goes now.
std::FILE* current_stream() { return output_stream != nullptr ? output_stream : stdout; }

// Hands the buffered output to the stream and empties the buffer.
void drain() {
    if (output_used > 0) std::fwrite(output_buffer, 1, output_used, current_stream());
    output_used = 0;
}

}  // namespace

void output_set_stream(std::FILE* stream) {
    output_flush();
    output_stream = stream;
}

char* output_room(size_t n) {
    if (n > output_buffer_size - output_used) drain();
    return output_buffer + output_used;
}

void output_commit(size_t n) { output_used += n; }

void output_bytes(const char* text, size_t n) {
    if (n > output_buffer_size - output_used) {
        drain();
        if (n > output_buffer_size) {
            std::fwrite(text, 1, n, current_stream());
            return;
        }
    }
    std::memcpy(output_buffer + output_used, text, n);
    output_used += n;
}

size_t format_fixed(double value, int decimals, char* out) {
    if (!std::isfinite(value)) {
        // The platform's own spelling of infinities and not-a-numbers ("-nan" on glibc).
        const int n = std::snprintf(out, fixed_text_size, "%.*f", decimals, value);
        return n > 0 ? static_cast<size_t>(n) : 0;
    }
    const unsigned long long scale = powers_of_ten[decimals];
    const double scaled = std::fabs(value) * static_cast<double>(scale);
    if (scaled < 1e11) {
        // Below 1e11 the scaled value is off the exact product by under 2e-5, so wherever its
        // fraction stays clear of one half, rounding it to the nearest integer rounds as printf.
        auto units = static_cast<unsigned long long>(scaled);
        const double fraction = scaled - static_cast<double>(units);
        if (fraction < 0.4999 || fraction > 0.5001) {
            units += fraction > 0.5 ? 1 : 0;
            char* p = out;
            if (std::signbit(value)) *p++ = '-';
            p = std::to_chars(p, p + 24, units / scale).ptr;
            if (decimals > 0) {
                *p++ = '.';
                write_decimals(units % scale, decimals, p);
                p += decimals;
            }
            return static_cast<size_t>(p - out);
        }
    }
    // to_chars rounds exactly as printf does.
    const std::to_chars_result result =
        std::to_chars(out, out + fixed_text_size, value, std::chars_format::fixed, decimals);
    return static_cast<size_t>(result.ptr - out);
}

void output_fixed(double value, int decimals) {
    char text[fixed_text_size];
    output_bytes(text, format_fixed(value, decimals, text));
}

void output_integer(long long value) {
    char digits[24];
    const std::to_chars_result result = std::to_chars(digits, digits + sizeof digits, value);
    output_bytes(digits, static_cast<size_t>(result.ptr - digits));
}

bool output_flush() {
    drain();
    std::FILE* stream = current_stream();
    const bool flushed = std::fflush(stream) == 0;
    return flushed && !std::ferror(stream);
}
