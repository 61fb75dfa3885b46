// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/calccommands.h"
#include "commandrun.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <sstream>
#include <string>
#include <vector>

namespace tallyvane::cli {
namespace {

using test::CommandRun;

CommandRun run(const QStringList& arguments)
{
    return test::runCommand(runCalc, arguments);
}

QJsonObject runJson(const QStringList& arguments)
{
    const CommandRun outcome = run(arguments + QStringList{"--format", "json"});
    EXPECT_EQ(outcome.status, 0) << outcome.err;
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(QByteArray::fromStdString(outcome.out), &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << outcome.out;
    return document.object();
}

double cents(const QJsonValue& value)
{
    return std::round(value.toDouble() * 100.0) / 100.0;
}

TEST(MortgageCommand, AllPaymentsAsJson)
{
    const QJsonObject json =
        runJson({"mortgage", "--principal", "100000", "--rate", "10.125", "--term", "25", "--view", "all"});
    const QJsonObject summary = json["summary"].toObject();
    const QJsonArray rows = json["rows"].toArray();
    EXPECT_EQ(cents(summary["payment"]), 917.53);
    EXPECT_EQ(cents(summary["totalPaid"]), 275258.20);
    EXPECT_EQ(summary["lastRow"].toInt(), 300);
    EXPECT_EQ(summary["yearsToFinal"].toDouble(), 25.0);
    EXPECT_EQ(summary["daysShown"].toString(), "Normal");
    EXPECT_EQ(summary["periodicRate"].toDouble(), 0.0084375);
    EXPECT_FALSE(summary.contains("monthsToFinal"));
    ASSERT_EQ(rows.size(), 300);
    EXPECT_EQ(rows[12].toObject()["row"].toInt(), 13);
    EXPECT_EQ(rows[12].toObject()["year"].toInt(), 2);
    EXPECT_TRUE(rows[12].toObject()["date"].isNull());
    EXPECT_EQ(rows[299].toObject()["balance"].toDouble(), 0.0);
    EXPECT_EQ(rows[299].toObject()["cumulativePrincipal"].toDouble(), 100000.0);
}

TEST(MortgageCommand, MoneyKeepsFourDecimalsInJson)
{
    const CommandRun outcome = run({"mortgage", "--view", "all", "--format", "json"});
    EXPECT_NE(outcome.out.find("\"payment\": 917.5273,"), std::string::npos);
    EXPECT_NE(outcome.out.find("\"interest\": 843.7500,"), std::string::npos);
    EXPECT_NE(outcome.out.find("\"periodicRate\": 0.0084375,"), std::string::npos);
}

TEST(MortgageCommand, AnnualViewWithDates)
{
    const QJsonObject json = runJson({"mortgage", "--first-date", "2024-01-31", "--payment", "biweekly-acc"});
    const QJsonArray rows = json["rows"].toArray();
    ASSERT_EQ(rows.size(), 19);
    EXPECT_EQ(rows[1].toObject()["row"].toInt(), 2);
    EXPECT_EQ(rows[1].toObject()["date"].toString(), "2025-01-31");
    EXPECT_TRUE(rows[1].toObject()["year"].isNull());
    EXPECT_EQ(cents(json["summary"].toObject()["interestSavings"]), 54396.79);
    EXPECT_EQ(json["summary"].toObject()["yearsToFinal"].toDouble(), 18.538462);
}

TEST(LoanCommand, MonthsAndLoanDefaults)
{
    const QJsonObject json = runJson({"loan", "--term", "50", "--view", "all", "--first-date", "2024-03-15"});
    const QJsonObject summary = json["summary"].toObject();
    const QJsonArray rows = json["rows"].toArray();
    EXPECT_EQ(summary["monthsToFinal"].toDouble(), 50.0);
    EXPECT_FALSE(summary.contains("yearsToFinal"));
    ASSERT_EQ(rows.size(), 50);
    EXPECT_EQ(rows[49].toObject()["cumulativePrincipal"].toDouble(), 20000.0);
    EXPECT_EQ(rows[1].toObject()["date"].toString(), "2024-04-15");
}

TEST(MortgageCommand, ExtrasAndIncreaseReachTheSchedule)
{
    const QJsonObject json =
        runJson({"mortgage", "--extra", "2=5000", "--extra", "3=99000", "--increase", "5"});
    const QJsonObject summary = json["summary"].toObject();
    EXPECT_EQ(summary["additionalApplied"].toInt(), 1);
    EXPECT_EQ(summary["listing"].toString(),
              "Additional  Payments     Applied\r\n\r\n Year     2              5,000.00\r\n");
    EXPECT_NEAR(summary["increaseAmount"].toDouble(), 917.5273 * 0.05, 0.0001);
}

TEST(MortgageCommand, CsvHasOneLinePerRow)
{
    const CommandRun outcome = run({"mortgage", "--view", "all", "--payment", "semimonthly", "--format",
                                    "csv", "--first-date", "2024-01-10"});
    ASSERT_EQ(outcome.status, 0) << outcome.err;
    std::istringstream lines(outcome.out);
    std::vector<std::string> rows;
    for (std::string line; std::getline(lines, line);)
        rows.push_back(line);
    ASSERT_GT(rows.size(), 4u);
    EXPECT_EQ(rows[0], "row,year,date,interest,principal,balance,cumulativeInterest,cumulativePrincipal");
    EXPECT_EQ(rows[2].substr(0, 15), "2,,2024-01-24,4");
    EXPECT_EQ(rows[4].substr(0, 15), "4,,2024-02-24,4");
}

TEST(MortgageCommand, TextShowsSummaryAndTable)
{
    const CommandRun outcome = run({"mortgage", "--view", "all"});
    ASSERT_EQ(outcome.status, 0) << outcome.err;
    for (const char* expected : {"Mortgage Tables", "Principal + Interest payment.", "917.53", "275,258.20",
                                 "  Payment   No.  Year", "Cumulative Principal", " 300      25", "Total:"})
        EXPECT_NE(outcome.out.find(expected), std::string::npos) << expected << "\n" << outcome.out;
}

TEST(LoanCommand, SavedFileOpensToTheSameScheduleAndOptionsOverrideIt)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Car.ULD"));
    const QStringList loan{"loan",          "--term",     "50",       "--payment", "biweekly-acc",
                           "--days",        "364",        "--view",   "all",       "--first-date",
                           "2024-03-15",    "--increase", "5",        "--extra",   "2=500",
                           "--compounding", "semiannual", "--format", "json"};
    const CommandRun saved = run(loan + QStringList{"--save", path});
    ASSERT_EQ(saved.status, 0) << saved.err;

    // The file's own kind is used whichever command opens it.
    const CommandRun opened = run({"mortgage", "--open", path, "--format", "json"});
    EXPECT_EQ(opened.out, saved.out);

    const CommandRun longer = run({"mortgage", "--open", path, "--term", "60", "--format", "json"});
    EXPECT_EQ(longer.out, run(loan + QStringList{"--term", "60"}).out);
    EXPECT_NE(longer.out, saved.out);
}

TEST(MortgageCommand, SavedDefaultsOpenToTheSameSchedule)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("x.UMD"));
    const QStringList mortgage{"mortgage", "--principal", "100000", "--rate", "10.125", "--term", "25"};
    const CommandRun saved = run(mortgage + QStringList{"--save", path, "--format", "json"});
    ASSERT_EQ(saved.status, 0) << saved.err;
    const CommandRun opened = run({"mortgage", "--open", path, "--format", "json"});
    ASSERT_EQ(opened.status, 0) << opened.err;
    EXPECT_EQ(opened.out, saved.out);
}

