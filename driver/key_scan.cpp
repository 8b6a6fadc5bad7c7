#include "driver/key_scan.h"

#if VEXLOR_SSE2_SCAN
#include <immintrin.h>
#endif

namespace {

// True when at can start a key: see next_candidate. REQUIRES: at < end.
bool is_candidate(const char* at, const char* end) {
    switch (*at) {
        case 'y':
            return true;
        case 'n':
            return end - at > 1 && at[1] == '=';
        case 't':
            return end - at > 4 && at[4] == '=';
        default:
            return false;
    }
}

}  // namespace

char* next_candidate_plain(char* from, char* end) {
    for (char* at = from; at < end; ++at) {
        if (is_candidate(at, end)) return at;
    }
    return end;
}

#if VEXLOR_SSE2_SCAN

// Each vector step looks at the bytes at, at + 1 and at + 4 for every one of its positions; it
// stops where fewer than that many bytes remain and leaves the rest to the plain loop.

char* next_candidate_sse2(char* from, char* end) {
    const __m128i t = _mm_set1_epi8('t');
    const __m128i n = _mm_set1_epi8('n');
    const __m128i y = _mm_set1_epi8('y');
    const __m128i equals = _mm_set1_epi8('=');
    char* at = from;
    for (; end - at >= 16 + 4; at += 16) {
        const __m128i here = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
        const __m128i next = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at + 1));
        const __m128i fourth = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at + 4));
        const __m128i time_key =
            _mm_and_si128(_mm_cmpeq_epi8(here, t), _mm_cmpeq_epi8(fourth, equals));
        const __m128i node_key =
            _mm_and_si128(_mm_cmpeq_epi8(here, n), _mm_cmpeq_epi8(next, equals));
        const __m128i hits =
            _mm_or_si128(_mm_or_si128(time_key, node_key), _mm_cmpeq_epi8(here, y));
        const unsigned mask = static_cast<unsigned>(_mm_movemask_epi8(hits));
        if (mask != 0) return at + __builtin_ctz(mask);
    }
    return next_candidate_plain(at, end);
}

#endif

#if VEXLOR_AVX2_SCAN

__attribute__((target("avx2"))) char* next_candidate_avx2(char* from, char* end) {
    const __m256i t = _mm256_set1_epi8('t');
    const __m256i n = _mm256_set1_epi8('n');
    const __m256i y = _mm256_set1_epi8('y');
    const __m256i equals = _mm256_set1_epi8('=');
    char* at = from;
    for (; end - at >= 32 + 4; at += 32) {
        const __m256i here = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(at));
        const __m256i next = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(at + 1));
        const __m256i fourth = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(at + 4));
        const __m256i time_key =
            _mm256_and_si256(_mm256_cmpeq_epi8(here, t), _mm256_cmpeq_epi8(fourth, equals));
        const __m256i node_key =
            _mm256_and_si256(_mm256_cmpeq_epi8(here, n), _mm256_cmpeq_epi8(next, equals));
        const __m256i hits =
            _mm256_or_si256(_mm256_or_si256(time_key, node_key), _mm256_cmpeq_epi8(here, y));
        const unsigned mask = static_cast<unsigned>(_mm256_movemask_epi8(hits));
        if (mask != 0) return at + __builtin_ctz(mask);
    }
    return next_candidate_plain(at, end);
}

bool has_avx2() {
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx2");
}

namespace {
// Asked once, before main: the processor does not change while the program runs.
const bool use_avx2 = has_avx2();
}  // namespace

char* next_candidate(char* from, char* end) {
    return use_avx2 ? next_candidate_avx2(from, end) : next_candidate_sse2(from, end);
}

#elif VEXLOR_SSE2_SCAN

char* next_candidate(char* from, char* end) {
    return next_candidate_sse2(from, end);
}

#else

char* next_candidate(char* from, char* end) {
    return next_candidate_plain(from, end);
}

#endif
