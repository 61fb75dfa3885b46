#include "shell/tallyvaneapp.h"

namespace tallyvane {

void registerPlanners(TallyvaneApp&)
{
    // Each planner adds its line here as it is built.
}

} // namespace tallyvane
