// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/calccommands.h"
#include "commandrun.h"
#include "core/dates.h"
#include "core/messages.h"
#include "csvexportcheck.h"
#include "mortgage/mortgagegridmodel.h"
#include "mortgagewindowdriver.h"
#include "shell/grid/grid.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace tallyvane;
using namespace tallyvane::testing;

namespace {

const char* const ResultLabels[] = {"NumPmtsYear", "InDays",      "PeriodicR",   "InMonthPI",
                                    "PPpercent",   "EndMortYear", "AllPayments", "TotSavd"};

// The worked examples of the engine, reached through the window's boxes,
// lists and view option.
struct WorkedExample
{
    const char* name;
    LoanKind kind;
    const char* compounding;
    const char* paymentKind;
    bool allPayments;
    const char* payment;
    const char* periodicRate;
    const char* timeToFinal;
    const char* totalPaid;
    const char* savings;
    int lastRow;
    const char* lastInterest;
    const char* lastPrincipal;
};

class WorkedExampleTest : public MortgageWindowTest, public ::testing::WithParamInterface<WorkedExample>
{
};

TEST_P(WorkedExampleTest, CalculateShowsTheEnginesFigures)
{
    const WorkedExample& example = GetParam();
    open(example.kind);
    chooseFromList("Comperiod", QString::fromLatin1(example.compounding));
    chooseFromList("FreqPmt", QString::fromLatin1(example.paymentKind));
    if (example.allPayments)
        chooseAllPayments();
    click("MCalc");

    EXPECT_TRUE(services.messages.empty());
    EXPECT_EQ(label("InMonthPI"), example.payment);
    EXPECT_EQ(label("PeriodicR"), example.periodicRate);
    EXPECT_EQ(label("EndMortYear"), example.timeToFinal);
    EXPECT_EQ(label("AllPayments"), example.totalPaid);
    EXPECT_EQ(label("TotSavd"), example.savings);
    EXPECT_EQ(cell(example.lastRow, MortgageGridModel::Interest), example.lastInterest);
    EXPECT_EQ(cell(example.lastRow, MortgageGridModel::Principal), example.lastPrincipal);
    EXPECT_EQ(cell(example.lastRow, MortgageGridModel::Balance), ".00");
    EXPECT_TRUE(cell(example.lastRow + 1, MortgageGridModel::Balance).isEmpty());
    EXPECT_NE(values.graphPointCount, 0);
    EXPECT_EQ(grid()->currentRow(), 1);
    EXPECT_EQ(grid()->currentColumn(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    MortgageWindow, WorkedExampleTest,
    ::testing::Values(
        WorkedExample{"MonthlyMortgage", LoanKind::Mortgage, "      Monthly", "      Monthly", true,
                      "$917.53", "0.0084375", "25.00", "$275,258.20", "$.00", 300, "7.68", "909.85"},
        WorkedExample{"SemiannualCompounding", LoanKind::Mortgage, "   Semiannual", "      Monthly", true,
                      "$902.91", "0.00826484", "25.00", "$270,873.89", "$.00", 300, "7.40", "895.51"},
        WorkedExample{"BiweeklyAccelerated", LoanKind::Mortgage, "      Monthly", " Biweekly(Acc)", true,
                      "$458.76", "0.00387476", "18.54", "$220,861.40", "$54,396.79", 482, ".76", "195.33"},
        WorkedExample{"AnnualTotals", LoanKind::Mortgage, "      Monthly", "      Monthly", false, "$917.53",
                      "0.0084375", "25.00", "$275,258.20", "$.00", 25, "580.80", "10,429.52"},
        WorkedExample{"PersonalLoan", LoanKind::PersonalLoan, "      Monthly", "      Monthly", true,
                      "$508.45", "0.0084375", "48.00", "$24,405.75", "$.00", 48, "4.25", "504.20"}),
    [](const ::testing::TestParamInfo<WorkedExample>& info) { return std::string(info.param.name); });

TEST_F(MortgageWindowTest, FirstKeyInThePrincipalClearsEveryResultAtOnce)
{
    open(LoanKind::Mortgage);
    click("MCalc");
    ASSERT_EQ(label("InMonthPI"), "$917.53");

    typeInto("InPrincipal", QStringLiteral("5"));
    for (const char* name : ResultLabels)
        EXPECT_TRUE(label(name).isEmpty()) << name;
    EXPECT_EQ(child<QLabel>("Label16")->text(), " P+I includes      0.000%");
    EXPECT_TRUE(cell(1, MortgageGridModel::Payment).isEmpty());
    EXPECT_TRUE(cell(25, MortgageGridModel::CumulativePrincipal).isEmpty());
    EXPECT_EQ(cell(0, MortgageGridModel::Interest), "Interest Payment");
    EXPECT_EQ(values.graphPointCount, 0);
    EXPECT_EQ(child<QLineEdit>("InPrincipal")->text(), "5");
}

TEST_F(MortgageWindowTest, TypedFiguresAreStoredWhenCalculateIsPressedByItsAccessKey)
{
    open(LoanKind::Mortgage);
    typeInto("InPrincipal", QStringLiteral("50000"));
    QTest::keySequence(window.get(), QKeySequence(QStringLiteral("Alt+C")));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !label("InMonthPI").isEmpty(); }));
    EXPECT_EQ(label("InMonthPI"), "$458.76");
    EXPECT_EQ(child<QLineEdit>("InPrincipal")->text(), "      $50,000.00");
}

