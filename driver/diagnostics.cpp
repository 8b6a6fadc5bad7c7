#include "driver/diagnostics.h"

#include <cstdio>
#include <cstdlib>

void write_diagnostic(const char* text, const char* detail) {
    std::fputs(text, stderr);
    std::fputs(detail, stderr);
    std::fputc('\n', stderr);
    std::fflush(stderr);
}

void fail(const char* text, const char* detail) {
    write_diagnostic(text, detail);
    std::exit(1);
}
