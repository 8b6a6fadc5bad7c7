// libFuzzer target: arbitrary bytes as one log line, as the reader would hand it over, and as
// text for the scanning primitives and conversions. Checks properties, not only crashes.
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "analysis/line_analysis.h"
#include "analysis/output.h"
#include "analysis/text_scan.h"
#include "driver/log_reader.h"
#include "driver/run_totals.h"

namespace {

// Stops the run with a message when a property does not hold.
void check(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "property broken: %s\n", what);
        std::abort();
    }
}

// The cursor tests move only forward, never past the terminator, and only past the key.
void check_cursor_tests(const char* text, const char* key) {
    const size_t length = std::strlen(text);
    const size_t key_length = std::strlen(key);
    for (size_t start : {size_t{0}, length / 2, length}) {
        const char* cursor = text + start;
        const bool prefix = match_prefix(cursor, key);
        check(prefix == (std::strncmp(text + start, key, key_length) == 0), "match_prefix result");
        check(cursor == text + start + (prefix ? key_length : 0), "match_prefix cursor");

        cursor = text + start;
        const char* found = std::strstr(text + start, key);
        const bool skipped = skip_past(cursor, key);
        check(skipped == (found != nullptr), "skip_past result");
        check(cursor == (skipped ? found + key_length : text + start), "skip_past cursor");
        check(cursor <= text + length, "cursor past the terminator");
    }
}

// extract_field never writes past its capacity and gives a beginning of the whole field.
void check_extract_field(const char* text, char sep, int index, size_t capacity) {
    char out[130];
    std::memset(out, '#', sizeof out);
    extract_field(text, sep, index, out, capacity);
    check(out[capacity] == '#', "extract_field wrote past its capacity");
    check(std::strlen(out) < capacity, "extract_field did not terminate");
    std::string field;
    int at = 0;
    for (const char* p = text; *p != '\0'; ++p) {
        if (*p == sep) ++at;
        else if (at == index) field += *p;
    }
    check(field.compare(0, std::strlen(out), out) == 0, "extract_field gave another field");
    check(std::strlen(out) == std::min(field.size(), capacity - 1), "extract_field cut short");
}

// Both conversions agree with the C library wherever the text holds only the plain forms.
void check_conversions(const char* text) {
    errno = 0;
    const long long expected_int = std::strtoll(text, nullptr, 10);
    check(parse_decimal_int(text) == expected_int, "parse_decimal_int against strtoll");
    if (std::strspn(text, "0123456789.eE+- \t") == std::strlen(text)) {
        const double expected = std::strtod(text, nullptr);
        const double actual = parse_decimal_double(text);
        check(actual == expected && std::signbit(actual) == std::signbit(expected),
              "parse_decimal_double against strtod");
    }
}

// The formatting agrees with printf.
void check_format(double value) {
    for (int decimals : {1, 2}) {
        char expected[fixed_text_size];
        std::snprintf(expected, sizeof expected, "%.*f", decimals, value);
        char actual[fixed_text_size];
        const size_t n = format_fixed(value, decimals, actual);
        check(std::string(actual, n) == expected, "format_fixed against printf");
    }
}

// A time echo says what converting its token and printing the seconds says.
void check_time_echo(const std::string& echo) {
    const size_t token_start = std::strlen("time found = ");
    const std::string token = echo.substr(token_start, echo.find(' ', token_start) - token_start);
    const double seconds = parse_time_value(token.c_str());
    char printed[fixed_text_size];
    const std::string expected = "time found = " + token + " that is " +
                                 std::string(printed, format_fixed(seconds, 2, printed)) + " sec\n";
    check(echo == expected, "a time echo against the conversion and printing of its token");
    const double total = run_totals.totaltime;
    check(total == seconds || (std::isnan(seconds) && std::isnan(total)),
          "the time total against the conversion of the token");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // A piece as the reader cuts it: up to the first line feed, at most 999 bytes.
    char line[line_buffer_size];
    size_t n = 0;
    while (n < size && n < line_buffer_size - 1) {
        line[n] = static_cast<char>(data[n]);
        if (line[n++] == '\n') break;
    }
    line[n] = '\0';
    char raw[line_buffer_size];
    std::memcpy(raw, line, n + 1);
    trim_line_end(line);
    trim_line_start(line);

    for (const char* key : {"Crafty v", "hash table memory = ", "time=", "  n=", "", "="}) {
        check_cursor_tests(line, key);
    }
    if (std::strlen(raw) >= 2) check_cursor_tests(line, raw + std::strlen(raw) / 2);
    const char sep = size > 0 ? static_cast<char>(data[0]) : ':';
    for (int index : {-1, 0, 1, 2}) {
        check_extract_field(line, sep, index, 1 + size % 128);
        check_extract_field(line, ' ', index, 100);
    }
    check_conversions(raw);
    if (size >= 8) {
        double value;
        std::memcpy(&value, data, sizeof value);
        check_format(value);
    }

    // The echoes: at most four lines, each one of the three kinds.
    static char captured[1 << 14];
    std::FILE* sink = fmemopen(captured, sizeof captured, "w");
    output_set_stream(sink);
    run_totals = run_totals_record{};
    analyse_line(line);
    output_set_stream(stdout);
    const long written = std::ftell(sink);
    std::fclose(sink);
    std::string echoes(captured, static_cast<size_t>(written));
    check(echoes.empty() || echoes.back() == '\n', "an echo without its line feed");
    int lines = 0;
    for (size_t at = 0; at < echoes.size(); ++lines) {
        const size_t next = echoes.find('\n', at) + 1;
        const std::string echo = echoes.substr(at, next - at);
        check(echo.rfind("version= ", 0) == 0 || echo.rfind("hash = ", 0) == 0 ||
                  echo.rfind("time found = ", 0) == 0,
              "an echo of no known kind");
        if (echo.rfind("time found = ", 0) == 0) check_time_echo(echo);
        at = next;
    }
    check(lines <= 4, "more than four echoes for one line");
    return 0;
}
