// vexlor_simple LOG: the report of the simple reader, for end-to-end comparison with vexlor.
#include <cstdio>

#include "analysis/output.h"
#include "driver/report.h"
#include "tests/simple_reader.h"

int main(int argc, char** argv) {
    if (argc < 2) return 2;
    std::FILE* log = std::fopen(argv[1], "r");
    if (log == nullptr) return 2;
    const bool read_ok = read_log_stream_simple(log);
    print_totals();
    return output_flush() && read_ok ? 0 : 1;
}
