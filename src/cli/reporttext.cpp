// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/reporttext.h"

#include "core/csvtable.h"

namespace tallyvane::cli {

void writeLine(std::ostream& out, const QString& line)
{
    out << line.toStdString() << "\n";
}

QString csvField(const QString& text)
{
    return csvTextField(text);
}

} // namespace tallyvane::cli
