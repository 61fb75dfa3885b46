#include "cli/calccommands.h"
#include "cli/commandoptions.h"

namespace tallyvane::cli {

int runMortgageCommand(const QStringList&, std::ostream&, std::ostream& err)
{
    err << "tallyvane-calc mortgage: not available yet\n";
    return ExitUsage;
}

int runLoanCommand(const QStringList&, std::ostream&, std::ostream& err)
{
    err << "tallyvane-calc loan: not available yet\n";
    return ExitUsage;
}

} // namespace tallyvane::cli
