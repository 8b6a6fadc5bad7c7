#include "analysis/text_scan.h"

#include <cstring>

bool match_prefix(const char*& cursor, const char* key) {
    size_t n = 0;
    // The text's terminator differs from any key byte, so a short text stops the loop in time.
    for (; key[n] != '\0'; ++n) {
        if (cursor[n] != key[n]) return false;
    }
    cursor += n;
    return true;
}

bool skip_past(const char*& cursor, const char* key) {
    if (key[0] == '\0') return true;
    // The analysed lines are short and their keys come early: a plain walk beats a library call.
    for (const char* at = cursor; *at != '\0'; ++at) {
        if (*at != key[0]) continue;
        size_t n = 1;
        while (key[n] != '\0' && at[n] == key[n]) ++n;
        if (key[n] == '\0') {
            cursor = at + n;
            return true;
        }
    }
    return false;
}

int count_char(const char* text, char c) {
    int count = 0;
    for (const char* p = text; *p != '\0'; ++p) {
        if (*p == c) ++count;
    }
    return count;
}

void extract_field(const char* text, char sep, int index, char* out, size_t out_size) {
    if (out_size == 0) return;
    size_t used = 0;
    if (index == 0) {
        // The first field, the one most asked for, is simply the text up to the first sep.
        while (used + 1 < out_size && text[used] != '\0' && text[used] != sep) {
            out[used] = text[used];
            ++used;
        }
    } else if (index > 0) {
        int field = 0;
        for (const char* p = text; *p != '\0'; ++p) {
            if (*p == sep) {
                // Nothing after the wanted field can change the output.
                if (field == index) break;
                ++field;
            } else if (field == index && used + 1 < out_size) {
                out[used++] = *p;
            }
        }
    }
    out[used] = '\0';
}
