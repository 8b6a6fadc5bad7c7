// Costs of the line analysis and its parts on typical log lines (Google Benchmark).
#include <benchmark/benchmark.h>

#include <cstdio>

#include "analysis/line_analysis.h"
#include "analysis/output.h"
#include "analysis/text_scan.h"

namespace {

// Where the echoes of the benchmarks go: /dev/null, opened once.
std::FILE* sink() {
    static std::FILE* null_file = std::fopen("/dev/null", "w");
    return null_file;
}

// A search summary: the time echo, one time value, one node count.
void search_line(benchmark::State& state) {
    output_set_stream(sink());
    for (auto _ : state) analyse_line("time=0.50  mat=0  n=1973473  fh=83%  nps=3.9M");
    output_flush();
}
BENCHMARK(search_line);

// A line with many keys of other names and no key of ours.
void other_line(benchmark::State& state) {
    output_set_stream(sink());
    for (auto _ : state) analyse_line("predicted=0  nodes=3001829  evals=1.5M  50move=0  EGTBprobes=0");
    output_flush();
}
BENCHMARK(other_line);

// The conversion of a typical time token.
void time_value(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(parse_time_value("0.50"));
}
BENCHMARK(time_value);

// The conversion of a node count followed by the rest of its line.
void node_count(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(parse_decimal_int("1973473  fh=83%"));
}
BENCHMARK(node_count);

// The printing of a time with two decimals into the output buffer.
void fixed_output(benchmark::State& state) {
    output_set_stream(sink());
    double value = 0.5;
    for (auto _ : state) {
        output_fixed(value, 2);
        value += 0.01;
    }
    output_flush();
}
BENCHMARK(fixed_output);

}  // namespace

BENCHMARK_MAIN();
