#include "tests/test_support.h"

#include <cstdio>
#include <cstring>

#include "analysis/output.h"
#include "driver/log_reader.h"
#include "driver/report.h"
#include "driver/run_totals.h"
#include "tests/simple_reader.h"

namespace {

std::FILE* capture_file = nullptr;

// A temporary file holding bytes, ready to be read from the start.
std::FILE* file_holding(const std::string& bytes) {
    std::FILE* file = std::tmpfile();
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::rewind(file);
    return file;
}

// Everything from file's current position to its end.
std::string rest_of(std::FILE* file) {
    std::string bytes;
    char chunk[4096];
    size_t n;
    while ((n = std::fread(chunk, 1, sizeof chunk, file)) > 0) bytes.append(chunk, n);
    return bytes;
}

}  // namespace

void start_capture() {
    std::memset(&run_totals, 0, sizeof run_totals);
    capture_file = std::tmpfile();
    output_set_stream(capture_file);
}

std::string finish_capture() {
    output_set_stream(stdout);
    std::rewind(capture_file);
    const std::string text = rest_of(capture_file);
    std::fclose(capture_file);
    capture_file = nullptr;
    return text;
}

std::string read_fixture(const char* name) {
    const std::string path = std::string(VEXLOR_FIXTURES) + "/" + name;
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) return std::string();
    const std::string bytes = rest_of(file);
    std::fclose(file);
    return bytes;
}

std::string run_block_reader(const std::string& bytes, size_t block_bytes) {
    std::FILE* log = file_holding(bytes);
    start_capture();
    read_log_stream(log, block_bytes);
    print_totals();
    std::fclose(log);
    return finish_capture();
}

std::string run_simple_reader(const std::string& bytes) {
    std::FILE* log = file_holding(bytes);
    start_capture();
    read_log_stream_simple(log);
    print_totals();
    std::fclose(log);
    return finish_capture();
}
