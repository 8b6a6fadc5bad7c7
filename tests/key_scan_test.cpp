#include "driver/key_scan.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

// Where next_candidate_plain stops in text, as an offset.
size_t plain_offset(std::string text) {
    return static_cast<size_t>(next_candidate_plain(&text[0], &text[0] + text.size()) - &text[0]);
}

TEST(next_candidate_plain, stops_where_a_key_may_stand) {
    static const struct {
        const char* text;
        size_t offset;
    } rows[] = {
        {"", 0},
        {"some other words", 16},
        {"Crafty v20", 5},  // the 'y' of "Crafty"
        {"hash table memory = 3M", 16},
        {"  n=5", 2},
        {"time=1", 0},
        {"x=1  time=2  n=3", 5},  // the first of the two
        {"n =5 tim=3 t  =", 15},  // neither key
        {"time", 4},              // the '=' would lie past the end
        {"n", 1},
        {"timex=1", 7},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        EXPECT_EQ(plain_offset(row.text), row.offset);
    }
}

// A text of bytes drawn mostly from those the scan looks for, with zero bytes and others.
std::string random_text(uint64_t& state, size_t length) {
    static const char alphabet[] = "tny= \n\0xe";
    std::string text(length, ' ');
    for (char& c : text) {
        state = state * 6364136223846793005u + 1442695040888963407u;
        c = alphabet[(state >> 33) % (sizeof alphabet - 1)];
    }
    return text;
}

// Every vector version of the scan that this processor can run.
std::vector<char* (*)(char*, char*)> vector_scans() {
    std::vector<char* (*)(char*, char*)> scans = {next_candidate};
#if VEXLOR_SSE2_SCAN
    scans.push_back(next_candidate_sse2);
#endif
#if VEXLOR_AVX2_SCAN
    if (has_avx2()) scans.push_back(next_candidate_avx2);
#endif
    return scans;
}

TEST(next_candidate, vector_versions_stop_where_the_plain_loop_stops) {
    uint64_t state = 1;
    for (size_t length = 0; length < 300; ++length) {
        for (int round = 0; round < 20; ++round) {
            std::string text = random_text(state, length);
            char* const end = &text[0] + length;
            for (size_t from = 0; from <= length && from < 70; ++from) {
                char* const start = &text[0] + from;
                char* const expected = next_candidate_plain(start, end);
                for (auto scan : vector_scans()) ASSERT_EQ(scan(start, end), expected);
            }
        }
    }
}

}  // namespace
