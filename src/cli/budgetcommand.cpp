#include "cli/calccommands.h"
#include "cli/commandoptions.h"

namespace tallyvane::cli {

int runBudgetCommand(const QStringList&, std::ostream&, std::ostream& err)
{
    err << "tallyvane-calc budget: not available yet\n";
    return ExitUsage;
}

} // namespace tallyvane::cli
