// Recognition of one normalised log line: echoes what it finds and adds to run_totals.
#pragma once

// Finds the version, hash, time and node keys in line (at most 999 characters, trimmed at both
// ends), prints an echo for each version, hash and time key and updates run_totals.
// Only reads line; never prints to standard error.
void analyse_line(const char* line);
