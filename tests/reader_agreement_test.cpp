// The block reader against the plain line-at-a-time reader, on generated logs full of the cases
// where cutting pieces in place can go wrong.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "tests/test_support.h"

namespace {

// A log of `lines` lines, the same for the same seed: lengths around 999 and its multiples,
// keys at and across piece ends, zero bytes, carriage returns, blanks and tabs.
std::string boundary_log(uint64_t seed, int lines) {
    uint64_t state = seed;
    auto next = [&state](unsigned below) {
        state = state * 6364136223846793005u + 1442695040888963407u;
        return static_cast<unsigned>((state >> 33) % below);
    };
    static const char* const pieces[] = {
        "time=",  "  n=",    "Crafty v", "hash table memory = ", "pawn hash table memory = ",
        "1:02",   "0.50",    " ",        "\t",                   "\r",
        "12345",  "y",       "n=",       "time",                 "=",
        "C",      "x",       "-7",
    };
    static const unsigned lengths[] = {0, 1, 5, 60, 997, 998, 999, 1000, 1001, 1996, 1997, 1998, 2997, 3000};
    std::string log;
    for (int i = 0; i < lines; ++i) {
        const unsigned wanted = lengths[next(sizeof lengths / sizeof lengths[0])] + next(3);
        std::string line(next(4) == 0 ? next(40) : 0, ' ');
        while (line.size() < wanted) {
            line += next(8) == 0 ? std::string(1, '\0') : pieces[next(sizeof pieces / sizeof pieces[0])];
        }
        // A key right across the end of the first piece, now and then.
        if (line.size() > 1000 && next(3) == 0) line.replace(999 - next(6), 5, "time=");
        log += line;
        if (next(10) != 0) log += next(5) == 0 ? "\r\n" : "\n";
    }
    return log;
}

TEST(read_log_stream, agrees_with_the_simple_reader_on_boundary_logs) {
    static const size_t block_sizes[] = {1000, 1001, 1998, 4096, 65536, size_t{1} << 20};
    for (uint64_t seed = 1; seed <= 12; ++seed) {
        const std::string log = boundary_log(seed, 1500);
        const std::string expected = run_simple_reader(log);
        for (size_t block : block_sizes) {
            SCOPED_TRACE("seed " + std::to_string(seed) + ", block " + std::to_string(block));
            ASSERT_EQ(run_block_reader(log, block), expected);
        }
    }
}

TEST(read_log_stream, agrees_with_the_simple_reader_on_the_engine_logs) {
    for (const char* name : {"crafty-20.14-selfplay.log", "crafty-19.20-selfplay.log"}) {
        const std::string log = read_fixture(name);
        ASSERT_FALSE(log.empty()) << name;
        const std::string expected = run_simple_reader(log);
        for (size_t block : {size_t{1000}, size_t{4096}, size_t{1} << 20}) {
            SCOPED_TRACE(std::string(name) + ", block " + std::to_string(block));
            EXPECT_EQ(run_block_reader(log, block), expected);
        }
    }
}

}  // namespace
