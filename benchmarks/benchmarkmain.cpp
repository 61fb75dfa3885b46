// SPDX-License-Identifier: GPL-3.0-or-later
// The main of the benchmarks that need no QApplication.

#include "floorratio.h"

int main(int argc, char** argv)
{
    return tallyvane::benchmarking::runBenchmarks(argc, argv);
}
