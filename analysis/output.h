// Buffered result output: the echoes and the report go through here, in the order written.
#pragma once

#include <cstddef>
#include <cstdio>

// Sends all later output to stream (standard output until this is called); flushes first.
void output_set_stream(std::FILE* stream);

// Appends n bytes of text.
void output_bytes(const char* text, size_t n);

// Appends text up to its terminator.
void output_text(const char* text);

// Appends value as "%.*f" with `decimals` decimals prints it (decimals from 0 to 9).
void output_fixed(double value, int decimals);

// Appends value in signed decimal.
void output_integer(long long value);

// Hands everything appended to the stream and flushes it; false when any write has failed.
bool output_flush();
