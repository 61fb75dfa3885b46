// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/csvtable.h"

namespace tallyvane {
namespace {

QString csvLine(const QStringList& fields)
{
    return fields.join(u',') + QStringLiteral("\r\n");
}

} // namespace

QString formulaSafeText(const QString& text)
{
    static const QString formulaStarts = QStringLiteral("=+-@\t\r");
    if (!text.isEmpty() && formulaStarts.contains(text.front()))
        return u'\'' + text;
    return text;
}

QString csvQuotedField(const QString& field)
{
    const bool plain = !field.contains(u',') && !field.contains(u'"') && !field.contains(u'\n') &&
                       !field.contains(u'\r') && field.trimmed() == field;
    if (plain)
        return field;
    QString quoted = field;
    quoted.replace(QStringLiteral("\""), QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

QString csvTextField(const QString& text)
{
    return csvQuotedField(formulaSafeText(text));
}

QByteArray csvDocument(const CsvTable& table)
{
    QStringList headings;
    for (const QString& heading : table.headings)
        headings << csvTextField(heading);
    QString text = csvLine(headings);
    for (const std::vector<CsvCell>& row : table.rows) {
        QStringList fields;
        for (const CsvCell& cell : row)
            fields << (cell.isFigure ? csvQuotedField(cell.text) : csvTextField(cell.text));
        text += csvLine(fields);
    }
    return text.toUtf8();
}

} // namespace tallyvane
