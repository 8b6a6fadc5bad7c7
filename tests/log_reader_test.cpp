#include "driver/log_reader.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <string>

#include "tests/test_support.h"

namespace {

using namespace std::string_literals;

// trim_line_end and trim_line_start as functions of a value, one row a case.
std::string trimmed_end(std::string text) {
    trim_line_end(&text[0]);
    return text.c_str();
}

std::string trimmed_start(std::string text) {
    trim_line_start(&text[0]);
    return text.c_str();
}

TEST(trim_line_end, cuts_line_ends_and_blanks_in_any_mix) {
    static const struct {
        const char* text;
        const char* expected;
    } rows[] = {
        {"abc", "abc"},       {"abc \r\n", "abc"},   {"abc\n   ", "abc"}, {"a\r\r\n\n", "a"},
        {"abc\t", "abc\t"},   {"abc\t \n", "abc\t"}, {"   ", ""},         {"\r\n", ""},
        {"", ""},             {" a b ", " a b"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        EXPECT_EQ(trimmed_end(row.text), row.expected);
    }
}

TEST(trim_line_start, moves_text_over_leading_blanks_only) {
    static const struct {
        const char* text;
        const char* expected;
    } rows[] = {
        {"  abc", "abc"}, {"abc", "abc"}, {"\t abc", "\t abc"}, {" \tx", "\tx"},
        {"   ", ""},      {"", ""},       {" a b", "a b"},      {"\r abc", "\r abc"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        EXPECT_EQ(trimmed_start(row.text), row.expected);
    }
}

// The report lines that follow the echoes of a run; nps "nan" stands for this platform's text
// for 0/0 ("-nan" with glibc, "nan" on Windows).
std::string report(int64_t nodes, const char* seconds, std::string nps) {
    if (nps == "nan") {
        char text[16];
        const double zero = 0.0;
        std::snprintf(text, sizeof text, "%.1f", zero / zero);
        nps = text;
    }
    return "totalnodes= " + std::to_string(nodes) + "\ntotaltime= " + seconds + "\nnps= " + nps +
           "\n";
}

TEST(read_log_stream, cuts_pieces_of_999_characters_and_normalises_them) {
    const std::string x(2000, 'x');
    static const std::string no_time = "time found =  that is 0.00 sec\n";
    const struct {
        const char* name;
        std::string log;
        std::string expected;
    } rows[] = {
        {"empty file", "", report(0, "0.00", "nan")},
        {"blanks and CR LF at both ends", "   time=1 \r\n  hash table memory = 12M \r\n",
         "time found = 1 that is 1.00 sec\nhash = 12M\n" + report(0, "1.00", "0.0")},
        {"last line without a line feed", "x  n=4\ntime=2", "time found = 2 that is 2.00 sec\n" +
                                                               report(4, "2.00", "2.0")},
        {"998 characters fit one piece", x.substr(0, 992) + "time=7\n",
         "time found = 7 that is 7.00 sec\n" + report(0, "7.00", "0.0")},
        {"999 characters and the line feed alone", x.substr(0, 993) + "time=7\n  n=3\n",
         "time found = 7 that is 7.00 sec\n" + report(0, "7.00", "0.0")},
        {"a key cut at the piece end", x.substr(0, 994) + "time=12\n", no_time +
                                                                         report(0, "0.00", "nan")},
        {"2000 characters make three pieces", x.substr(0, 999 + 994) + "time=42\n",
         no_time + report(0, "0.00", "nan")},
        {"each piece is trimmed as a line", x.substr(0, 999) + "   Crafty v9 \n",
         "version= 9\n" + report(0, "0.00", "nan")},
        {"a key straddling two pieces is lost", x.substr(0, 997) + "  n=5\n",
         report(0, "0.00", "nan")},
        {"a leading tab keeps the prefix keys away", "\t  Crafty v20\n\t time=3\n",
         "time found = 3 that is 3.00 sec\n" + report(0, "3.00", "0.0")},
        {"a zero byte ends the line's text", "time=4\0time=5 \nab\0  n=5\nx  n=2"s,
         "time found = 4 that is 4.00 sec\n" + report(2, "4.00", "0.5")},
        {"a zero byte in a line passed over", "ab\0cd\ntime=5\n"s,
         "time found = 5 that is 5.00 sec\n" + report(0, "5.00", "0.0")},
        {"a line of blanks is empty", "      \n   \r\n", report(0, "0.00", "nan")},
        {"a Ctrl-Z byte is an ordinary character", "time=1\x1a\ntime=2\n",
         "time found = 1\x1a that is 1.00 sec\ntime found = 2 that is 2.00 sec\n" +
             report(0, "3.00", "0.0")},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(run_block_reader(row.log, 1 << 20), row.expected);
        EXPECT_EQ(run_simple_reader(row.log), row.expected);
    }
}

}  // namespace

namespace {

// The figures of the two real engine logs, computed independently of vexlor (a regex and an awk
// script over the same bytes): searches, node sum and time sum.
TEST(read_log_stream, sums_the_engine_logs_exactly) {
    static const struct {
        const char* name;
        size_t searches;
        const char* report;
    } rows[] = {
        {"crafty-20.14-selfplay.log", 46,
         "totalnodes= 921583696\ntotaltime= 160.29\nnps= 5749477.2\n"},
        {"crafty-19.20-selfplay.log", 15, "totalnodes= 55259246\ntotaltime= 12.50\nnps= 4420739.7\n"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const std::string output = run_block_reader(read_fixture(row.name), 1 << 20);
        size_t searches = 0;
        for (size_t at = 0; (at = output.find("time found = ", at)) != std::string::npos; ++at) {
            ++searches;
        }
        EXPECT_EQ(searches, row.searches);
        const std::string report = row.report;
        ASSERT_GE(output.size(), report.size());
        EXPECT_EQ(output.substr(output.size() - report.size()), report);
    }
}

}  // namespace
