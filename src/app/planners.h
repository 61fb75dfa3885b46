// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace tallyvane {

class TallyvaneApp;

// Registers every planner that exists, and the file kinds each one opens,
// with the navigator.
void registerPlanners(TallyvaneApp& app);

} // namespace tallyvane
