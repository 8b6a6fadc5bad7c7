// The plain way to read a log: the C library's line read into a 1000-byte buffer, one piece at
// a time. Slow, but obviously right; the block reader is checked against it.
#pragma once

#include <cstdio>

// Analyses every piece of log; false when a read failed.
bool read_log_stream_simple(std::FILE* log);
