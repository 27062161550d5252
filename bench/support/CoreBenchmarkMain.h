#pragma once

// Runs the benchmarks of a program that needs a QCoreApplication (networking, TLS):
// the whole main() of such a benchmark program.
int runWithCoreApplication(int argc, char **argv);
