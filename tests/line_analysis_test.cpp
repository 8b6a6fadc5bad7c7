#include "analysis/line_analysis.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>
#include <vector>

#include "driver/run_totals.h"
#include "tests/test_support.h"

namespace {

struct line_case {
    std::string line;
    std::string echo;
    int64_t nodes;
    double seconds;
    std::string version;
    std::string hash;
};

// Analyses the lines from a fresh run state; returns their echoes.
std::string analyse_lines(std::initializer_list<std::string> lines) {
    start_capture();
    for (const std::string& line : lines) analyse_line(line.c_str());
    return finish_capture();
}

TEST(analyse_line, recognises_keys_on_one_cursor) {
    const std::string long_rest(991, 'r');
    const std::string long_token(120, 'a');
    const line_case rows[] = {
        {"", "", 0, 0, "", ""},
        {"Crafty v19.3", "version= 19.3\n", 0, 0, "19.3", ""},
        {"Crafty v", "version= \n", 0, 0, "", ""},
        {"Crafty v" + long_rest, "version= " + long_rest + "\n", 0, 0, long_rest, ""},
        {"the Crafty v20.1", "", 0, 0, "", ""},
        {"crafty v20.1", "", 0, 0, "", ""},
        {"\tCrafty v20.1", "", 0, 0, "", ""},
        {"pawn hash table memory = 6M", "hash = 6M\n", 0, 0, "", "6M"},
        {"hash table memory = 48M", "hash = 48M\n", 0, 0, "", "48M"},
        {"hash table memory =   12M bytes.", "hash =   12M bytes.\n", 0, 0, "", "  12M bytes."},
        // A hash key alone has lost its last blank to the trim, so it never fires.
        {"hash table memory =", "", 0, 0, "", ""},
        {"pawn hash table memory =", "", 0, 0, "", ""},
        {"\thash table memory = 3M", "", 0, 0, "", ""},
        // Prefix keys chain: each looks where the last one that matched ended.
        {"Crafty vhash table memory = 3M", "version= hash table memory = 3M\nhash = 3M\n", 0, 0,
         "hash table memory = 3M", "3M"},
        {"hash table memory = pawn hash table memory = 2M",
         "hash = pawn hash table memory = 2M\nhash = 2M\n", 0, 0, "", "2M"},
        {"Crafty v20.14 time=1", "version= 20.14 time=1\ntime found = 1 that is 1.00 sec\n", 0, 1,
         "20.14 time=1", ""},
        {"time=1:02  mat=0  n=900  fh=83%  nps=3.9M", "time found = 1:02 that is 62.00 sec\n", 900,
         62, "", ""},
        {"\ttime=2  n=3", "time found = 2 that is 2.00 sec\n", 3, 2, "", ""},
        {"xtime=2", "time found = 2 that is 2.00 sec\n", 0, 2, "", ""},
        {"time=3 time=4", "time found = 3 that is 3.00 sec\n", 0, 3, "", ""},
        // An empty token: a blank right after the key, or the key at the end of the line.
        {"time= 5  n=7", "time found =  that is 0.00 sec\n", 7, 0, "", ""},
        {"time=", "time found =  that is 0.00 sec\n", 0, 0, "", ""},
        {"time=1:02\tmore text", "time found = 1:02\tmore that is 62.00 sec\n", 0, 62, "", ""},
        {"time=" + long_token, "time found = " + long_token.substr(0, 99) + " that is 0.00 sec\n",
         0, 0, "", ""},
        {"time=-1.5", "time found = -1.5 that is -1.50 sec\n", 0, -1.5, "", ""},
        // The node key counts only after the time key when there is one.
        {"x  n=500 time=2", "time found = 2 that is 2.00 sec\n", 0, 2, "", ""},
        {"x  n=500 time=2  n=6  n=7", "time found = 2 that is 2.00 sec\n", 6, 2, "", ""},
        {"nodes  n=750", "", 750, 0, "", ""},
        {"n=750", "", 0, 0, "", ""},
        {"x  n=  42", "", 42, 0, "", ""},
        {"x  n=12k", "", 12, 0, "", ""},
        {"x  n=-5", "", -5, 0, "", ""},
        {"x  n=+9", "", 9, 0, "", ""},
        {"x  n=abc", "", 0, 0, "", ""},
        {"x n=5", "", 0, 0, "", ""},
    };
    for (const line_case& row : rows) {
        SCOPED_TRACE(row.line);
        EXPECT_EQ(analyse_lines({row.line}), row.echo);
        EXPECT_EQ(run_totals.totalnodes, row.nodes);
        EXPECT_EQ(run_totals.totaltime, row.seconds);
        EXPECT_EQ(run_totals.version, row.version);
        EXPECT_EQ(run_totals.hash, row.hash);
    }
}

// The echo and the seconds of a plain decimal token as the C library reads and prints it.
std::string library_time_echo(const std::string& token) {
    char seconds[64];
    std::snprintf(seconds, sizeof seconds, "%.2f", std::strtod(token.c_str(), nullptr));
    return "time found = " + token + " that is " + seconds + " sec\n";
}

TEST(analyse_line, echoes_time_tokens_as_the_library_reads_and_prints_them) {
    // Tokens already in the printed form are echoed as they stand; the others are converted.
    // Both must match the library, around the limits of the shortcut in particular.
    std::vector<std::string> tokens = {
        "0.00", "0.05", "1.74", "9.99", "10.00", "99.99", "0.50",
        "1234567890123.45", "9999999999999.99",    // 13 digits before the stop: printed as is
        "12345678901234.56", "99999999999999.99",  // 14: converted
        "00.50", "01.74", "000.00", ".50", "1.", "1.5", "1.505", "1.745", "-1.50", "+1.50",
        "1.7a", "1a.74", "1..74", "1.74.", "1e2.00", "0.005", "2.675", "12"};
    // Every hundredth from 0 to 20, and a spread of larger values with two decimals.
    for (int hundredths = 0; hundredths <= 2000; ++hundredths) {
        char token[16];
        std::snprintf(token, sizeof token, "%d.%02d", hundredths / 100, hundredths % 100);
        tokens.push_back(token);
    }
    for (uint64_t units = 7; units < 10000000000000000u; units = units * 13 + 11) {
        tokens.push_back(std::to_string(units / 100) + "." + std::to_string(units % 100 / 10) +
                         std::to_string(units % 10));
    }
    for (const std::string& token : tokens) {
        SCOPED_TRACE(token);
        EXPECT_EQ(analyse_lines({"time=" + token + "  n=1"}), library_time_echo(token));
        EXPECT_EQ(run_totals.totaltime, std::strtod(token.c_str(), nullptr));
        EXPECT_EQ(run_totals.totalnodes, 1);
    }
}

TEST(analyse_line, later_lines_replace_version_and_hash) {
    EXPECT_EQ(analyse_lines({"Crafty v19.3", "pawn hash table memory = 6M", "hash table memory =",
                             "Crafty v20.14 (1 cpus)", "hash table memory = 48M"}),
              "version= 19.3\nhash = 6M\nversion= 20.14 (1 cpus)\nhash = 48M\n");
    EXPECT_STREQ(run_totals.version, "20.14 (1 cpus)");
    EXPECT_STREQ(run_totals.hash, "48M");
}

TEST(analyse_line, sums_take_full_values_and_hold_at_the_64_bit_range) {
    constexpr int64_t max = std::numeric_limits<int64_t>::max();
    constexpr int64_t min = std::numeric_limits<int64_t>::min();
    static const struct {
        std::initializer_list<std::string> lines;
        int64_t nodes;
        double seconds;
    } rows[] = {
        {{"time=0.004", "time=0.004"}, 0, 0.008},  // echoed as 0.00 each
        {{"x  n=2147483647", "x  n=1"}, 2147483648, 0},
        {{"x  n=3000000000", "x  n=3000000000"}, 6000000000, 0},
        {{"x  n=9223372036854775807", "x  n=1", "x  n=-1"}, max - 1, 0},
        {{"x  n=99999999999999999999"}, max, 0},
        {{"x  n=-9223372036854775807", "x  n=-9"}, min, 0},
        {{"time=1e999", "time=-1e999"}, 0, std::numeric_limits<double>::quiet_NaN()},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(*row.lines.begin());
        analyse_lines(row.lines);
        EXPECT_EQ(run_totals.totalnodes, row.nodes);
        if (std::isnan(row.seconds)) {
            EXPECT_TRUE(std::isnan(run_totals.totaltime));
        } else {
            EXPECT_EQ(run_totals.totaltime, row.seconds);
        }
    }
}

}  // namespace
