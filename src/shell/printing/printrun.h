// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

namespace tallyvane {

// What the print dialog asked of a printout: which pages, how many copies
// the program paints itself (1 where the printer makes the copies), and
// whether each copy is printed whole before the next.
struct PrintRun
{
    std::vector<int> pages; // counted from 1, in the order chosen; empty: all
    int copies = 1;
    bool collate = true;
};

// The printout's pages (counted from 0) in the order they are painted; pages
// outside the printout are left out.
std::vector<int> paintedPageOrder(int pageCount, const PrintRun& run);

} // namespace tallyvane
