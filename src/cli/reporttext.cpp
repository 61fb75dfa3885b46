// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/reporttext.h"

namespace tallyvane::cli {

void writeLine(std::ostream& out, const QString& line)
{
    out << line.toStdString() << "\n";
}

QString csvField(const QString& text)
{
    if (!text.contains(u',') && !text.contains(u'"') && !text.contains(u'\n') && !text.contains(u'\r') &&
        text.trimmed() == text)
        return text;
    QString quoted = text;
    quoted.replace(QStringLiteral("\""), QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

} // namespace tallyvane::cli