struct TermLimitCase
{
    const char* name;
    LoanKind kind;
    const char* typed;
    bool limited;
    const char* shown;
    Money stored; // years
};

class TermLimitTest : public MortgageWindowTest, public ::testing::WithParamInterface<TermLimitCase>
{
};

TEST_P(TermLimitTest, LeavingTheTermChecksItsLimit)
{
    const TermLimitCase& term = GetParam();
    open(term.kind);
    typeInto("InTerm", QString::fromLatin1(term.typed));
    pressEnter("InTerm");
    EXPECT_EQ(services.messages,
              term.limited ? std::vector<int>{Message::FortyYearsLimit} : std::vector<int>{});
    EXPECT_EQ(list("InTerm")->currentText().trimmed(), term.shown);
    EXPECT_EQ(values.inputValues.at(3), term.stored);
    EXPECT_TRUE(list("Comperiod")->hasFocus());
}

INSTANTIATE_TEST_SUITE_P(
    MortgageWindow, TermLimitTest,
    ::testing::Values(
        TermLimitCase{"Mortgage41Years", LoanKind::Mortgage, "41", true, "40", Money::fromWhole(40)},
        TermLimitCase{"Mortgage40Years", LoanKind::Mortgage, "40", false, "40", Money::fromWhole(40)},
        TermLimitCase{"Loan500Months", LoanKind::PersonalLoan, "500", true, "480", Money::fromWhole(40)},
        TermLimitCase{"Loan50Months", LoanKind::PersonalLoan, "50", false, "50", Money::fromRaw(41667)},
        TermLimitCase{"FarTooManyYears", LoanKind::Mortgage, "99999999999999999999", true, "40",
                      Money::fromWhole(40)}),
    [](const ::testing::TestParamInfo<TermLimitCase>& info) { return std::string(info.param.name); });

TEST_F(MortgageWindowTest, ListsRefuseTypingWithABeepAndMoveOnWithEnter)
{
    open(LoanKind::Mortgage);
    click("MCalc");
    typeInto("Comperiod", QStringLiteral("q"));
    EXPECT_EQ(services.beeps, 1);
    EXPECT_EQ(list("Comperiod")->currentText(), "      Monthly");
    EXPECT_TRUE(label("InMonthPI").isEmpty());
    pressEnter("Comperiod");
    EXPECT_TRUE(list("FreqPmt")->hasFocus());
    pressEnter("FreqPmt");
    EXPECT_TRUE(button("MCalc")->hasFocus());
}

TEST_F(MortgageWindowTest, RateChosenFromItsListIsStoredAndShown)
{
    open(LoanKind::Mortgage);
    chooseFromList("InRate", QStringLiteral("7 "));
    EXPECT_EQ(values.inputValues.at(2), Money::fromWhole(7));
    EXPECT_EQ(list("InRate")->currentText(), "         7.000%");
    click("MCalc");
    EXPECT_EQ(label("InMonthPI"), "$706.78");
}

TEST_F(MortgageWindowTest, ShowGraphNeedsResults)
{
    open(LoanKind::Mortgage);
    click("MGraphs");
    EXPECT_EQ(services.messageTexts, std::vector<QString>{"No data to graph. Calculate."});
    EXPECT_EQ(host.graphsShown, 0);

    click("MCalc");
    click("MGraphs");
    EXPECT_EQ(host.graphsShown, 1);
    EXPECT_EQ(values.graphSource, 4);
    EXPECT_EQ(values.graphTitle, "Mortgage balance at start of each Year");
    EXPECT_EQ(values.graphPointCount, 25);
}

TEST_F(MortgageWindowTest, QuickHelpReplacesTheGridUntilCalculate)
{
    open(LoanKind::Mortgage);
    click("MHelp");
    auto* help = child<QPlainTextEdit>("MTextBox");
    EXPECT_EQ(button("MHelp")->text(), "Close &Help");
    EXPECT_TRUE(help->isVisible());
    EXPECT_FALSE(grid()->isVisible());
    EXPECT_TRUE(help->toPlainText().contains("American = Monthly.  Canadian = Semi-Annual."));
    for (const char* name : {"MPrinter", "MSaveFile", "MGraphs"})
        EXPECT_FALSE(button(name)->isEnabled()) << name;
    QTest::keyClick(help, Qt::Key_A);
    EXPECT_EQ(services.beeps, 1);

    click("MCalc");
    EXPECT_FALSE(help->isVisible());
    EXPECT_TRUE(grid()->isVisible());
    EXPECT_EQ(button("MHelp")->text(), "Quick &Help");
    EXPECT_TRUE(button("MGraphs")->isEnabled());
    EXPECT_EQ(cell(25, MortgageGridModel::Balance), ".00");
}

