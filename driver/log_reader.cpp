#include "driver/log_reader.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>

#include "analysis/line_analysis.h"
#include "driver/diagnostics.h"
#include "driver/key_scan.h"
#include "driver/run_totals.h"

namespace {

constexpr size_t piece_limit = line_buffer_size - 1;
constexpr size_t block_capacity = size_t{1} << 20;

// The log is read in large blocks and its pieces are analysed where they stand. One spare byte
// lets the last piece of a full block be terminated in place. Static, so that memory stays flat
// whatever the size of the log.
char block[block_capacity + 1];

// The characters that the end trim cuts: line feed, carriage return and blank.
bool is_line_end(char c) { return c == '\n' || c == '\r' || c == ' '; }

// The eight bytes at text, with a zero byte wherever a blank stands.
uint64_t blanks_zeroed(const char* text) {
    uint64_t word;
    std::memcpy(&word, text, sizeof word);
    return word ^ 0x2020202020202020u;
}

// How many blanks the eight bytes at text start with (8 when all are blanks).
size_t leading_blanks(const char* text) {
#if defined(__GNUC__) && __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__
    const uint64_t others = blanks_zeroed(text);
    return others == 0 ? 8 : static_cast<size_t>(__builtin_ctzll(others)) / 8;
#else
    size_t n = 0;
    while (n < 8 && text[n] == ' ') ++n;
    return n;
#endif
}

// How many blanks the eight bytes at text end with (8 when all are blanks).
size_t trailing_blanks(const char* text) {
#if defined(__GNUC__) && __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__
    const uint64_t others = blanks_zeroed(text);
    return others == 0 ? 8 : static_cast<size_t>(__builtin_clzll(others)) / 8;
#else
    size_t n = 0;
    while (n < 8 && text[7 - n] == ' ') ++n;
    return n;
#endif
}

// The first character of [text, end) that is not a blank, or end. Log lines are indented by
// long runs of blanks: they are passed eight at a time.
char* past_blanks(char* text, char* end) {
    while (end - text >= 8) {
        const size_t blanks = leading_blanks(text);
        text += blanks;
        if (blanks < 8) return text;
    }
    while (text < end && *text == ' ') ++text;
    return text;
}

// The end of [text, end) once line feeds, carriage returns and blanks are cut from it.
char* before_line_end(char* text, char* end) {
    while (end > text && is_line_end(end[-1])) --end;
    return end;
}

// Normalises the piece [begin, end) where it stands, as the two trims would in a buffer of its
// own, and analyses it. text_end is the piece's first zero byte, or end: its text stops there.
void analyse_piece(char* begin, char* text_end) {
    char* const start = past_blanks(begin, text_end);
    char* const stop = before_line_end(start, text_end);
    const char kept = *stop;
    *stop = '\0';
    analyse_line(start);
    *stop = kept;
}

// The start of the piece holding at. piece is the start of a piece at or before at.
char* piece_start(char* piece, char* at) {
    char* line = at;
    while (line - piece >= 8) {
        const size_t blanks = trailing_blanks(line - 8);
        line -= blanks;
        if (blanks < 8) break;
    }
    while (line > piece && line[-1] != '\n') --line;
    // From the start of a line, or from any piece start within it, pieces follow every 999 bytes.
    const size_t offset = static_cast<size_t>(at - line);
    return offset < piece_limit ? line : line + offset / piece_limit * piece_limit;
}

// The end of the piece that starts at piece, or nullptr when more of the log is needed to know.
char* piece_end(char* piece, char* end, bool at_end) {
    const size_t span = std::min(static_cast<size_t>(end - piece), piece_limit);
    char* newline = static_cast<char*>(std::memchr(piece, '\n', span));
    if (newline != nullptr) return newline + 1;
    if (span == piece_limit || at_end) return piece + span;
    return nullptr;
}

// The first zero byte in [from, end), or end.
char* first_zero(char* from, char* end) {
    char* found = static_cast<char*>(std::memchr(from, '\0', static_cast<size_t>(end - from)));
    return found != nullptr ? found : end;
}

// Analyses every piece in [begin, end) that can count, begin being a piece start. Only a piece
// that holds a candidate of next_candidate can hold a key whole; all others are passed over
// unread. Returns where the first piece that is not yet whole starts. REQUIRES: *end is writable.
char* scan_block(char* begin, char* end, bool at_end) {
    char* done = begin;  // a piece start; everything before it is handled
    for (char* at = next_candidate(done, end); at != end; at = next_candidate(done, end)) {
        char* const piece = piece_start(done, at);
        char* const stop = piece_end(piece, end, at_end);
        if (stop == nullptr) return piece;
        // The piece's text ends at its first zero byte.
        analyse_piece(piece, first_zero(piece, stop));
        done = stop;
    }
    if (at_end) return end;
    // Nothing left that counts: keep only the last piece, which is not yet whole.
    return piece_start(done, end);
}

}  // namespace

void trim_line_end(char* text) {
    *before_line_end(text, text + std::strlen(text)) = '\0';
}

void trim_line_start(char* text) {
    char* const end = text + std::strlen(text);
    char* const start = past_blanks(text, end);
    if (start != text) std::memmove(text, start, static_cast<size_t>(end - start) + 1);
}

bool read_log_stream(std::FILE* log, size_t block_bytes) {
    block_bytes = std::clamp(block_bytes, line_buffer_size, block_capacity);
    char* begin = block;
    char* end = block;
    bool at_end = false;
    bool read_failed = false;
    while (!at_end) {
        // Keep the piece that is not yet whole (under 999 bytes) and fill the block behind it.
        const size_t pending = static_cast<size_t>(end - begin);
        std::memmove(block, begin, pending);
        const size_t wanted = block_bytes - pending;
        const size_t got = std::fread(block + pending, 1, wanted, log);
        begin = block;
        end = block + pending + got;
        if (got < wanted) {
            at_end = true;
            read_failed = std::ferror(log) != 0;
        }
        begin = scan_block(begin, end, at_end);
    }
    return !read_failed;
}

bool read_log_file(const char* path) {
    std::FILE* log = std::fopen(path, "r");
    if (log == nullptr) fail("Error opening ", path);
    // The blocks are large enough: let each read go straight into them.
    std::setvbuf(log, nullptr, _IONBF, 0);
    errno = 0;
    const bool ok = read_log_stream(log, block_capacity);
    // A directory opens for reading on Linux, and only its first read fails.
    if (!ok && errno == EISDIR) fail("Error opening ", path);
    std::fclose(log);
    return ok;
}
