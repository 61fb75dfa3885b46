#include "cli/calccommands.h"
#include "cli/commandoptions.h"

namespace tallyvane::cli {

int runNetWorthCommand(const QStringList&, std::ostream&, std::ostream& err)
{
    err << "tallyvane-calc networth: not available yet\n";
    return ExitUsage;
}

} // namespace tallyvane::cli
