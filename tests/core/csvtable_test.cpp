#include "core/csvtable.h"
#include "core/plainfigure.h"
#include "printers.h"

#include <gtest/gtest.h>

namespace tallyvane {
namespace {

class PlainFigureTest : public ::testing::TestWithParam<std::tuple<const char*, const char*, const char*>>
{
};

TEST_P(PlainFigureTest, DropsSeparatorsSymbolAndBlanks)
{
    const auto [name, shown, plain] = GetParam();
    EXPECT_EQ(plainFigure(QString::fromUtf8(shown)),
              plain ? std::optional(QString::fromUtf8(plain)) : std::nullopt);
}

INSTANTIATE_TEST_SUITE_P(Shown, PlainFigureTest,
                         ::testing::Values(std::tuple{"NegativeCents", " -.05", "-0.05"},
                                           std::tuple{"Symbol", "$12,000.00", "12000.00"},
                                           std::tuple{"SymbolThenMinus", "Fr-3.10", "-3.10"},
                                           std::tuple{"MinusThenSymbol", "-€3.10", "-3.10"},
                                           std::tuple{"Word", "Payments", nullptr},
                                           std::tuple{"BadGroups", "1,23.00", nullptr},
                                           std::tuple{"TwoMinus", "-$-1.00", nullptr}),
                         [](const auto& info) { return std::string(std::get<0>(info.param)); });

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
