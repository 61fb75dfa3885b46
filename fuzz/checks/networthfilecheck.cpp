// SPDX-License-Identifier: GPL-3.0-or-later
#include "fuzzchecks.h"

#include "cli/networthreport.h"
#include "core/arithmeticfault.h"
#include "core/fieldreader.h"
#include "core/plannererror.h"
#include "networth/networthdisplay.h"
#include "networth/networthfile.h"

#include <sstream>

namespace tallyvane::fuzz {
namespace {

// A figure is stored to money's four decimals, so a longer one read from a
// foreign file comes back rounded; a figure beyond money comes back as it was.
bool sameStoredFigure(double read, double reread)
{
    try {
        return Money::fromDouble(read) == Money::fromDouble(reread);
    } catch (const ArithmeticFault&) {
        return read == reread;
    }
}

bool sameCell(const CellValue& read, const CellValue& reread)
{
    if (read.isNumber() && reread.isNumber())
        return sameStoredFigure(read.number(), reread.number());
    return read == reread;
}

bool sameSheet(const NetWorthSheet& read, const NetWorthSheet& reread)
{
    for (const NetWorthSide side : {NetWorthSide::Assets, NetWorthSide::Liabilities}) {
        if (read.count(side) != reread.count(side))
            return false;
        for (int row = 1; row <= CellTable::LastEntryRow; ++row)
            for (const int column : {CellTable::NameColumn, CellTable::ValueColumn})
                if (!sameCell(read.cells(side).at(row, column), reread.cells(side).at(row, column)))
                    return false;
    }
    return true;
}

void showAsTheWindowWould(const NetWorthSheet& sheet)
{
    const QString symbol = QStringLiteral("$");
    for (const NetWorthSide side : {NetWorthSide::Assets, NetWorthSide::Liabilities}) {
        for (int row = 1; row < NetWorthGridRows; ++row)
            for (const int column : {CellTable::NameColumn, CellTable::ValueColumn})
                netWorthCellText(sheet, side, row, column, CellOrigin::Calculated, symbol);
        totalText(sheet, side, symbol);
    }
    netWorthText(sheet, symbol);
}

} // namespace

void checkNetWorthFile(const QByteArray& input)
{
    NetWorthSheet sheet;
    try {
        sheet = parseNetWorthFile(input);
    } catch (const FileFormatError&) {
        return;
    }
    const QByteArray written = netWorthFileContent(sheet);
    NetWorthSheet reread;
    try {
        reread = parseNetWorthFile(written);
    } catch (const FileFormatError& error) {
        throw CheckFailure(std::string("a net worth file written back does not open: ") + error.what());
    }
    require(sameSheet(sheet, reread), "a net worth file written back opens to other cells");
    require(netWorthFileContent(reread) == written, "writing a net worth file again changes it");

    // The window calculates a file at once and shows every cell; totals
    // beyond money are refused with a message, and the cells still show.
    bool calculated = true;
    try {
        sheet.calculate();
    } catch (const PlannerError&) {
        calculated = false;
    }
    showAsTheWindowWould(sheet);
    if (!calculated)
        return;
    require(sheet.netWorth() == sheet.total(NetWorthSide::Assets) - sheet.total(NetWorthSide::Liabilities),
            "the net worth is not assets less liabilities");
    std::ostringstream json;
    cli::writeNetWorthReport(sheet, cli::OutputFormat::Json, json);
    requireJson(json.str(), "the statement in JSON does not parse");
    std::ostringstream text;
    cli::writeNetWorthReport(sheet, cli::OutputFormat::Text, text);
}

} // namespace tallyvane::fuzz
