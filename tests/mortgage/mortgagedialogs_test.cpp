// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/messages.h"
#include "csvexportcheck.h"
#include "mortgage/mortgagegridmodel.h"
#include "mortgagewindowdriver.h"
#include "shell/greenbox.h"
#include "shell/grid/grid.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <QWheelEvent>

using namespace tallyvane;
using namespace tallyvane::testing;

namespace {

Grid* yearGrid(QDialog& dialog)
{
    return dialog.findChild<Grid*>("PGrid");
}

// Types an amount into the amount column of a year's row.
void typeAmount(QDialog& dialog, int year, const char* keys)
{
    Grid* years = yearGrid(dialog);
    years->setFocus();
    years->setCurrentCell(year, 1);
    QTest::keyClicks(years, keys);
}

void typeIncrease(QDialog& dialog, const char* percent)
{
    auto* box = dialog.findChild<GreenBox*>("InPercent");
    box->setFocus();
    QTest::keyClicks(box, percent);
    QTest::keyClick(box, Qt::Key_Return);
}

QColor indicatorColour(const MortgageCalc& window)
{
    return window.findChild<QLabel*>("AddPmtsOn")->palette().color(QPalette::Window);
}

const QColor InForce(248, 0, 0);

class AdditionalPaymentsTest : public MortgageWindowTest
{
protected:
    // Enters 1,000.00 in year 2 and a 5 % increase, then OK.
    void enterPrepayments()
    {
        whenDialogOpens([](QDialog& dialog) {
            typeAmount(dialog, 2, "1000");
            typeIncrease(dialog, "5");
            clickChild(dialog, "UsePrePay");
        });
        click("MAddPrePay");
        ASSERT_EQ(indicatorColour(*window), InForce);
    }
};

TEST_F(AdditionalPaymentsTest, AmountTakesTwoDecimalsAtMost)
{
    open(LoanKind::Mortgage);
    whenDialogOpens([this](QDialog& dialog) {
        typeAmount(dialog, 1, "12.501");
        EXPECT_EQ(yearGrid(dialog)->gridModel()->text(1, 1), "12.50");
        EXPECT_EQ(services.beeps, 1);
        typeAmount(dialog, 3, "4x");
        EXPECT_EQ(services.beeps, 2);
        QTest::keyClick(yearGrid(dialog), Qt::Key_Backspace);
        EXPECT_EQ(yearGrid(dialog)->gridModel()->text(3, 1), ".00");
        clickChild(dialog, "UsePrePay");
    });
    click("MAddPrePay");
    EXPECT_EQ(window->state().additionalPayments.amount(1), Money::fromRaw(125000));
    EXPECT_EQ(window->state().additionalPayments.amount(3), Money());
    EXPECT_EQ(window->state().additionalCount, 1);
}

TEST_F(AdditionalPaymentsTest, GridOffersOneRowPerYearOfTheTerm)
{
    open(LoanKind::Mortgage);
    whenDialogOpens([](QDialog& dialog) {
        const GridModel* years = yearGrid(dialog)->gridModel();
        EXPECT_EQ(years->rows(), 26);
        EXPECT_EQ(years->text(0, 0), "Year Number");
        EXPECT_EQ(years->text(25, 0), "25");
        EXPECT_EQ(years->text(25, 1), ".00");
    });
    click("MAddPrePay");

    open(LoanKind::PersonalLoan);
    typeInto("InTerm", QStringLiteral("50"));
    pressEnter("InTerm");
    whenDialogOpens([](QDialog& dialog) {
        const GridModel* years = yearGrid(dialog)->gridModel();
        EXPECT_EQ(years->rows(), 20);
        EXPECT_EQ(years->text(4, 0), "4");
        EXPECT_TRUE(years->text(5, 0).isEmpty());
    });
    click("MAddPrePay");
}

TEST_F(AdditionalPaymentsTest, IncreaseAboveHundredPercentIsLimited)
{
    open(LoanKind::Mortgage);
    whenDialogOpens([](QDialog& dialog) {
        typeIncrease(dialog, "150");
        EXPECT_EQ(dialog.findChild<GreenBox*>("InPercent")->text(), "  100.000%");
        clickChild(dialog, "UsePrePay");
    });
    click("MAddPrePay");
    EXPECT_EQ(services.messageTexts, std::vector<QString>{"100% limit."});
    EXPECT_EQ(window->state().paymentIncrease, 1.0f);
}

TEST_F(AdditionalPaymentsTest, IncreaseAloneLightsTheIndicatorButListsNoPayments)
{
    open(LoanKind::Mortgage);
    whenDialogOpens([](QDialog& dialog) {
        typeIncrease(dialog, "10");
        clickChild(dialog, "UsePrePay");
    });
    click("MAddPrePay");
    EXPECT_EQ(indicatorColour(*window), InForce);
    EXPECT_EQ(window->state().additionalCount, 0);
    click("MCalc");
    EXPECT_EQ(child<QLabel>("Label16")->text(), " P+I includes     10.000%");
    EXPECT_EQ(label("PPpercent"), "$91.75");
    EXPECT_EQ(gridModel()->rows(), 23);
    EXPECT_TRUE(cell(gridModel()->totalRow() + 2, 0).isEmpty());
}

TEST_F(AdditionalPaymentsTest, AppliedPaymentsAreListedBelowTheTotal)
{
    open(LoanKind::Mortgage);
    enterPrepayments();
    click("MCalc");
    const int total = gridModel()->totalRow();
    EXPECT_EQ(cell(total, 0), "Total:");
    EXPECT_EQ(cell(total + 2, 0), "Additional ");
    EXPECT_EQ(cell(total + 2, 2), "Applied  ");
    EXPECT_EQ(cell(total + 4, 0), "Year    2");
    EXPECT_EQ(cell(total + 4, 2), "1,000.00");
    EXPECT_EQ(cell(13, MortgageGridModel::Principal).isEmpty(), false);
}

TEST_F(AdditionalPaymentsTest, TermChosenFromTheListErasesThemButATypedTermDoesNot)
{
    open(LoanKind::Mortgage);
    enterPrepayments();
    QWheelEvent wheel(QPointF(5, 5), list("InTerm")->mapToGlobal(QPointF(5, 5)), {}, QPoint(0, -120),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(list("InTerm"), &wheel);
    EXPECT_EQ(list("InTerm")->currentText().trimmed(), "25");
    typeInto("InTerm", QStringLiteral("30"));
    pressEnter("InTerm");
    EXPECT_EQ(window->state().additionalCount, 1);
    EXPECT_EQ(indicatorColour(*window), InForce);

    chooseFromList("InTerm", QStringLiteral("30"));
    EXPECT_EQ(window->state().additionalCount, 0);
    EXPECT_EQ(window->state().additionalPayments.amount(2), Money());
    EXPECT_EQ(window->state().paymentIncrease, 0.0f);
    EXPECT_EQ(indicatorColour(*window), QApplication::palette().color(QPalette::Button));
    EXPECT_EQ(values.inputValues.at(3), Money::fromWhole(30));
}

TEST_F(AdditionalPaymentsTest, EraseAllClearsAmountsAndIncreaseAndStaysOpen)
{
    open(LoanKind::Mortgage);
    enterPrepayments();
    whenDialogOpens([](QDialog& dialog) {
        EXPECT_EQ(yearGrid(dialog)->gridModel()->text(2, 1), "1,000.00");
        EXPECT_EQ(dialog.findChild<GreenBox*>("InPercent")->text(), "    5.000%");
        clickChild(dialog, "DoNotUse");
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(yearGrid(dialog)->gridModel()->text(2, 1), ".00");
        EXPECT_EQ(dialog.findChild<GreenBox*>("InPercent")->text(), "    0.000%");
    });
    click("MAddPrePay");
    EXPECT_FALSE(prepaymentsInForce(window->state()));
}

TEST_F(AdditionalPaymentsTest, ClosingWithoutOkStillCountsTheAmounts)
{
    open(LoanKind::Mortgage);
    whenDialogOpens([](QDialog& dialog) { typeAmount(dialog, 3, "500"); });
    click("MAddPrePay");
    EXPECT_EQ(window->state().additionalCount, 1);
    EXPECT_EQ(indicatorColour(*window), InForce);
}

TEST_F(MortgageWindowTest, DaysInYearSetTheRateOfWeeklyPaymentsOnly)
{
    open(LoanKind::Mortgage);
    const auto chooseDays = [this](const char* option) {
        whenDialogOpens([option](QDialog& dialog) {
            clickChild(dialog, option);
            clickChild(dialog, "ExitMort");
        });
        click("MShowIRF");
        click("MCalc");
    };
    chooseDays("IRFactor3");
    EXPECT_EQ(label("InDays"), "Normal");
    EXPECT_EQ(label("PeriodicR"), "0.0084375");

    chooseFromList("FreqPmt", QStringLiteral("      2 Weeks"));
    chooseDays("IRFactor2");
    EXPECT_EQ(label("InDays"), "364");
    EXPECT_EQ(label("PeriodicR"), "0.00388542"); // exactly 26 periods a year
    chooseDays("IRFactor0");
    EXPECT_EQ(label("InDays"), "365.25");
    EXPECT_EQ(label("PeriodicR"), "0.0038721");
}

// The date and increase boxes leave the clipboard alone; the years copy as figures.
TEST_F(AdditionalPaymentsTest, ClipboardOutlivesTheDialogBoxesAndTheYearsCopyAsFigures)
{
    open(LoanKind::Mortgage);
    QApplication::clipboard()->setText("copied elsewhere");
    whenDialogOpens(
        [](QDialog& dialog) { QTest::mouseClick(dialog.findChild<QLineEdit*>("InDate"), Qt::LeftButton); });
    click("MDateNumber");
    whenDialogOpens([](QDialog& dialog) {
        typeAmount(dialog, 2, "1234.5");
        typeIncrease(dialog, "5");
        EXPECT_EQ(clipboardText(), "copied elsewhere");
        copyBlock(*yearGrid(dialog), 1, 0, 2, 1);
    });
    click("MAddPrePay");
    EXPECT_EQ(clipboardText(), "1\t0.00\n2\t1234.50\n");
    EXPECT_TRUE(clipboardHtml().contains("<tr><td>2</td><td>1234.50</td></tr>"));
}

} // namespace