TEST(LoanCommand, ReportFormatWritesThePrintoutWithHeaderAndFont)
{
    const CommandRun outcome =
        run({"loan", "--view", "all", "--format", "report", "--header", "Smith family", "--font", "3"});
    ASSERT_EQ(outcome.status, 0) << outcome.err;
    EXPECT_EQ(outcome.out.substr(0, 68),
              "\n Smith family\n\n                                Personal Loan Table\n");
    EXPECT_EQ(std::count(outcome.out.begin(), outcome.out.end(), '\f'), 1); // 27 of 48 rows on page 1
    EXPECT_EQ(outcome.out.find("Personal Loan Tables"), std::string::npos);
}

struct CommandCase
{
    const char* name;
    QStringList arguments;
    int exitCode;
    std::string inErr;
};

class AmortizationCommandExit : public testing::TestWithParam<CommandCase>
{
};

TEST_P(AmortizationCommandExit, ReportsOnStandardError)
{
    const CommandCase& c = GetParam();
    const CommandRun outcome = run(c.arguments);
    EXPECT_EQ(outcome.status, c.exitCode);
    EXPECT_NE(outcome.err.find(c.inErr), std::string::npos) << outcome.err;
    // Every refusal reads alike, whatever the command.
    EXPECT_EQ(outcome.err.rfind("tallyvane-calc: ", 0), 0u) << outcome.err;
    EXPECT_EQ(outcome.out, "");
}

