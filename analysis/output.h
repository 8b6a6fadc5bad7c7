// Buffered result output: the echoes and the report go through here, in the order written.
#pragma once

#include <cstddef>
#include <cstdio>
#include <cstring>

// Sends all later output to stream (standard output until this is called); flushes first.
void output_set_stream(std::FILE* stream);

// Appends n bytes of text.
void output_bytes(const char* text, size_t n);

// Appends text up to its terminator.
inline void output_text(const char* text) { output_bytes(text, std::strlen(text)); }

// The most that output_room may be asked for.
constexpr size_t output_room_limit = 4096;

// Room for n more bytes of output, to be written in place and kept with output_commit.
// REQUIRES: n is at most output_room_limit.
char* output_room(size_t n);

// Keeps the first n bytes written at the room that output_room last gave.
void output_commit(size_t n);

// Appends value as format_fixed writes it.
void output_fixed(double value, int decimals);

// Room that format_fixed needs: DBL_MAX in fixed notation with nine decimals.
constexpr size_t fixed_text_size = 400;

// Writes value into out as "%.*f" with `decimals` decimals (0 to 9) prints it, unterminated;
// returns its length. REQUIRES: out has fixed_text_size bytes.
size_t format_fixed(double value, int decimals, char* out);

// Appends value in signed decimal.
void output_integer(long long value);

// Hands everything appended to the stream and flushes it; false when any write has failed.
bool output_flush();
