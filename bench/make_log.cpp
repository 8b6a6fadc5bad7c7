// make_log BYTES: writes a Crafty-like log of about BYTES bytes to standard output, the same
// bytes on every run. The lines follow the shapes of the example log: one search summary in
// about seven lines, move lists, and lines with m:ss text and node counts that are no search.
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

uint64_t state = 0x9e3779b97f4a7c15u;

// A fixed-seed generator: the log must not change between runs.
unsigned next_number(unsigned below) {
    state = state * 6364136223846793005u + 1442695040888963407u;
    return static_cast<unsigned>((state >> 33) % below);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: make_log BYTES\n", stderr);
        return 2;
    }
    const unsigned long long wanted = std::strtoull(argv[1], nullptr, 10);
    static char out[1 << 16];
    std::setvbuf(stdout, out, _IOFBF, sizeof out);
    unsigned long long written = 0;
    written += std::printf("\nCrafty v20.14 (1 cpus)\n\nWhite(1): hash=16M\n"
                           "hash table memory =   12M bytes.\nWhite(1): hashp=2M\n"
                           "pawn hash table memory =    2M bytes.\n");
    for (unsigned move = 1; written < wanted; ++move) {
        const unsigned centis = 30 + next_number(400);
        char time_text[16];
        if (next_number(50) == 0) {
            std::snprintf(time_text, sizeof time_text, "%u:%02u", 1 + next_number(3), next_number(60));
        } else {
            std::snprintf(time_text, sizeof time_text, "%u.%02u", centis / 100, centis % 100);
        }
        written += std::printf(
            "              time surplus  %u.%02u  time limit %s (+0.00) (0.50)\n"
            "              depth   time  score   variation (1)\n"
            "               %u     0.%02u   0.%02u   %u. e4 Nc6 2. Bc4 Nf6 3. Nc3 e5 4. d3\n"
            "                                    Bc5 5. Nf3 d6 6. O-O O-O 7. a3 a6 8. h3 h6 9. Re1 Re8\n"
            "              time=%s  mat=0  n=%u  fh=%u%%  nps=%u.%uM\n"
            "              predicted=0  nodes=%u  evals=1.5M  50move=0  EGTBprobes=0  hits=0\n"
            "%s(%u): Nf3 \n",
            next_number(60), next_number(100), time_text, 8 + next_number(10), next_number(100),
            next_number(100), move, time_text, 100000 + next_number(900000000), 80 + next_number(20),
            1 + next_number(8), next_number(10), next_number(5000000),
            move % 2 ? "White" : "Black", move);
    }
    return 0;
}
