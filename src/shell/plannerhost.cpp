// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/plannerhost.h"

namespace tallyvane {

PlannerHost::~PlannerHost() = default;

} // namespace tallyvane
