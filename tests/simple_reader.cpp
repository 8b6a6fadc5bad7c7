#include "tests/simple_reader.h"

#include "analysis/line_analysis.h"
#include "driver/log_reader.h"
#include "driver/run_totals.h"

bool read_log_stream_simple(std::FILE* log) {
    char line_buffer[line_buffer_size];
    while (std::fgets(line_buffer, sizeof line_buffer, log) != nullptr) {
        trim_line_end(line_buffer);
        trim_line_start(line_buffer);
        analyse_line(line_buffer);
    }
    return std::ferror(log) == 0;
}
