// The run's state: one record that lives for the whole process. analyse_line is its only writer.
#pragma once

#include <cstddef>
#include <cstdint>

// Room for one piece of a log line: at most 999 characters and the terminator.
constexpr size_t line_buffer_size = 1000;

struct run_totals_record {
    int64_t totalnodes;                 // sum of all node counts, held at the 64-bit range
    double totaltime;                   // sum of all time values, in seconds
    char version[line_buffer_size];     // rest of the latest line that began with "Crafty v"
    char hash[line_buffer_size];        // rest of the latest hash-table line, ordinary or pawn
};

extern run_totals_record run_totals;
