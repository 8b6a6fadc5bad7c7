#include "driver/report.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <limits>
#include <string>

#include "driver/run_totals.h"
#include "tests/test_support.h"

namespace {

// What this platform's printf prints for a non-finite "%.1f" ("-nan" for 0/0 on x86-64 glibc).
std::string platform_text(double value) {
    char text[64];
    std::snprintf(text, sizeof text, "%.1f", value);
    return text;
}

TEST(print_totals, prints_sums_and_their_quotient_unguarded) {
    const double zero = 0.0;
    static const struct {
        int64_t nodes;
        double time;
        std::string expected;
    } rows[] = {
        {921583696, 160.29, "totalnodes= 921583696\ntotaltime= 160.29\nnps= 5749477.2\n"},
        {5000000000, 2.0, "totalnodes= 5000000000\ntotaltime= 2.00\nnps= 2500000000.0\n"},
        {-900, 2.0, "totalnodes= -900\ntotaltime= 2.00\nnps= -450.0\n"},
        {0, 0.0, "totalnodes= 0\ntotaltime= 0.00\nnps= " + platform_text(zero / zero) + "\n"},
        {7, 0.0, "totalnodes= 7\ntotaltime= 0.00\nnps= " + platform_text(7 / zero) + "\n"},
        {-7, 0.0, "totalnodes= -7\ntotaltime= 0.00\nnps= " + platform_text(-7 / zero) + "\n"},
        {std::numeric_limits<int64_t>::max(), 1.0,
         "totalnodes= 9223372036854775807\ntotaltime= 1.00\nnps= 9223372036854775808.0\n"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.expected);
        start_capture();
        run_totals.totalnodes = row.nodes;
        run_totals.totaltime = row.time;
        print_totals();
        EXPECT_EQ(finish_capture(), row.expected);
    }
}

}  // namespace
