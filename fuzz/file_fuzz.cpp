// libFuzzer target: arbitrary bytes as a whole log file. The block reader, with a block size
// taken from the input, must print exactly what the plain line-at-a-time reader prints.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "analysis/output.h"
#include "driver/log_reader.h"
#include "driver/report.h"
#include "driver/run_totals.h"
#include "tests/simple_reader.h"

namespace {

// The echoes and the report of one reading of data, from a fresh run state.
std::string read_with(const uint8_t* data, size_t size, size_t block_bytes) {
    std::memset(&run_totals, 0, sizeof run_totals);
    char* text = nullptr;
    size_t text_size = 0;
    std::FILE* sink = open_memstream(&text, &text_size);
    output_set_stream(sink);
    // fmemopen cannot open an empty buffer: an empty log is a file at its end at once.
    static const char nothing[1] = {0};
    std::FILE* log = size > 0 ? fmemopen(const_cast<uint8_t*>(data), size, "r")
                              : fmemopen(const_cast<char*>(nothing), 1, "r");
    if (size == 0) std::fgetc(log);
    const bool ok = block_bytes == 0 ? read_log_stream_simple(log) : read_log_stream(log, block_bytes);
    std::fclose(log);
    print_totals();
    output_set_stream(stdout);
    std::fclose(sink);
    std::string result(text, text_size);
    std::free(text);
    if (!ok) std::abort();
    return result;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // Small blocks make the block ends fall inside the input; 0 picks the full size.
    const size_t block_bytes = size > 0 && data[0] < 200 ? 1000 + data[0] * 7 : 1u << 20;
    const std::string simple = read_with(data, size, 0);
    const std::string blocks = read_with(data, size, block_bytes);
    if (simple != blocks) {
        std::fprintf(stderr, "the block reader (block %zu) differs from the simple reader\n",
                     block_bytes);
        std::abort();
    }
    return 0;
}
