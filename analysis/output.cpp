#include "analysis/output.h"

#include <charconv>
#include <cmath>
#include <cstring>

namespace {

constexpr size_t output_buffer_size = 1 << 16;
char output_buffer[output_buffer_size];
size_t output_used = 0;
std::FILE* output_stream = nullptr;

std::FILE* current_stream() { return output_stream != nullptr ? output_stream : stdout; }

void drain() {
    if (output_used > 0) std::fwrite(output_buffer, 1, output_used, current_stream());
    output_used = 0;
}

}  // namespace

void output_set_stream(std::FILE* stream) {
    output_flush();
    output_stream = stream;
}

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

void output_text(const char* text) { output_bytes(text, std::strlen(text)); }

void output_fixed(double value, int decimals) {
    // Wide enough for DBL_MAX in fixed notation with nine decimals.
    char digits[400];
    if (!std::isfinite(value)) {
        // The platform's own spelling of infinities and not-a-numbers ("-nan" on glibc).
        const int n = std::snprintf(digits, sizeof digits, "%.*f", decimals, value);
        output_bytes(digits, n > 0 ? static_cast<size_t>(n) : 0);
        return;
    }
    // to_chars rounds exactly as printf does, at a fraction of its cost.
    const std::to_chars_result result = std::to_chars(
        digits, digits + sizeof digits, value, std::chars_format::fixed, decimals);
    output_bytes(digits, static_cast<size_t>(result.ptr - digits));
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
