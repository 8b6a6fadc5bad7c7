#include "analysis/line_analysis.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <limits>

#include "analysis/output.h"
#include "analysis/text_scan.h"
#include "driver/run_totals.h"

run_totals_record run_totals;

namespace {

constexpr const char version_key[] = "Crafty v";
// Both hash keys end in a blank, which the reader trims from a line that holds the key alone:
// such a line never fires.
constexpr const char hash_key[] = "hash table memory = ";
constexpr const char pawn_hash_key[] = "pawn hash table memory = ";
constexpr const char time_key[] = "time=";
// Two leading blanks: a node key at the very start of a line is never counted, since the
// reader has already stripped them.
constexpr const char node_key[] = "  n=";

// Room for a time token of 99 characters; a longer run of text keeps its first 99.
constexpr size_t time_token_size = 100;

// Copies text into a run_totals field of line_buffer_size bytes; a 999-character piece fits whole.
void keep_text(char* field, const char* text) {
    const size_t n = std::min(std::strlen(text), line_buffer_size - 1);
    std::memcpy(field, text, n);
    field[n] = '\0';
}

// Prints label, then text, then a line feed.
void echo_line(const char* label, const char* text) {
    output_text(label);
    output_text(text);
    output_bytes("\n", 1);
}

// Copies n bytes of text to at; returns the position after them.
char* append(char* at, const char* text, size_t n) {
    std::memcpy(at, text, n);
    return at + n;
}

// True when token is already "%.2f" of its own value: digits, a full stop and two digits, with
// no leading zero but the units' own and at most 13 digits before the stop. Then seconds is
// that value, which a double holds to within 0.0011, far inside the 0.005 that rounding to two
// decimals would need to print other digits. Only reads the length bytes of token.
bool read_fixed_form(const char* token, size_t length, double& seconds) {
    if (length < 4 || length > 16 || token[length - 3] != '.') return false;
    if (token[0] == '0' && length != 4) return false;
    uint64_t hundredths = 0;
    for (size_t i = 0; i < length; ++i) {
        if (i == length - 3) continue;
        const auto digit = static_cast<unsigned char>(token[i] - '0');
        if (digit > 9) return false;
        hundredths = hundredths * 10 + digit;
    }
    // Below 2^53, so exact; one correctly rounded division, as the conversion itself makes.
    seconds = static_cast<double>(hundredths) / 100.0;
    return true;
}

// Cuts the time token from cursor, which follows the time key, prints "time found = TOKEN that
// is SECONDS sec", moves cursor past the characters cut and returns the seconds. The token is
// cut straight into the output's buffer.
double echo_time(const char*& cursor) {
    static constexpr char lead[] = "time found = ";
    static constexpr char middle[] = " that is ";
    static constexpr char tail[] = " sec\n";
    constexpr size_t longest =
        sizeof lead + time_token_size + sizeof middle + fixed_text_size + sizeof tail;
    static_assert(longest <= output_room_limit, "the echo must fit the output's room");
    char* const echo = output_room(longest);
    char* const token = append(echo, lead, sizeof lead - 1);
    // Only a blank ends the token; a tab and what follows it belong to it.
    extract_field(cursor, ' ', 0, token, time_token_size);
    // Counted a byte at a time: the library's wide loads would wait for the bytes just stored.
    size_t length = 0;
    while (token[length] != '\0') ++length;
    cursor += length;
    double seconds = 0.0;
    // Most tokens are written as the echo prints them: the token is then the echo's text.
    const bool fixed_form = read_fixed_form(token, length, seconds);
    if (!fixed_form) seconds = parse_time_value(token);
    char* at = append(token + length, middle, sizeof middle - 1);
    if (fixed_form) {
        at = append(at, token, length);
    } else {
        at += format_fixed(seconds, 2, at);
    }
    at = append(at, tail, sizeof tail - 1);
    output_commit(static_cast<size_t>(at - echo));
    return seconds;
}

// Adds count to the node total, held at the 64-bit range instead of wrapping.
void add_nodes(int64_t count) {
    int64_t& total = run_totals.totalnodes;
    if (count > 0 && total > std::numeric_limits<int64_t>::max() - count) {
        total = std::numeric_limits<int64_t>::max();
    } else if (count < 0 && total < std::numeric_limits<int64_t>::min() - count) {
        total = std::numeric_limits<int64_t>::min();
    } else {
        total += count;
    }
}

}  // namespace

void analyse_line(const char* line) {
    // One cursor for all five keys: each prefix test looks where the last key that matched
    // ended, and the node key is sought only after the time key when there is one.
    const char* cursor = line;
    if (match_prefix(cursor, version_key)) {
        keep_text(run_totals.version, cursor);
        echo_line("version= ", run_totals.version);
    }
    if (match_prefix(cursor, hash_key)) {
        keep_text(run_totals.hash, cursor);
        echo_line("hash = ", run_totals.hash);
    }
    if (match_prefix(cursor, pawn_hash_key)) {
        keep_text(run_totals.hash, cursor);
        echo_line("hash = ", run_totals.hash);
    }
    if (skip_past(cursor, time_key)) run_totals.totaltime += echo_time(cursor);
    // The node key starts with a blank, so it never starts among the token's characters.
    if (skip_past(cursor, node_key)) add_nodes(parse_decimal_int(cursor));
}
