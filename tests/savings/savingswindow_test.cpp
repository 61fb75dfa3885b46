// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/planners.h"
#include "cli/calccommands.h"
#include "commandrun.h"
#include "core/messages.h"
#include "csvexportcheck.h"
#include "plannerwindowdriver.h"
#include "savings/savingsgridmodel.h"
#include "savings/savingswindow.h"
#include "shell/grid/grid.h"
#include "shell/helpcontexts.h"
#include "shell/helpviewer.h"
#include "shell/tallyvaneapp.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace tallyvane;
using namespace tallyvane::testing;

namespace {

using Column = SavingsGridModel::Column;

class SavingsWindowTest : public PlannerWindowTest
{
protected:
    void open()
    {
        values.currencySymbol = QStringLiteral("$");
        values.plannerMode = 1;
        window = std::make_unique<SavingsCalc>(values, services, host);
        attach(*window);
    }

    SavingsGridModel* model() const { return static_cast<SavingsGridModel*>(grid()->gridModel()); }
    Grid* grid() const { return child<Grid>("SGrid"); }
    QString cell(int row, int column) const { return model()->text(row, column); }
    QString boxText(const char* name) const { return list(name)->currentText(); }
    bool bodyIsEmpty() const
    {
        for (int row = 1; row <= model()->lastRow(); ++row)
            for (int column = 0; column < Column::ColumnCount; ++column)
                if (!cell(row, column).isEmpty())
                    return false;
        return true;
    }
    // Types a figure and moves on with Enter, which stores it.
    void enter(const char* box, const char* figure)
    {
        typeInto(box, QString::fromLatin1(figure));
        pressEnter(box);
    }

