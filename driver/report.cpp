#include "driver/report.h"

#include "analysis/output.h"
#include "driver/run_totals.h"

void print_totals() {
    output_text("totalnodes= ");
    output_integer(run_totals.totalnodes);
    output_text("\ntotaltime= ");
    output_fixed(run_totals.totaltime, 2);
    // Unguarded on purpose: a zero time gives an infinity, or a nan when no nodes were counted.
    output_text("\nnps= ");
    output_fixed(static_cast<double>(run_totals.totalnodes) / run_totals.totaltime, 1);
    output_bytes("\n", 1);
}
