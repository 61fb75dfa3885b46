// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/printing/printrun.h"

#include <algorithm>

namespace tallyvane {

std::vector<int> paintedPageOrder(int pageCount, const PrintRun& run)
{
    std::vector<int> chosen;
    if (run.pages.empty()) {
        for (int page = 0; page < pageCount; ++page)
            chosen.push_back(page);
    }
    for (int page : run.pages)
        if (page >= 1 && page <= pageCount)
            chosen.push_back(page - 1);

    const int copies = std::max(run.copies, 1);
    std::vector<int> order;
    if (run.collate) {
        for (int copy = 0; copy < copies; ++copy)
            order.insert(order.end(), chosen.begin(), chosen.end());
    } else {
        for (int page : chosen)
            order.insert(order.end(), copies, page);
    }
    return order;
}

} // namespace tallyvane
