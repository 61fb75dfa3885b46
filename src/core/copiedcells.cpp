// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/copiedcells.h"

namespace tallyvane {
namespace {

QString oneLine(QString cell)
{
    for (const QChar breaker : {u'\t', u'\r', u'\n'})
        cell.replace(breaker, u' ');
    return cell;
}

QString tabLine(const QStringList& cells)
{
    QStringList line;
    for (const QString& cell : cells)
        line << oneLine(cell);
    return line.join(u'\t') + u'\n';
}

QString htmlRow(const QStringList& cells, const char* tag)
{
    QString row = QStringLiteral("<tr>");
    for (const QString& cell : cells)
        row += QStringLiteral("<%1>%2</%1>").arg(QLatin1String(tag), oneLine(cell).toHtmlEscaped());
    return row + QStringLiteral("</tr>\n");
}

} // namespace

QString tabSeparatedText(const CopiedCells& cells)
{
    QString text;
    if (!cells.headings.isEmpty())
        text += tabLine(cells.headings);
    for (const QStringList& row : cells.rows)
        text += tabLine(row);
    return text;
}

QString htmlTable(const CopiedCells& cells)
{
    QString html = QStringLiteral("<html><head><meta charset=\"utf-8\"></head><body><table>\n");
    if (!cells.headings.isEmpty())
        html += htmlRow(cells.headings, "th");
    for (const QStringList& row : cells.rows)
        html += htmlRow(row, "td");
    return html + QStringLiteral("</table></body></html>\n");
}

} // namespace tallyvane
