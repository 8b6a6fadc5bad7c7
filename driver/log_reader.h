// Reading the log: pieces of at most 999 characters, each normalised and handed to analyse_line.
#pragma once

#include <cstddef>
#include <cstdio>

// Cuts line feeds, carriage returns and blanks from the end of text, in place.
void trim_line_end(char* text);

// Moves text left over its leading blanks, in place; a tab or any other character stops it.
void trim_line_start(char* text);

// Analyses every piece of log as the line-at-a-time reading would: a piece runs to its line feed
// or 999 characters, whichever comes first. Reads blocks of at most block_bytes (at least 1000).
// False when a read failed; the pieces before the failure have been analysed.
bool read_log_stream(std::FILE* log, size_t block_bytes);

// Opens the log at path and analyses all of it; false when a read failed part-way.
// Does not return when the log cannot be opened: "Error opening " and path, status 1.
bool read_log_file(const char* path);
