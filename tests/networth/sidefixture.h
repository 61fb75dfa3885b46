// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "networth/celltable.h"

#include <string>
#include <vector>

namespace tallyvane::testing_support {

// One table row as a test writes it: a null pointer for a cell that was
// never set, "" for an empty text, and any other value text as a number.
struct TypedRow
{
    const char* name;
    const char* value;
};

void fillSide(CellTable& cells, const std::vector<TypedRow>& rows, int firstRow = 1);
// Rows 1 to `count` as "name|value" (text form of each cell).
std::vector<std::string> describeSide(const CellTable& cells, int count);

} // namespace tallyvane::testing_support
