// SPDX-License-Identifier: GPL-3.0-or-later
#include "networth/networthdisplay.h"

#include "core/numberformat.h"

#include <QStringList>

namespace tallyvane {
namespace {

constexpr char16_t CalculatedFigureFormat[] = u"####,,###.00";
constexpr char16_t TypedFigureFormat[] = u"###,,###.00";
constexpr char16_t TotalFormat[] = u"####,,##0.00";
constexpr char16_t NetWorthFormat[] = u"####,,###.00";
constexpr int RowsFromLastEntryToTotal = 2;

QString typedCellText(const CellValue& cell, int column)
{
    if (column == CellTable::NameColumn || !cell.isNumber())
        return cell.text();
    return formatNumber(cell.number(), TypedFigureFormat);
}

// Zero and negative figures are left out: a group without figures shows an
// empty "Sub Total".
QString calculatedCellText(const CellValue& cell, int column)
{
    if (column == CellTable::NameColumn)
        return cell.textForm();
    return cell.isNumber() && cell.number() > 0.0 ? formatNumber(cell.number(), CalculatedFigureFormat)
                                                  : QString();
}

} // namespace

QString sideHeading(NetWorthSide side)
{
    return side == NetWorthSide::Assets ? QStringLiteral(" Assets") : QStringLiteral(" Liabilities");
}

QString netWorthCellText(const NetWorthSheet& sheet, NetWorthSide side, int row, int column,
                         CellOrigin origin, const QString& currencySymbol)
{
    const bool inTable = row >= 1 && row <= CellTable::LastEntryRow && CellTable::isInside(row, column);
    const CellValue cell = inTable ? sheet.cells(side).at(row, column) : CellValue();
    if (origin == CellOrigin::Typed)
        return typedCellText(cell, column);
    if (!cell.isBlank())
        return calculatedCellText(cell, column);
    if (row != totalRow(sheet, side))
        return {};
    return column == CellTable::NameColumn ? totalCaption(side) : totalText(sheet, side, currencySymbol);
}

int totalRow(const NetWorthSheet& sheet, NetWorthSide side)
{
    return sheet.count(side) + 1 + RowsFromLastEntryToTotal;
}

QString totalCaption(NetWorthSide side)
{
    return side == NetWorthSide::Assets ? QStringLiteral("Total Assets")
                                        : QStringLiteral("Total Liabilities");
}

QString totalText(const NetWorthSheet& sheet, NetWorthSide side, const QString& currencySymbol)
{
    return currencySymbol + formatMoney(sheet.total(side), TotalFormat);
}

QString netWorthText(const NetWorthSheet& sheet, const QString& currencySymbol)
{
    return currencySymbol + formatMoney(sheet.netWorth(), NetWorthFormat);
}

QString netWorthQuickHelp()
{
    const QStringList paragraphs{
        QStringLiteral("Open File from disk or start a new file. Load NetSampl.NWF to try out the various "
                       "features."),
        QStringLiteral("To start new file, Click on either spreadsheet, choose cell by clicking on it or use "
                       "arrow keys. Selected Cell will show dotted line around it, enter your data."),
        QStringLiteral(
            "Place catagory names in first column and values in the second column. Delete an entry "
            "with the Backspace key."),
        QStringLiteral(
            "Enter the exact words Sub Total in first column at the end of each group where you want "
            "it to appear."),
        QStringLiteral(
            "Empty rows are not allowed, for a blank row enter a space in column one. (It's no longer "
            "empty). To remove a row, delete all entries in that row then Calculate."),
        QStringLiteral(
            "Column two will only accept figures and the period key as the decimal separator. Names "
            "or Values can be changed at any time."),
        QStringLiteral(
            "To insert a row, Click the row where it is required then Insert Blank Line button, OK."),
    };
    const QString lineBreak = QStringLiteral("\r\n");
    QString text = lineBreak;
    for (const QString& paragraph : paragraphs)
        text += paragraph + lineBreak + lineBreak;
    text += QStringLiteral("You must Calculate after any changes, to reformat the spreadsheet and Totals.");
    text += lineBreak.repeated(5) + QString(90, u' ') + QStringLiteral("End");
    return text;
}

} // namespace tallyvane
