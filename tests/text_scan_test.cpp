#include "analysis/text_scan.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

namespace {

constexpr int miss = -1;

// One call of a cursor test: the cursor starts at text + start; expected is where it ends, as
// an offset into text, or miss when the test must return false and leave the cursor alone.
struct cursor_case {
    const char* text;
    int start;
    const char* key;
    int expected;
};

// Runs test on every row and checks its result and where it left the cursor.
template <bool (*test)(const char*&, const char*), size_t n>
void check_cursor_cases(const cursor_case (&rows)[n]) {
    for (const cursor_case& row : rows) {
        SCOPED_TRACE(std::string(row.text) + " | " + row.key);
        const char* cursor = row.text + row.start;
        const bool found = test(cursor, row.key);
        EXPECT_EQ(found, row.expected != miss);
        EXPECT_EQ(cursor - row.text, found ? row.expected : row.start);
    }
}

TEST(match_prefix, hits_only_at_the_cursor) {
    static const cursor_case rows[] = {
        {"Crafty v19.3", 0, "Crafty v", 8},
        {"Crafty v", 0, "Crafty v", 8},        // the rest is the empty text
        {"crafty v19.3", 0, "Crafty v", miss}, // case counts
        {"CraftY v19.3", 0, "Crafty v", miss},
        {"Craf", 0, "Crafty v", miss},         // a beginning of the key is not the key
        {"", 0, "Crafty v", miss},
        {"the Crafty v19", 0, "Crafty v", miss},
        {"the Crafty v19", 4, "Crafty v", 12},
        {"abc", 1, "", 1},                      // the empty key stands everywhere
        {"hash table memory = 3M", 0, "hash table memory = ", 20},
        {"hash table memory =", 0, "hash table memory = ", miss},
    };
    check_cursor_cases<match_prefix>(rows);
}

TEST(skip_past, lands_after_the_first_occurrence_from_the_cursor) {
    static const cursor_case rows[] = {
        {"time=3 time=4", 0, "time=", 5},
        {"time=3 time=4", 5, "time=", 12},     // a second call finds the second key
        {"time=3 x", 5, "time=", miss},        // only before the cursor
        {"the Crafty v19", 0, "Crafty v", 12},
        {"xtime=2", 0, "time=", 6},            // no regard to words
        {"a  n=5", 0, "  n=", 5},
        {"a n=5", 0, "  n=", miss},
        {"time", 0, "time=", miss},            // text shorter than the key
        {"", 0, "time=", miss},
        {"abc", 2, "", 2},
    };
    check_cursor_cases<skip_past>(rows);
}

TEST(count_char, counts_every_occurrence) {
    static const struct {
        const char* text;
        int expected;
    } rows[] = {{"", 0}, {"12.5", 0}, {"1:02", 1}, {"1:02:03", 2}, {":::", 3}, {"a:b:", 2}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        EXPECT_EQ(count_char(row.text, ':'), row.expected);
    }
}

TEST(extract_field, cuts_the_field_and_never_writes_past_the_buffer) {
    static const struct {
        const char* text;
        char sep;
        int index;
        size_t size;
        const char* expected;
    } rows[] = {
        {"1:02", ':', 0, 12, "1"},
        {"1:02", ':', 1, 12, "02"},
        {"1:02", ':', 2, 12, ""},
        {":30", ':', 0, 12, ""},
        {":30", ':', 1, 12, "30"},
        {"1:", ':', 1, 12, ""},
        {"a::b", ':', 1, 12, ""},
        {"a::b", ':', 2, 12, "b"},
        {"", ':', 0, 12, ""},
        {"", ':', 3, 12, ""},
        {"1:02", ':', -1, 12, ""},
        {"1:02\tx y", ' ', 0, 100, "1:02\tx"},
        {"noblank", ' ', 0, 100, "noblank"},
        {" 5", ' ', 0, 100, ""},
        {"123456789:0", ':', 0, 5, "1234"},     // cut to the buffer, still terminated
        {"123456789", ' ', 0, 1, ""},
        {"ab", ' ', 0, 3, "ab"},                // exactly fits
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.text) + " | " + std::to_string(row.index));
        char out[101];
        std::fill(std::begin(out), std::end(out), '#');
        extract_field(row.text, row.sep, row.index, out, row.size);
        EXPECT_STREQ(out, row.expected);
        EXPECT_EQ(out[row.size], '#') << "wrote past the buffer";
    }
}

TEST(parse_decimal_int, converts_and_saturates) {
    constexpr int64_t max = std::numeric_limits<int64_t>::max();
    constexpr int64_t min = std::numeric_limits<int64_t>::min();
    static const struct {
        const char* text;
        int64_t expected;
    } rows[] = {
        {"42", 42},
        {" \t\n\v\f\r42", 42},
        {"+7", 7},
        {"-5", -5},
        {"12k", 12},
        {"1.9", 1},
        {"abc", 0},
        {"", 0},
        {"-", 0},
        {"+-3", 0},
        {"- 3", 0},
        {"2147483648", 2147483648},
        {"9223372036854775807", max},
        {"9223372036854775808", max},
        {"99999999999999999999999", max},
        {"-9223372036854775808", min},
        {"-9223372036854775809", min},
        {"-99999999999999999999999", min},
        {"000000000000000000000000000042", 42},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        EXPECT_EQ(parse_decimal_int(row.text), row.expected);
    }
}

}  // namespace