TEST_F(MortgageWindowTest, TotalRowSitsOneBlankRowBelowTheTable)
{
    open(LoanKind::Mortgage);
    click("MCalc");
    for (int column = 0; column < MortgageGridModel::ColumnCount; ++column)
        EXPECT_TRUE(cell(26, column).isEmpty()) << column;
    EXPECT_EQ(cell(27, MortgageGridModel::Payment), "Total:");
    EXPECT_EQ(cell(27, MortgageGridModel::Balance), "$.00");
    EXPECT_EQ(cell(27, MortgageGridModel::CumulativeInterest), "$175,258.20");
    EXPECT_EQ(cell(27, MortgageGridModel::CumulativePrincipal), "$100,000.00");
    EXPECT_EQ(gridModel()->rows(), 29);
}

TEST_F(MortgageWindowTest, DateToggleAsksForTheFirstDateOnlyWhenSwitchingToDates)
{
    open(LoanKind::Mortgage);
    chooseAllPayments();
    whenDialogOpens([](QDialog& dialog) {
        auto* date = dialog.findChild<QLineEdit*>("InDate");
        date->setFocus();
        QTest::keyClicks(date, "2030-01-31");
        QTest::keyClick(date, Qt::Key_Return);
        clickChild(dialog, "OkExit");
    });
    click("MDateNumber");
    EXPECT_EQ(dialogsShown, std::vector<QString>{"MortDateInput"});
    EXPECT_EQ(button("MDateNumber")->text(), "&View payment No.");
    click("MCalc");
    EXPECT_EQ(cell(0, 0), " Payment  Date");
    EXPECT_EQ(cell(1, 0), shortDateText(QDate(2030, 1, 31)));
    EXPECT_EQ(cell(2, 0), shortDateText(QDate(2030, 2, 28)));

    click("MDateNumber");
    EXPECT_EQ(dialogsShown.size(), 1u);
    EXPECT_EQ(button("MDateNumber")->text(), "&View payment date");
    EXPECT_TRUE(cell(1, 0).isEmpty());
    click("MCalc");
    EXPECT_EQ(cell(1, 0), "   1       1");
}

TEST_F(MortgageWindowTest, UnreadableDateKeepsTheDateBefore)
{
    open(LoanKind::Mortgage);
    const QString before = window->state().firstPaymentDate;
    for (const char* typed : {"not a date", ""}) {
        whenDialogOpens([typed](QDialog& dialog) {
            auto* date = dialog.findChild<QLineEdit*>("InDate");
            date->setFocus();
            QTest::keyClick(date, Qt::Key_Backspace);
            QTest::keyClicks(date, typed);
            QTest::keyClick(date, Qt::Key_Return);
            QApplication::processEvents();
            EXPECT_EQ(date->text(), shortDateText(QDate(2026, 3, 15)));
            EXPECT_TRUE(date->hasFocus());
            clickChild(dialog, "OkExit");
        });
        click("MDateNumber");
        click("MDateNumber");
    }
    EXPECT_EQ(services.messageTexts, std::vector<QString>(2, QStringLiteral("Not a valid date, try again.")));
    EXPECT_EQ(window->state().firstPaymentDate, before);
}

TEST_F(MortgageWindowTest, ExportHoldsTheCalculatorsScheduleAndCtrlACopiesItWithHeadings)
{
    open(LoanKind::Mortgage);
    chooseAllPayments();
    click("MCalc");
    const QTemporaryDir folder;
    const QByteArray exported = exportByCtrlE(*window, services, folder.filePath("Mortgage.csv"));
    const auto calculated =
        cli::test::runCommand(cli::runMortgageCommand, {"--view", "all", "--format", "csv"});
    expectSameTableAsCalculator(exported, calculated.out);

    QTest::keyClick(grid(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(grid(), Qt::Key_C, Qt::ControlModifier);
    const QStringList lines = clipboardText().split(u'\n');
    ASSERT_EQ(lines.size(), gridModel()->totalRow() + 2);
    EXPECT_EQ(lines[1].section(u'\t', 3, 3), cell(1, MortgageGridModel::Balance).trimmed().remove(u','));
    EXPECT_EQ(lines[gridModel()->totalRow()].section(u'\t', 0, 3), "Total:\t\t\t0.00");
    EXPECT_TRUE(clipboardHtml().contains("<th>"));
}

} // namespace
