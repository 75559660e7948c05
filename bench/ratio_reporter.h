// Runs the registered benchmarks and prints, for named pairs, how many times
// faster the second is than its baseline in the same run.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace bench {

struct Comparison
{
    std::string baseline; ///< benchmark name as reported, e.g. "BM_ReadOneValueAtATime"
    std::string measured;
    std::string goal; ///< a sentence for the reader, e.g. "at least 20 times faster"
};

/// Benchmark main: runs everything, then prints one line per comparison.
int runWithComparisons(int argc, char **argv, const std::vector<Comparison> &comparisons);

} // namespace bench
