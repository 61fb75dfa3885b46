// SPDX-License-Identifier: GPL-3.0-or-later
// Tells the program which version the on-demand library was built as, so
// that a library left from another version (a partial upgrade) is refused
// rather than called with structures laid out differently.
#include "shell/ondemand.h"

extern "C" Q_DECL_EXPORT const char* tallyvane_onDemandVersion()
{
    return TALLYVANE_VERSION;
}