INSTANTIATE_TEST_SUITE_P(
    Amortization, AmortizationCommandExit,
    testing::Values(
        CommandCase{
            "MortgageOverFortyYears", {"mortgage", "--term", "41"}, 1, "Wrong entry, 40 Years limit.\n"},
        CommandCase{"LoanOver480Months", {"loan", "--term", "481"}, 1, "Wrong entry, 40 Years limit.\n"},
        CommandCase{"ZeroRate", {"mortgage", "--rate", "0"}, 1, "Wrong or missing entry, try again.\n"},
        CommandCase{"ZeroTerm", {"loan", "--term", "0"}, 1, "Wrong or missing entry, try again.\n"},
        CommandCase{"UnknownOption", {"mortgage", "--years", "5"}, 2, "unknown option --years"},
        CommandCase{"UnknownPaymentKind", {"mortgage", "--payment", "fortnightly"}, 2, "--payment takes"},
        CommandCase{"FractionalTerm", {"loan", "--term", "2.5"}, 2, "--term needs a whole number"},
        CommandCase{"ImpossibleDate", {"mortgage", "--first-date", "2024-02-30"}, 2, "--first-date"},
        CommandCase{
            "IncreaseAbove100", {"mortgage", "--increase", "150"}, 1, "tallyvane-calc: 100% limit.\n"},
        CommandCase{"NegativePrincipal", {"mortgage", "--principal", "-100"}, 1, "Wrong or missing entry"},
        CommandCase{"PrincipalBeyondMoney",
                    {"loan", "--principal", "99999999999999999999"},
                    1,
                    "tallyvane-calc: Wrong or missing entry, try again.\n"},
        CommandCase{"ChartOfAnotherKind", {"mortgage", "--chart", "m.svg"}, 2, "--chart needs"},
        CommandCase{"GreyWithoutChart", {"loan", "--grey"}, 2, "--grey need"},
        CommandCase{"ChartWithoutGuiApplication", {"mortgage", "--chart", "m.png"}, 1, "GUI application"},
        CommandCase{"ExtraBeyondTheTable", {"mortgage", "--extra", "46=100"}, 2, "--extra"},
        CommandCase{"ExtraWithoutAmount", {"mortgage", "--extra", "2"}, 2, "--extra"},
        CommandCase{"NegativeExtra", {"mortgage", "--extra", "2=-5"}, 1, "Wrong or missing entry"},
        CommandCase{"StrayWord", {"loan", "plenty"}, 2, "unexpected argument"},
        CommandCase{"OpenMissingFile",
                    {"mortgage", "--open", "/nonexistent/folder/Home.UMD"},
                    1,
                    "File not found or wrong format. Check Filename and/or Directory.\n"},
        CommandCase{"SaveIntoMissingFolder",
                    {"loan", "--save", "/nonexistent/folder/Car.ULD"},
                    1,
                    "tallyvane-calc: Bad Filename. Must be in the form MYFILE.ULD: The folder no longer exists.\n"},
        CommandCase{"FontOutOfRange", {"mortgage", "--font", "4"}, 2, "--font takes"},
        CommandCase{"PrintWithoutFile", {"mortgage", "--print="}, 2, "--print needs a file name"},
        CommandCase{"PdfWithoutGuiApplication", {"mortgage", "--print", "m.pdf"}, 1, "GUI application"}),
    [](const testing::TestParamInfo<CommandCase>& info) { return info.param.name; });

