#include "cli/calccommands.h"
#include "cli/commandoptions.h"

namespace tallyvane::cli {

int runSavingsCommand(const QStringList&, std::ostream&, std::ostream& err)
{
    err << "tallyvane-calc savings: not available yet\n";
    return ExitUsage;
}

} // namespace tallyvane::cli
