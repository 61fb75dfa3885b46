// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/csvtable.h"
#include "core/plainfigure.h"
#include "printers.h"

#include <gtest/gtest.h>

namespace tallyvane {
namespace {

TEST(PlainFigureTest, DropsSeparatorsSymbolAndBlanksAndRefusesText)
{
    EXPECT_EQ(plainFigure(" -.05"), "-0.05");
    EXPECT_EQ(plainFigure("-€1,203.10"), "-1203.10");
    EXPECT_EQ(plainFigure("Fr-3.10"), "-3.10");
    EXPECT_EQ(plainFigure("Payments"), std::nullopt);
    EXPECT_EQ(plainFigure("-$-1.00"), std::nullopt);
    EXPECT_EQ(plainFigure("1,23.00"), std::nullopt);
}

TEST(CsvDocumentTest, QuotesWhereNeededGuardsFormulasAndEndsLinesWithCrLf)
{
    const CsvTable table{.headings = {"name", "value"},
                         .rows = {{csvText("=SUM(A1:A9)"), csvFigure("-12.50")},
                                  {csvText("Rent, \"flat\""), csvFigure("0.00")},
                                  {csvText("@home"), csvFigure("")},
                                  {csvText("\tTab"), csvFigure("1")},
                                  {csvText("Café -5"), csvFigure("2")}}};
    EXPECT_EQ(QString::fromUtf8(csvDocument(table)),
              "name,value\r\n'=SUM(A1:A9),-12.50\r\n\"Rent, \"\"flat\"\"\",0.00\r\n'@home,\r\n'\tTab,1\r\n"
              "Café -5,2\r\n");
}

} // namespace
} // namespace tallyvane
