#pragma once

// What the sign-in window benchmarks share: the host's set-up and the call that opens
// the window.
namespace SignInBench
{

// Rows in the account table: 10,000, or VELMO_BENCH_ACCOUNT_ROWS when it is set to a
// positive number (a small table shows what the window costs apart from its reads).
int accountRows();

// Runs the registered benchmarks in a QApplication on the offscreen platform, with a
// private MariaDB whose account table holds accountRows() rows handed over as the host's
// connection. The exit code for main.
int run(int argc, char **argv);

// Opens the sign-in window as the host does; returns when it has closed.
void openWindow();

} // namespace SignInBench
