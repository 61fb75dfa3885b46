// SPDX-License-Identifier: GPL-3.0-or-later
#include "networth/networthprintout.h"

#include "core/numberformat.h"
#include "core/report/reportwriter.h"

#include <algorithm>

namespace tallyvane {
namespace {

constexpr char16_t FigureFormat[] = u"####,,###.00";
constexpr int NameWidth = 25;
constexpr int FigureWidth = 12;
constexpr int TotalWidth = 13;
constexpr int NetWorthWidth = 14;

struct SideColumns
{
    NetWorthSide side;
    int name;
    int figure;
    int total;
};

constexpr SideColumns Assets{.side = NetWorthSide::Assets, .name = 2, .figure = 28, .total = 27};
constexpr SideColumns Liabilities{.side = NetWorthSide::Liabilities, .name = 42, .figure = 68, .total = 67};

// An empty value prints as blanks and zero as ".00"; a figure is shown as the
// grid shows it, from the cell's own number.
QString figureText(const CellValue& value)
{
    return value.isNumber() ? formatNumber(value.number(), FigureFormat) : QString();
}

void printRowSide(ReportWriter& writer, const NetWorthSheet& sheet, const SideColumns& columns, int row)
{
    if (row > sheet.count(columns.side))
        return;
    const CellTable& cells = sheet.cells(columns.side);
    writer.tab(columns.name).text(cells.name(row).textForm().left(NameWidth));
    writer.rightAligned(columns.figure, FigureWidth, figureText(cells.value(row)));
}

void printTotal(ReportWriter& writer, const NetWorthSheet& sheet, const SideColumns& columns,
                const QString& currencySymbol)
{
    const QString total = currencySymbol + formatMoney(sheet.total(columns.side), FigureFormat);
    writer.tab(columns.name)
        .text(columns.side == NetWorthSide::Assets ? QStringLiteral("Total Assets")
                                                   : QStringLiteral("Total Liabilities"));
    writer.rightAligned(columns.total, TotalWidth, total);
}

} // namespace

Report netWorthPrintout(const NetWorthSheet& sheet, const PrintoutSettings& settings)
{
    ReportWriter writer(settings.fontChoice);
    writer.setUpPrinter();
    writer.emptyLines();
    writer.line(2, settings.header);
    writer.emptyLines();
    writer.line(32, QStringLiteral("NET WORTH STATEMENT"));
    writer.emptyLines(2);
    writer.tab(2).text(QStringLiteral("ASSETS")).tab(42).text(QStringLiteral("LIABILITIES")).endLine();
    writer.tab(2).text(QStringLiteral("______")).tab(42).text(QString(11, u'_')).endLine();
    writer.emptyLines();

    const int rows = std::max<int>(sheet.count(NetWorthSide::Assets), sheet.count(NetWorthSide::Liabilities));
    for (int row = 1; row <= rows; ++row) {
        printRowSide(writer, sheet, Assets, row);
        printRowSide(writer, sheet, Liabilities, row);
        writer.endLine();
    }
    writer.emptyLines();
    writer.text(QStringLiteral(" ") + QString(78, u'_')).endLine();
    writer.emptyLines();
    printTotal(writer, sheet, Assets, settings.currencySymbol);
    printTotal(writer, sheet, Liabilities, settings.currencySymbol);
    writer.endLine();
    writer.emptyLines(2);
    const QString netWorth = settings.currencySymbol + formatMoney(sheet.netWorth(), FigureFormat);
    writer.tab(30).text(QStringLiteral("Net Worth = ")).rightAligned(42, NetWorthWidth, netWorth).endLine();
    return writer.finish();
}

} // namespace tallyvane
