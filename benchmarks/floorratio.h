// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A benchmark and the floor it is held against run in the same program, so
// that both see the same machine and load; after the run the ratio of their
// times is printed (of the medians, when the run is repeated).

#include <string>

namespace tallyvane::benchmarking {

// Asks for the ratio of the times of two benchmarks, `measured` / `floor`,
// after the run; returns true so that it can initialise a static beside the
// BENCHMARK lines.
bool reportRatio(std::string measured, std::string floor);

// Initialises the benchmark library from the command line, runs the
// benchmarks chosen there and prints every ratio asked for whose two sides ran.
int runBenchmarks(int argc, char** argv);

} // namespace tallyvane::benchmarking
