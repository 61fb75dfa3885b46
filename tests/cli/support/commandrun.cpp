// SPDX-License-Identifier: GPL-3.0-or-later
#include "commandrun.h"

#include <sstream>

namespace tallyvane::cli::test {

CommandRun runCommand(Command command, const QStringList& arguments)
{
    std::ostringstream out;
    std::ostringstream err;
    const int status = command(arguments, out, err);
    return CommandRun{status, out.str(), err.str()};
}

} // namespace tallyvane::cli::test
