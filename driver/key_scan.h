// The one pass over a block of the log that finds where a key may stand.
#pragma once

// The first position in [from, end) that holds a 'y' (every version and hash key has one), an
// 'n' followed by '=' (the node key) or a 't' with '=' four bytes on (the time key); end when
// there is none. Only reads [from, end); a zero byte is an ordinary byte to it.
char* next_candidate(char* from, char* end);

// The same, one byte at a time: the reference for the vector versions, and their tail.
char* next_candidate_plain(char* from, char* end);

#if defined(__GNUC__) && defined(__x86_64__)
#define VEXLOR_SSE2_SCAN 1
// The same, 16 bytes at a time (SSE2, present on every x86-64 processor).
char* next_candidate_sse2(char* from, char* end);
#endif

// Not on Windows, where the compiler does not align the stack for 32-byte values it spills.
#if VEXLOR_SSE2_SCAN && !defined(_WIN32)
#define VEXLOR_AVX2_SCAN 1
// The same, 32 bytes at a time. REQUIRES: has_avx2().
char* next_candidate_avx2(char* from, char* end);
// True when this processor has AVX2.
bool has_avx2();
#endif
