// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/messages.h"
#include "core/numberformat.h"
#include "mortgage/mortgagefile.h"
#include "mortgagewindowdriver.h"
#include "shell/dialogs/filechooser.h"

#include <QAbstractItemModel>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

using namespace tallyvane;
using namespace tallyvane::testing;

namespace {

class ComparisonWindowTest : public MortgageWindowTest
{
protected:
    QTableView* table() const { return child<QTableView>("ComparisonTable"); }
    bool panelShown() const { return child<QWidget>("ComparisonPanel")->isVisibleTo(window.get()); }

    // The texts of one compared figure: caption, A, B and B - A.
    QStringList figure(int row) const
    {
        QStringList texts;
        for (int column = 0; column < 4; ++column)
            texts << table()->model()->index(row, column).data().toString();
        return texts;
    }

    void calculateWithTerm(const char* term)
    {
        typeInto("InTerm", QString::fromLatin1(term));
        pressEnter("InTerm");
        click("MCalc");
    }

    // Types the year into the goal dialog and presses Find; the outcome shown.
    void aimFor(const char* year, QString* outcome)
    {
        whenDialogOpens([year, outcome](QDialog& dialog) {
            auto* box = dialog.findChild<QLineEdit*>("InGoalYear");
            box->selectAll();
            QTest::keyClicks(box, QString::fromLatin1(year));
            clickChild(dialog, "GoalFind");
            *outcome = dialog.findChild<QLabel*>("GoalOutcome")->text();
        });
        click("MGoal");
    }
};

TEST_F(ComparisonWindowTest, KeptOfferIsComparedWithEveryLaterCalculationUntilCleared)
{
    open(LoanKind::Mortgage);
    click("MKeepOffer");
    EXPECT_EQ(services.messages, std::vector<int>{Message::NoDataToPrint});
    EXPECT_FALSE(panelShown());

    click("MCalc");
    click("MKeepOffer");
    EXPECT_TRUE(panelShown());
    calculateWithTerm("20");
    const QString totalB = label("AllPayments");
    EXPECT_EQ(figure(0),
              QStringList({"Principal + Interest payment", "$917.53", label("InMonthPI"), figure(0)[3]}));
    EXPECT_TRUE(figure(0)[3].startsWith("+$"));
    EXPECT_EQ(figure(3), QStringList({"No. of years to final payment", "25.00", "20.00", "-5.00"}));
    EXPECT_EQ(figure(4)[1], "$275,258.20");
    EXPECT_EQ(figure(4)[2], totalB);
    EXPECT_EQ(child<QLabel>("ComparisonVerdict")->text(), "B costs " + figure(4)[3].mid(1) + " less");
    EXPECT_FALSE(table()->accessibleName().isEmpty());
    EXPECT_NE(table()->focusPolicy(), Qt::NoFocus);

    services.printHeaders.push_back(QStringLiteral("Two offers"));
    click("MPrinter");
    ASSERT_EQ(services.previews.size(), 1u);
    EXPECT_TRUE(services.previews.front().contains("Comparison of Two Offers"));

    click("MClearComparison");
    EXPECT_FALSE(panelShown());
    services.printHeaders.push_back(QStringLiteral("One offer"));
    click("MPrinter");
    EXPECT_FALSE(services.previews.back().contains("Comparison of Two Offers"));
}

TEST_F(ComparisonWindowTest, ComparesWithASavedFileOfTheOtherKind)
{
    QTemporaryDir folder;
    MortgagePlan loan;
    loan.loanKind = LoanKind::PersonalLoan;
    loan.principal = Money::fromWhole(20000);
    loan.annualRatePercent = *Money::fromDecimalText("10.125");
    loan.termYears = Money::fromWhole(4);
    const QString path = folder.filePath("CAR.ULD");
    writeMortgageFile(path, loan);

    open(LoanKind::Mortgage);
    services.filePicks.push_back(path);
    click("MCompareFile");
    EXPECT_EQ(services.fileRequests, std::vector<int>{FileRequestMode::OpenMortgageOrLoan});
    EXPECT_TRUE(panelShown());
    EXPECT_EQ(table()->model()->headerData(1, Qt::Horizontal).toString(), "Offer A (CAR.ULD)");
    click("MCalc");
    EXPECT_EQ(figure(0)[1], "$508.45");
    EXPECT_EQ(figure(2)[1], "48");
    EXPECT_EQ(figure(3)[1], "4.00");
    EXPECT_EQ(figure(4)[1], "$24,405.75");
    EXPECT_TRUE(child<QLabel>("ComparisonVerdict")->text().startsWith("A costs $"));
}

TEST_F(ComparisonWindowTest, GoalFillsTheAdditionalPaymentsOrNamesTheNearestYear)
{
    open(LoanKind::Mortgage);
    QString outcome;
    aimFor("0", &outcome);
    EXPECT_EQ(services.messages, std::vector<int>{Message::GoalOutOfReach});
    EXPECT_EQ(services.messageTexts.back(), outcome);
    EXPECT_TRUE(outcome.endsWith("the nearest year within reach is 1."));
    EXPECT_EQ(window->state().additionalCount, 0);

    aimFor("15", &outcome);
    EXPECT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(window->state().additionalCount, 25);
    const Money yearly = window->state().additionalPayments.amount(1);
    EXPECT_EQ(window->state().additionalPayments.amount(25), yearly);
    EXPECT_TRUE(outcome.startsWith("Additional payment each year from year 1: $" +
                                   formatMoney(yearly, u"####,,##0.00")));
    EXPECT_LE(label("EndMortYear").toDouble(), 15.0);
    EXPECT_TRUE(outcome.contains("Years to the final payment: " + label("EndMortYear")));
    EXPECT_TRUE(outcome.endsWith("Total interest savings: " + label("TotSavd")));
}

} // namespace
