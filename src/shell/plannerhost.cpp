#include "shell/plannerhost.h"

namespace tallyvane {

PlannerHost::~PlannerHost() = default;

} // namespace tallyvane
