#include "analysis/output.h"
#include "driver/diagnostics.h"
#include "driver/log_reader.h"
#include "driver/report.h"

int main(int argc, char** argv) {
    if (argc < 2) {
        static const char* const usage[] = {
            "VEXLOR v1.0 - nodes per second from a Crafty log",
            "Please report errors to vexlor-bugs@example.org",
            "",
            "Usage: vexlor <crafty-log-file>",
        };
        for (const char* line : usage) write_diagnostic(line, "");
        return 1;
    }
    const bool read_ok = read_log_file(argv[1]);
    print_totals();
    const bool write_ok = output_flush();
    int status = 0;
    if (!read_ok) {
        write_diagnostic("Error reading ", argv[1]);
        status = 1;
    }
    if (!write_ok) {
        write_diagnostic("Error writing output", "");
        status = 1;
    }
    return status;
}