// The amount found, paid as --extra in every year of the term, ends the loan
// by the year asked, and one cent less does not.
TEST(MortgageCommand, GoalYearIsTheSmallestAmountThatReachesIt)
{
    const QStringList mortgage{"mortgage", "--principal", "100000", "--rate", "10.125", "--term", "25"};
    const QJsonObject json = runJson(mortgage + QStringList{"--goal-year", "15"});
    const QJsonObject goal = json["goal"].toObject();
    EXPECT_EQ(goal["year"].toInt(), 15);
    EXPECT_LE(goal["yearsToFinal"].toDouble(), 15.0);
    EXPECT_EQ(goal["yearsToFinal"].toDouble(), json["summary"].toObject()["yearsToFinal"].toDouble());
    EXPECT_EQ(goal["interestSavings"].toDouble(), json["summary"].toObject()["interestSavings"].toDouble());
    const double yearly = goal["yearlyAdditional"].toDouble();
    ASSERT_GT(yearly, 0.0);
    const auto yearsWith = [&](double amount) {
        QStringList extras;
        for (int year = 1; year <= 25; ++year)
            extras << "--extra" << QStringLiteral("%1=%2").arg(year).arg(amount, 0, 'f', 2);
        return runJson(mortgage + extras)["summary"].toObject()["yearsToFinal"].toDouble();
    };
    EXPECT_LE(yearsWith(yearly), 15.0);
    EXPECT_GT(yearsWith(yearly - 0.01), 15.0);

    const CommandRun refused = run(mortgage + QStringList{"--goal-year", "0"});
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.err.find("the nearest year within reach is 1."), std::string::npos) << refused.err;
}

TEST(CompareCommand, ComparesTwoSavedFilesOfEitherKind)
{
    QTemporaryDir dir;
    const QString mortgage = dir.filePath(QStringLiteral("Long.UMD"));
    const QString shorter = dir.filePath(QStringLiteral("Short.UMD"));
    const QString loan = dir.filePath(QStringLiteral("Car.ULD"));
    ASSERT_EQ(run({"mortgage", "--save", mortgage}).status, 0);
    ASSERT_EQ(run({"mortgage", "--term", "20", "--save", shorter}).status, 0);
    ASSERT_EQ(run({"loan", "--save", loan}).status, 0);

    const QJsonObject json = runJson({"compare", mortgage, shorter});
    const QJsonObject a = json["a"].toObject();
    const QJsonObject b = json["b"].toObject();
    EXPECT_EQ(cents(a["totalPaid"]), 275258.20);
    EXPECT_EQ(b["totalPaid"].toDouble(),
              runJson({"mortgage", "--term", "20"})["summary"].toObject()["totalPaid"].toDouble());
    EXPECT_EQ(b["payments"].toInt(), 240);
    const double saved = cents(a["totalPaid"]) - cents(b["totalPaid"]);
    EXPECT_EQ(json["verdict"].toString(),
              "B costs $" + QLocale(QLocale::English).toString(saved, 'f', 2) + " less");

    const CommandRun text = run({"compare", loan, mortgage});
    EXPECT_EQ(text.status, 0) << text.err;
    EXPECT_NE(text.out.find("Offer A: Car.ULD"), std::string::npos);
    EXPECT_NE(text.out.find("A costs $"), std::string::npos) << text.out;
    EXPECT_NE(run({"compare", mortgage, shorter, "--format", "report"}).out.find("Comparison of Two Offers"),
              std::string::npos);
    EXPECT_EQ(run({"compare", mortgage}).status, 2);
}

TEST(MortgageCommand, HelpGoesToStandardOutput)
{
    const CommandRun outcome = run({"loan", "--help"});
    EXPECT_EQ(outcome.status, 0);
    EXPECT_NE(outcome.out.find("--term MONTHS"), std::string::npos);
    EXPECT_EQ(outcome.err, "");
}

} // namespace
} // namespace tallyvane::cli
