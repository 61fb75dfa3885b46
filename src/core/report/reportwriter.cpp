// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/report/reportwriter.h"

#include <QRegularExpression>

#include <algorithm>

namespace tallyvane {
namespace {

constexpr int FooterColumn = 40;

} // namespace

ReportWriter::ReportWriter(std::int16_t fontChoice)
{
    m_report.font = reportFont(fontChoice);
    m_report.pages.emplace_back();
}

void ReportWriter::setUpPrinter()
{
    emptyLines();
}

ReportWriter& ReportWriter::tab(int column)
{
    column = std::max(column, 1);
    if (column < m_column)
        endLine();
    m_lineOpen = true;
    m_column = column;
    return *this;
}

ReportWriter& ReportWriter::text(const QString& text)
{
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\n|\r"));
    const QStringList pieces =
        text.contains(u'\n') || text.contains(u'\r') ? text.split(lineBreak) : QStringList{text};
    for (qsizetype i = 0; i < pieces.size(); ++i) {
        if (i > 0)
            endLine();
        m_lineOpen = true;
        if (pieces[i].isEmpty())
            continue;
        m_line.items.push_back({m_column, pieces[i]});
        m_column += static_cast<int>(pieces[i].size());
    }
    return *this;
}

ReportWriter& ReportWriter::rightAligned(int column, int width, const QString& figure)
{
    const int fieldStart = column + width - static_cast<int>(figure.size());
    const int earliest = m_line.items.empty() ? 1 : m_line.endColumn() + 1;
    return tab(std::max(fieldStart, earliest)).text(figure);
}

ReportWriter& ReportWriter::endLine()
{
    m_report.pages.back().lines.push_back(std::move(m_line));
    m_line = ReportLine();
    m_lineOpen = false;
    m_column = 1;
    return *this;
}

void ReportWriter::line(int column, const QString& text)
{
    tab(column).text(text).endLine();
}

void ReportWriter::emptyLines(int count)
{
    for (int i = 0; i < count; ++i)
        endLine();
}

void ReportWriter::newPage()
{
    if (m_lineOpen)
        endLine();
    m_report.pages.emplace_back();
}

void ReportWriter::breakPage()
{
    emptyLines(2);
    line(FooterColumn, QStringLiteral("Page %1").arg(pageNumber()));
    newPage();
    setUpPrinter();
}

Report ReportWriter::finish()
{
    newPage();
    while (!m_report.pages.empty() && m_report.pages.back().lines.empty())
        m_report.pages.pop_back();
    return std::move(m_report);
}

} // namespace tallyvane
