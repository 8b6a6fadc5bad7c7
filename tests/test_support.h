// Helpers shared by the tests and the fuzz targets: run a reader over bytes, capture output.
#pragma once

#include <cstddef>
#include <string>

// Zeroes run_totals and sends all output to a fresh temporary file.
void start_capture();

// Flushes and returns everything written since start_capture; output goes back to stdout.
std::string finish_capture();

// The bytes of tests/fixtures/NAME, or the empty text when it cannot be read.
std::string read_fixture(const char* name);

// The echoes and the report of the block reader over bytes, from a fresh run state.
std::string run_block_reader(const std::string& bytes, size_t block_bytes);

// The echoes and the report of the simple reader over bytes, from a fresh run state.
std::string run_simple_reader(const std::string& bytes);
