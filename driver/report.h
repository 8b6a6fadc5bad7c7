// The three report lines that end every run that opened its log.
#pragma once

// Writes "totalnodes= ", "totaltime= " and "nps= " from run_totals to the result output.
// Only reads run_totals; a zero time gives whatever the platform prints for an infinity or nan.
void print_totals();
