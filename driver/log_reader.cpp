#include "driver/log_reader.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "analysis/line_analysis.h"
#include "driver/diagnostics.h"
#include "driver/run_totals.h"

namespace {

constexpr size_t piece_limit = line_buffer_size - 1;
constexpr size_t block_capacity = size_t{1} << 20;

// The log is read in large blocks and cut into pieces where they stand; only the pieces that
// can count are copied out. Static, so that memory stays flat whatever the size of the log.
char block[block_capacity];

// Normalises the piece [begin, end), at most 999 bytes, in a buffer of its own and analyses it.
void analyse_piece(const char* begin, const char* end) {
    char line_buffer[line_buffer_size];
    const size_t n = static_cast<size_t>(end - begin);
    std::memcpy(line_buffer, begin, n);
    line_buffer[n] = '\0';
    trim_line_end(line_buffer);
    trim_line_start(line_buffer);
    analyse_line(line_buffer);
}

// False only for a piece on which analyse_line can find nothing: every key but the version key
// holds a '=', and the version key counts only first on the line, after blanks.
// next_equals is the first '=' at or after begin in the block, or block_end when there is none.
bool piece_may_count(const char* begin, const char* end, const char* next_equals) {
    if (next_equals < end) return true;
    const char* p = begin;
    while (p < end && *p == ' ') ++p;
    return p < end && *p == 'C';
}

}  // namespace

void trim_line_end(char* text) {
    size_t n = std::strlen(text);
    while (n > 0 && (text[n - 1] == '\n' || text[n - 1] == '\r' || text[n - 1] == ' ')) --n;
    text[n] = '\0';
}

void trim_line_start(char* text) {
    size_t blanks = 0;
    while (text[blanks] == ' ') ++blanks;
    if (blanks > 0) std::memmove(text, text + blanks, std::strlen(text + blanks) + 1);
}

bool read_log_stream(std::FILE* log, size_t block_bytes) {
    block_bytes = std::clamp(block_bytes, line_buffer_size, block_capacity);
    char* begin = block;
    char* end = block;
    const char* next_equals = nullptr;  // unknown until sought in the current block
    bool at_end = false;
    bool read_failed = false;
    for (;;) {
        const size_t pending = static_cast<size_t>(end - begin);
        if (pending < piece_limit && !at_end) {
            // Too little left for a whole piece: keep the tail and fill the block behind it.
            std::memmove(block, begin, pending);
            begin = block;
            end = block + pending;
            const size_t wanted = block_bytes - pending;
            const size_t got = std::fread(end, 1, wanted, log);
            end += got;
            next_equals = nullptr;
            if (got < wanted) {
                at_end = true;
                read_failed = std::ferror(log) != 0;
            }
            continue;
        }
        if (pending == 0) break;
        const size_t span = std::min(pending, piece_limit);
        char* const newline = static_cast<char*>(std::memchr(begin, '\n', span));
        char* const piece_end = newline != nullptr ? newline + 1 : begin + span;
        if (next_equals == nullptr || next_equals < begin) {
            const void* equals = std::memchr(begin, '=', pending);
            next_equals = equals != nullptr ? static_cast<const char*>(equals) : end;
        }
        if (piece_may_count(begin, piece_end, next_equals)) analyse_piece(begin, piece_end);
        begin = piece_end;
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
