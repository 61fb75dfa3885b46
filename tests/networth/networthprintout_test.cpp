// SPDX-License-Identifier: GPL-3.0-or-later
#include "networth/networthprintout.h"
#include "printers.h"
#include "sidefixture.h"

#include "core/report/reportplaintext.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace tallyvane {
namespace {

using testing_support::fillSide;

// A printed line from texts placed at their columns.
QString placed(const std::vector<std::pair<int, QString>>& items)
{
    QString line;
    for (const auto& [column, text] : items)
        line = line.leftJustified(column - 1) + text;
    return line;
}

TEST(NetWorthPrintout, PrintsBothSidesTotalsAndNetWorthAtTheirColumns)
{
    NetWorthSheet sheet;
    fillSide(sheet.cells(NetWorthSide::Assets),
             {{"A name that is longer than twenty-five characters", "1234.5"},
              {"Zero", "0"},
              {"Cleared", ""},
              {"Sub Total", nullptr}});
    fillSide(sheet.cells(NetWorthSide::Liabilities), {{"Loan", "500"}, {"Sub Total", nullptr}});
    sheet.calculate();

    const QString text =
        reportPlainText(netWorthPrintout(sheet, {.header = QStringLiteral("Smith family"), .fontChoice = 1}));
    const QStringList expected{
        {},
        {},
        QStringLiteral(" Smith family"),
        {},
        placed({{32, "NET WORTH STATEMENT"}}),
        {},
        {},
        placed({{2, "ASSETS"}, {42, "LIABILITIES"}}),
        placed({{2, "______"}, {42, "___________"}}),
        {},
        placed({{2, "A name that is longer tha"}, {32, "1,234.50"}, {42, "Loan"}, {74, "500.00"}}),
        placed({{2, "Zero"}, {37, ".00"}, {42, "Sub Total"}, {74, "500.00"}}),
        placed({{2, "Cleared"}}),
        placed({{2, "Sub Total"}, {32, "1,234.50"}}),
        {},
        QStringLiteral(" ") + QString(78, u'_'),
        {},
        placed({{2, "Total Assets"}, {31, "$1,234.50"}, {42, "Total Liabilities"}, {73, "$500.00"}}),
        {},
        {},
        placed({{30, "Net Worth = "}, {49, "$734.50"}}),
    };
    EXPECT_EQ(text, expected.join(u'\n') + u'\n');
}

} // namespace
} // namespace tallyvane
