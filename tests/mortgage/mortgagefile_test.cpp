#include "amortizationtestinput.h"
#include "printers.h"

#include "core/dates.h"
#include "core/fieldreader.h"
#include "mortgage/amortizationengine.h"
#include "mortgage/mortgagefile.h"
#include "mortgage/resulttablelayout.h"

#include <QLocale>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace tallyvane {
namespace {

using test::money;

// A 50-month loan with one additional payment, as the window would save it
// after the payments dialog was opened for its four years.
MortgagePlan smallLoan()
{
    MortgagePlan plan;
    plan.loanKind = LoanKind::PersonalLoan;
    plan.principal = money("20000");
    plan.annualRatePercent = money("7.5");
    plan.termYears = Money::fromWhole(50) / Money::fromWhole(12);
    plan.compounding = Compounding::Semiannual;
    plan.paymentKind = PaymentKind::BiweeklyAccelerated;
    plan.view = AmortizationView::AllPayments;
    MortgageWindowState& choices = plan.choices;
    choices.showDates = true;
    choices.firstPaymentDate = QStringLiteral("2024-01-31");
    choices.daysInYearChoice = 2;
    choices.paymentIncrease = 0.05f;
    choices.additionalPayments.setAmount(2, money("1500.5"));
    choices.additionalCount = 1;
    choices.yearRows = 4;
    return plan;
}

const QByteArray SmallLoanFile = "20000,7.5,4.1667,\"   Semiannual\",\" Biweekly(Acc)\",\"2024-01-31\","
                                 "1,2,2,4,1,2,364,\"O\",0.05\r\n"
                                 "0,0\r\n2,1500.5\r\n0,0\r\n0,0\r\n";

TEST(MortgageFile, WritesTheFirstRecordThenOneRecordPerYearRow)
{
    EXPECT_EQ(mortgageFileContent(smallLoan()), SmallLoanFile);
}

struct RoundTripCase
{
    const char* name;
    std::function<MortgagePlan()> plan;
};

class MortgageFileRoundTrip : public testing::TestWithParam<RoundTripCase>
{
};

TEST_P(MortgageFileRoundTrip, ReopensToTheSameTable)
{
    const MortgagePlan saved = GetParam().plan();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Plan.UMD"));
    writeMortgageFile(path, saved);
    const MortgagePlan opened = readMortgageFile(path);
    EXPECT_EQ(mortgageFileContent(opened), mortgageFileContent(saved));

    const AmortizationResult before = AmortizationEngine().calculate(amortizationInput(saved));
    const AmortizationResult after = AmortizationEngine().calculate(amortizationInput(opened));
    EXPECT_EQ(after.showsDates, saved.choices.showDates);
    EXPECT_EQ(after.summary.totalPaid, before.summary.totalPaid);
    if (saved.choices.showDates) {
        EXPECT_EQ(after.resultTable.at(1, DateColumn), Money::fromWhole(QDate(2024, 1, 31).toJulianDay()));
    }
}

MortgagePlan datedMortgage()
{
    MortgagePlan plan;
    plan.principal = money("100000");
    plan.annualRatePercent = money("10.125");
    plan.termYears = money("25");
    plan.paymentKind = PaymentKind::TwoWeeks;
    plan.view = AmortizationView::AllPayments;
    plan.choices.showDates = true;
    plan.choices.firstPaymentDate = shortDateText(QDate(2024, 1, 31));
    plan.choices.daysInYearChoice = 0;
    plan.choices.paymentIncrease = 0.025f;
    plan.choices.additionalPayments.setAmount(3, money("5000"));
    plan.choices.additionalPayments.setAmount(7, money("250.25"));
    plan.choices.additionalCount = 2;
    plan.choices.yearRows = 25;
    return plan;
}

MortgagePlan smallLoanInThisLocale()
{
    MortgagePlan plan = smallLoan();
    plan.choices.firstPaymentDate = shortDateText(QDate(2024, 1, 31));
    return plan;
}

// Every row of the additional-payment table in use, the largest increase.
MortgagePlan fullTable()
{
    MortgagePlan plan = datedMortgage();
    plan.termYears = money("40");
    plan.view = AmortizationView::AnnualTotals;
    plan.choices.showDates = false;
    plan.choices.paymentIncrease = 1.0f;
    for (int year = 1; year <= AdditionalPaymentTable::LastYear; ++year)
        plan.choices.additionalPayments.setAmount(year, money("999.9999") * Money::fromWhole(year));
    plan.choices.yearRows = AdditionalPaymentTable::LastYear;
    plan.choices.additionalCount = AdditionalPaymentTable::LastYear;
    return plan;
}

INSTANTIATE_TEST_SUITE_P(Mortgage, MortgageFileRoundTrip,
                         testing::Values(RoundTripCase{"DatedMortgageWithPrepayments", datedMortgage},
                                         RoundTripCase{"FiftyMonthLoan", smallLoanInThisLocale},
                                         RoundTripCase{"FullAdditionalPaymentTable", fullTable}),
                         [](const auto& info) { return std::string(info.param.name); });

// A file saved under any locale opens under every other; one in the short
// form of earlier versions opens in the locale it was saved under.
TEST(MortgageFileDates, OpenUnderEveryLocaleWithTheSameSchedule)
{
    const QLocale locales[] = {QLocale(QLocale::German, QLocale::Germany), QLocale(QLocale::English),
                               QLocale::c()};
    const QDate first(2027, 3, 15);
    const auto firstDate = [](const QByteArray& file) {
        return amortizationInput(parseMortgageFile(file)).firstPaymentDate;
    };
    for (const QLocale& saving : locales) {
        QLocale::setDefault(saving);
        MortgagePlan plan = datedMortgage();
        plan.choices.firstPaymentDate = shortDateText(first);
        const QByteArray file = mortgageFileContent(plan);
        ASSERT_TRUE(file.contains(",\"2027-03-15\","));
        EXPECT_EQ(firstDate(QByteArray(file).replace("2027-03-15", plan.choices.firstPaymentDate.toUtf8())),
                  first);
        for (const QLocale& opening : locales) {
            QLocale::setDefault(opening);
            EXPECT_EQ(firstDate(file), first) << saving.name().toStdString() << opening.name().toStdString();
        }
    }
    QLocale::setDefault(QLocale::system());
}

TEST(MortgageFile, FiftyMonthLoanComesBackAsFiftyMonths)
{
    const MortgagePlan opened = parseMortgageFile(SmallLoanFile);
    EXPECT_EQ(opened.termYears, money("4.1667"));
    // The loan window shows the term as whole months.
    EXPECT_EQ(std::lround(opened.termYears.toDouble() * 12), 50);
}

QByteArray withField(int index, const QByteArray& field)
{
    QList<QByteArray> fields = SmallLoanFile.split(',');
    fields[index] = field;
    return fields.join(',');
}

TEST(MortgageFile, DaysComeFromTheChoiceAndFourMeansTheLongestYear)
{
    // The file still says 364 days, which the choice overrules.
    const MortgagePlan opened = parseMortgageFile(withField(7, "4"));
    EXPECT_EQ(opened.choices.daysInYearChoice, 0);
    EXPECT_EQ(daysInYear(opened.choices.daysInYearChoice).days, 365.25f);
}

struct MalformedCase
{
    const char* name;
    QByteArray content;
};

class MortgageMalformedFile : public testing::TestWithParam<MalformedCase>
{
};

TEST_P(MortgageMalformedFile, IsRefusedAsAWhole)
{
    EXPECT_THROW(parseMortgageFile(GetParam().content), FileFormatError);
}

INSTANTIATE_TEST_SUITE_P(
    Mortgage, MortgageMalformedFile,
    testing::Values(MalformedCase{"Empty", ""}, MalformedCase{"CutInTheFirstRecord", SmallLoanFile.left(40)},
                    MalformedCase{"CutInTheYearRows", SmallLoanFile.left(SmallLoanFile.size() - 12)},
                    MalformedCase{"TextForThePrincipal", withField(0, "\"20000\"")},
                    MalformedCase{"UnknownCompounding", withField(3, "\"Semiannual\"")},
                    MalformedCase{"UnknownPaymentKind", withField(4, "\" Fortnightly\"")},
                    MalformedCase{"UnreadableDate", withField(5, "\"someday\"")},
                    MalformedCase{"DaysChoiceFive", withField(7, "5")},
                    MalformedCase{"YearRowsBeyondTheTable", withField(9, "46")},
                    MalformedCase{"YearRowsNegative", withField(9, "-1")},
                    MalformedCase{"CountAboveYearRows", withField(10, "5")},
                    MalformedCase{"ModeThree", withField(11, "3")},
                    MalformedCase{"IncreaseAboveAll", withField(14, "1.5\r\n0")},
                    MalformedCase{"TextInAYearRow",
                                  QByteArray(SmallLoanFile).replace("2,1500.5", "2,\"x\"")}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace tallyvane
