// Diagnostics on standard error: one line each, flushed at once.
#pragma once

// Writes text, then detail, then a line feed to standard error, and flushes it.
void write_diagnostic(const char* text, const char* detail);

// Writes the diagnostic and ends the process with status 1.
[[noreturn]] void fail(const char* text, const char* detail);