    std::unique_ptr<SavingsCalc> window;
};

TEST_F(SavingsWindowTest, OpensWithItsDefaultsAndAnEmptyGrid)
{
    open();
    EXPECT_EQ(host.frameTitle, " Investment Growth Calculations");
    EXPECT_EQ(boxText("InLumpInv"), "           $.00");
    EXPECT_EQ(boxText("InInvest"), "    $1,200.00");
    EXPECT_EQ(boxText("InMonthsYrs"), "Annually");
    EXPECT_EQ(boxText("InRate"), "         20.00%");
    EXPECT_EQ(boxText("InIncrRate"), "           .00%");
    EXPECT_EQ(boxText("inInflatRate"), "           .00%");
    EXPECT_EQ(boxText("InTerm"), "               25");
    EXPECT_EQ(values.inputValues.size(), 9u);
    EXPECT_EQ(values.inputValues[2], Money::fromWhole(1200));
    EXPECT_EQ(values.inputValues[4], Money::fromWhole(20));
    EXPECT_EQ(values.inputValues[7], Money::fromWhole(25));
    EXPECT_EQ(values.resultTable.rowCount(), 511);
    EXPECT_EQ(model()->rows(), 25);
    EXPECT_EQ(cell(0, Column::Invested), "          Invested          Annually");
    EXPECT_TRUE(bodyIsEmpty());
    EXPECT_EQ(values.graphPointCount, 0);
}

// The quick help's worked examples, typed into the boxes as it lists them.
struct WorkedExample
{
    const char* name;
    const char* lumpSum;
    const char* invested;
    const char* increase;
    const char* inflation;
    const char* rate;
    const char* year1Value;
    const char* year25Value;
    const char* totalGrowth;
};

class WorkedExampleTest : public SavingsWindowTest, public ::testing::WithParamInterface<WorkedExample>
{
};

TEST_P(WorkedExampleTest, ReachedThroughTheBoxes)
{
    const WorkedExample& example = GetParam();
    open();
    enter("InLumpInv", example.lumpSum);
    enter("InInvest", example.invested);
    enter("InRate", example.rate);
    enter("InIncrRate", example.increase);
    enter("inInflatRate", example.inflation);
    click("SCalc");

    EXPECT_TRUE(services.messages.empty());
    EXPECT_EQ(cell(1, Column::CurrentValue), example.year1Value);
    EXPECT_EQ(cell(25, Column::Period), "25");
    EXPECT_EQ(cell(25, Column::CurrentValue), example.year25Value);
    EXPECT_TRUE(cell(26, Column::CurrentValue).isEmpty());
    EXPECT_EQ(cell(27, Column::Period), "Total:");
    EXPECT_EQ(cell(27, Column::Interest), example.totalGrowth);
    EXPECT_EQ(cell(27, Column::CurrentValue), QStringLiteral("$") + example.year25Value);
    EXPECT_EQ(model()->rows(), 29);
    EXPECT_EQ(values.graphPointCount, 25);
    EXPECT_EQ(grid()->currentRow(), 1);
    EXPECT_EQ(grid()->currentColumn(), 0);
}

INSTANTIATE_TEST_SUITE_P(SavingsWindow, WorkedExampleTest,
                         ::testing::Values(WorkedExample{"YearlyContribution", "0", "1000", "0", "0", "20",
                                                         "1,200.00", "566,377.32", "$541,377.32"},
                                           WorkedExample{"LumpSum", "1000", "0", "0", "0", "20", "1,200.00",
                                                         "95,396.22", "$94,396.22"},
                                           WorkedExample{"RisingContribution", "0", "1000", "5", "0", "20",
                                                         "1,200.00", "736,078.94", "$688,351.84"},
                                           WorkedExample{"Inflation", "30000", "0", "0", "5", "0",
                                                         "28,500.00", "8,321.69", "$-21,678.31"},
                                           WorkedExample{"NegativeInflation", "30000", "0", "0", "-5", "0",
                                                         "31,500.00", "101,590.65", "$71,590.65"}),
                         [](const ::testing::TestParamInfo<WorkedExample>& info) {
                             return std::string(info.param.name);
                         });

struct GridShape
{
    const char* name;
    const char* frequency;
    const char* years;
    int rows;
    int totalRow;
    const char* periodHeading;
};

class GridShapeTest : public SavingsWindowTest, public ::testing::WithParamInterface<GridShape>
{
};

TEST_P(GridShapeTest, FollowsTheFrequencyAndTheYears)
{
    const GridShape& shape = GetParam();
    open();
    chooseFromList("InMonthsYrs", QString::fromLatin1(shape.frequency));
    enter("InTerm", shape.years);
    click("SCalc");
    EXPECT_EQ(model()->rows(), shape.rows);
    EXPECT_EQ(model()->totalRow(), shape.totalRow);
    EXPECT_EQ(cell(shape.totalRow, Column::Period), "Total:");
    EXPECT_TRUE(cell(shape.totalRow - 1, Column::Period).isEmpty());
    EXPECT_EQ(cell(0, Column::Period), shape.periodHeading);
    EXPECT_EQ(cell(0, Column::Invested), QStringLiteral("          Invested         ") + shape.frequency);
}

INSTANTIATE_TEST_SUITE_P(
    SavingsWindow, GridShapeTest,
    ::testing::Values(GridShape{"MonthlyFortyYears", "Monthly", "40", 484, 482, " Month Number"},
                      GridShape{"AnnualTenYearsKeepsTwentyFiveRows", "Annually", "10", 25, 12,
                                " Year  Number"},
                      GridShape{"QuarterlyOneYear", "Quarterly", "1", 8, 6, "Quarter Number"},
                      GridShape{"ZeroYearsStillShowsOnePeriod", "Monthly", "0", 4, 3, " Month Number"}),
    [](const ::testing::TestParamInfo<GridShape>& info) { return std::string(info.param.name); });

// Every way of changing an input clears the results at once.
struct Edit
{
    const char* name;
    const char* control;
    const char* typedOrChosen;
    bool fromList;
};

class EditTest : public SavingsWindowTest, public ::testing::WithParamInterface<Edit>
{
};

TEST_P(EditTest, ClearsTheResults)
{
    const Edit& edit = GetParam();
    open();
    click("SCalc");
    ASSERT_EQ(cell(1, Column::Invested), "1,200.00");
    if (edit.fromList)
        chooseFromList(edit.control, QString::fromLatin1(edit.typedOrChosen));
    else
        typeInto(edit.control, QString::fromLatin1(edit.typedOrChosen));
    EXPECT_TRUE(bodyIsEmpty());
    EXPECT_EQ(values.graphPointCount, 0);
    EXPECT_EQ(cell(0, Column::Period), " Year  Number");
}

INSTANTIATE_TEST_SUITE_P(SavingsWindow, EditTest,
                         ::testing::Values(Edit{"FirstKeyInABox", "InInvest", "5", false},
                                           Edit{"MinusInTheInflationBox", "inInflatRate", "-", false},
                                           Edit{"ChoiceFromTheFrequencyList", "InMonthsYrs", "Monthly", true},
                                           Edit{"ChoiceFromARateList", "InRate", "12.5", true}),
                         [](const ::testing::TestParamInfo<Edit>& info) {
                             return std::string(info.param.name);
                         });

TEST_F(SavingsWindowTest, FiguresChosenFromListsAreStoredAndShown)
{
    open();
    chooseFromList("InLumpInv", "15000");
    chooseFromList("InRate", "12.5");
    chooseFromList("InTerm", "10");
    EXPECT_EQ(boxText("InLumpInv"), "   $15,000.00");
    EXPECT_EQ(boxText("InRate"), "         12.50%");
    EXPECT_EQ(values.inputValues[1], Money::fromWhole(15000));
    EXPECT_EQ(values.inputValues[4], *Money::fromDecimalText("12.5"));
    EXPECT_EQ(values.inputValues[7], Money::fromWhole(10));
    pressEnter("InTerm");
    EXPECT_EQ(values.inputValues[1], Money::fromWhole(15000)); // not read back from "$15,000.00"
    EXPECT_TRUE(button("SCalc")->hasFocus());
}

TEST_F(SavingsWindowTest, FrequencyListRefusesKeysAndMovesOnWithEnter)
{
    open();
    click("SCalc");
    typeInto("InMonthsYrs", "m1");
    EXPECT_EQ(services.beeps, 2);
    EXPECT_EQ(boxText("InMonthsYrs"), "Annually");
    EXPECT_EQ(values.graphPointCount, 25); // a refused key changes nothing
    pressEnter("InMonthsYrs");
    EXPECT_TRUE(list("InRate")->hasFocus());
}

TEST_F(SavingsWindowTest, MoreThanFortyYearsAreCutToForty)
{
    open();
    enter("InTerm", "41");
    EXPECT_EQ(services.messageTexts, std::vector<QString>{"Wrong entry, 40 Years limit."});
    EXPECT_EQ(boxText("InTerm"), "               40");
    EXPECT_EQ(values.inputValues[7], Money::fromWhole(40));
}

TEST_F(SavingsWindowTest, InflationOfAHundredPercentIsRefused)
{
    open();
    enter("inInflatRate", "100");
    click("SCalc");
    EXPECT_EQ(services.messageTexts, std::vector<QString>{"Wrong or missing entry, try again."});
    EXPECT_TRUE(bodyIsEmpty());
    EXPECT_EQ(values.graphPointCount, 0);
}

TEST_F(SavingsWindowTest, RefusedFirstKeyInTheYearsEmptiesTheBoxLikeEveryOther)
{
    open();
    typeInto("InTerm", "x");
    EXPECT_EQ(services.beeps, 1);
    EXPECT_EQ(boxText("InTerm"), "");
}

TEST_F(SavingsWindowTest, DeleteTakesOneCharacterAwayAndClearsTheResults)
{
    open();
    click("SCalc");
    auto* box = list("InInvest")->lineEdit();
    box->setFocus();
    box->setCursorPosition(box->text().indexOf(u'2')); // before "200.00" of "$1,200.00"
    QTest::keyClick(box, Qt::Key_Delete);
    EXPECT_EQ(box->text(), "100.00");
    EXPECT_TRUE(bodyIsEmpty());
    pressEnter("InInvest");
    EXPECT_EQ(values.inputValues[2], Money::fromWhole(100));
}

TEST_F(SavingsWindowTest, ShowGraphNeedsResults)
{
    open();
    click("SGraphs");
    EXPECT_EQ(services.messages, std::vector<int>{Message::NoDataToGraph});
    EXPECT_EQ(host.graphsShown, 0);

    click("SCalc");
    click("SGraphs");
    EXPECT_EQ(host.graphsShown, 1);
    EXPECT_EQ(values.graphSource, 1);
    EXPECT_EQ(values.graphTitle, "Investment value at end of each Year");
    EXPECT_EQ(values.resultTable.at(25, 5), values.resultTable.at(25, 4));
}

TEST_F(SavingsWindowTest, ToPrinterNeedsAWholeYearAndAHeader)
{
    open();
    click("SPrinter");
    enter("InTerm", "0");
    click("SCalc");
    EXPECT_EQ(cell(1, Column::Period), "1"); // one period is shown, but there is no year to print
    click("SPrinter");
    EXPECT_EQ(services.messages, std::vector<int>(2, Message::NoDataToPrint));

    enter("InTerm", "2");
    click("SCalc");
    click("SPrinter"); // header cancelled
    EXPECT_TRUE(services.previews.empty());

    services.printHeaders.push_back("Smith family");
    click("SPrinter");
    ASSERT_EQ(services.previews.size(), 1u);
    EXPECT_TRUE(
        services.previews.front().startsWith("\n Smith family\n\n\n                        Investment"));
    EXPECT_TRUE(services.previews.front().contains("\n Total:              $2,400.00"));
    EXPECT_EQ(services.messages.size(), 2u);
}

TEST_F(SavingsWindowTest, QuickHelpTwiceReturnsToAnEmptyGrid)
{
    open();
    click("SCalc");
    click("SHelp");
    auto* help = child<QPlainTextEdit>("STextBox");
    EXPECT_TRUE(help->isVisible());
    EXPECT_FALSE(grid()->isVisible());
    EXPECT_EQ(button("SHelp")->text(), "Close &Help");
    EXPECT_FALSE(button("SPrinter")->isEnabled());
    EXPECT_FALSE(button("SGraphs")->isEnabled());
    EXPECT_TRUE(help->toPlainText().contains("Example 4: Shows the future value of $30,000.00 at a 5%"));
    EXPECT_TRUE(help->toPlainText().endsWith(QString(50, u' ') + "End"));
    QTest::keyClick(help, Qt::Key_Return);
    EXPECT_TRUE(list("InLumpInv")->hasFocus());

    click("SHelp");
    EXPECT_TRUE(grid()->isVisible());
    EXPECT_TRUE(button("SGraphs")->isEnabled());
    EXPECT_TRUE(bodyIsEmpty());
    EXPECT_EQ(values.graphPointCount, 0);
}

TEST(SavingsMenuTest, OpensFromTheMenuWithItsHelpTopic)
{
    QTemporaryDir folder;
    const QString previousDirectory = QDir::currentPath();
    ASSERT_TRUE(QFile::copy(qEnvironmentVariable("TALLYVANE_TEST_DATA") + "/" + HelpFileName,
                            folder.filePath(HelpFileName)));
    {
        TallyvaneApp app(folder.path());
        registerPlanners(app);
        app.start();
        QApplication::setActiveWindow(&app.frame());
        ASSERT_TRUE(QTest::qWaitForWindowActive(&app.frame()));
        const auto press = [&app](const char* keys) {
            QTest::keySequence(app.frame().windowHandle(), QKeySequence(QString::fromLatin1(keys)));
        };

        press("Alt+S");
        ASSERT_TRUE(QTest::qWaitFor([&] { return app.navigator().openPlanner() != nullptr; }));
        ASSERT_NE(qobject_cast<SavingsCalc*>(app.navigator().openPlanner()), nullptr);
        EXPECT_EQ(app.frame().windowTitle(), " Investment Growth Calculations");
        EXPECT_EQ(app.values().plannerMode, 1);

        press("Alt+C");
        EXPECT_TRUE(QTest::qWaitFor([&] { return app.values().graphPointCount != 0; }));
        press("Alt+X");
        ASSERT_TRUE(QTest::qWaitFor([&] { return app.menu().isVisible(); }));
        EXPECT_EQ(app.frame().windowTitle(), " Tallyvane Menu");
        EXPECT_EQ(app.values().graphPointCount, 0);
        EXPECT_EQ(app.values().plannerMode, 0);

        // Opened again, F1 shows the help at this window's topic.
        press("Alt+S");
        ASSERT_TRUE(QTest::qWaitFor([&] { return app.navigator().openPlanner() != nullptr; }));
        QTest::keyClick(app.navigator().openPlanner(), Qt::Key_F1);
        ASSERT_NE(app.navigator().helpViewer(), nullptr);
        EXPECT_EQ(app.navigator().helpViewer()->currentAnchor(), "context-20");
    }
    QDir::setCurrent(previousDirectory);
}

TEST_F(SavingsWindowTest, ExportHoldsTheCalculatorsTableAndTheTotalsCopyAsPlainFigures)
{
    open(); // the calculator's defaults but for these
    enter("InIncrRate", "2");
    chooseFromList("InMonthsYrs", QStringLiteral("Quarterly"));
    enter("InTerm", "3");
    click("SCalc");
    const QTemporaryDir folder;
    const QByteArray exported = exportByCtrlE(*window, services, folder.filePath("Savings.csv"));
    const auto calculated =
        cli::test::runCommand(cli::runSavingsCommand, {"--increase", "2", "--frequency", "quarterly",
                                                       "--years", "3", "--format", "csv"});
    expectSameTableAsCalculator(exported, calculated.out);

    const int total = model()->totalRow();
    copyBlock(*grid(), total, Column::Period, total, Column::CurrentValue);
    const QString shown = QStringList{"Total:", cell(total, 1), cell(total, 2), cell(total, 3)}.join(u'\t');
    EXPECT_EQ(clipboardText(), QString(shown).remove(u'$').remove(u',') + u'\n');
}

} // namespace
