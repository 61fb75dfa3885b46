// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/mortgagereport.h"

#include "cli/jsonwriter.h"
#include "cli/reporttext.h"
#include "core/numberformat.h"
#include "mortgage/amortizationdisplay.h"
#include "mortgage/schedulerows.h"

#include <charconv>
#include <cstdlib>

namespace tallyvane::cli {
namespace {

constexpr int LabelWidth = 38;
constexpr int FigureWidth = 16;
constexpr int FirstColumnWidth = 22;
constexpr int AmountWidth = 21;

bool isMortgage(const MortgageReport& report)
{
    return report.input.loanKind == LoanKind::Mortgage;
}

QString cents(double value)
{
    return formatNumber(value, u"###,,##0.00");
}

QString cents(Money value)
{
    return formatMoney(value, u"###,,##0.00");
}

QString isoDate(const QDate& date)
{
    return date.toString(Qt::ISODate);
}

void writeFigure(std::ostream& out, const QString& label, const QString& figure)
{
    writeLine(out, label.leftJustified(LabelWidth) + figure.rightJustified(FigureWidth));
}

void writeTableLine(std::ostream& out, const QString& first, const QStringList& amounts)
{
    QString line = first.leftJustified(FirstColumnWidth);
    for (const QString& amount : amounts)
        line += amount.rightJustified(AmountWidth);
    writeLine(out, line.trimmed().isEmpty() ? QString() : line);
}

void writeLoan(const MortgageReport& report, std::ostream& out)
{
    const AmortizationInput& input = report.input;
    const bool mortgage = isMortgage(report);
    writeFigure(out,
                mortgage ? QStringLiteral("Principal amount of mortgage.")
                         : QStringLiteral("Principal amount of the loan."),
                cents(input.principal));
    writeFigure(out, QStringLiteral("Annual interest rate %"),
                formatMoney(input.annualRatePercent, u"##0.000") + u'%');
    if (mortgage)
        writeFigure(out, QStringLiteral("Amortization period in years."),
                    formatMoney(input.termYears, u"##0"));
    else
        writeFigure(out, QStringLiteral("Payback period of the loan in months."),
                    formatMoney(input.termYears * Money::fromWhole(12), u"##0"));
    writeFigure(out, QStringLiteral("Interest compound periods per year."),
                listText(input.compounding).trimmed());
    writeFigure(out, QStringLiteral("Frequency and type of each payment."),
                listText(input.paymentKind).trimmed());
}

void writeSummary(const MortgageReport& report, std::ostream& out)
{
    const AmortizationSummary& summary = report.result.summary;
    const bool mortgage = isMortgage(report);
    writeFigure(out, QStringLiteral("No. of payments each year."), QString::number(summary.paymentsPerYear));
    writeFigure(out, QStringLiteral("Days in year."), summary.daysShown);
    writeFigure(out, QStringLiteral("Interest rate factor."),
                formatNumber(summary.periodicRate, u"0.########"));
    writeFigure(out, QStringLiteral("Principal + Interest payment."), cents(summary.payment));
    writeFigure(out, increaseCaption(report.input.paymentIncrease).trimmed(), cents(summary.increaseAmount));
    if (mortgage)
        writeFigure(out, QStringLiteral("No. of years to final payment."),
                    cents(static_cast<double>(summary.yearsToFinal)));
    else
        writeFigure(out, QStringLiteral("No. months to final payment."), cents(summary.monthsToFinal()));
    writeFigure(out,
                mortgage ? QStringLiteral("Total paid over life of mortgage")
                         : QStringLiteral("Total paid over life of the loan."),
                cents(summary.totalPaid));
    writeFigure(out, QStringLiteral("Total interest savings."), cents(summary.interestSavings));
}

void writeTable(const MortgageReport& report, std::ostream& out)
{
    const AmortizationResult& result = report.result;
    writeTableLine(out, firstColumnHeading(result.view, result.showsDates), amountColumnHeadings());
    const std::vector<ScheduleRow> rows = visibleRows(result);
    for (const ScheduleRow& row : rows)
        writeTableLine(out, row.date ? isoDate(*row.date) : firstCellText(row, result.view),
                       {cents(row.interest), cents(row.principal), cents(row.balance),
                        cents(row.cumulativeInterest), cents(row.cumulativePrincipal)});
    out << "\n";
    const ScheduleRow& last = rows.back();
    writeTableLine(out, QStringLiteral("Total:"),
                   {QString(), QString(), cents(last.balance), cents(last.cumulativeInterest),
                    cents(last.cumulativePrincipal)});
}

// The years to the final payment are kept in single precision; their
// shortest decimal form is what was meant, not the digits of the widening.
double shortestValueOf(float value)
{
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer - 1, value);
    *result.ptr = '\0';
    return std::strtod(buffer, nullptr);
}

void writeSummaryJson(const MortgageReport& report, JsonWriter& json)
{
    const AmortizationSummary& summary = report.result.summary;
    json.beginObject();
    json.key(QStringLiteral("paymentsPerYear"));
    json.integer(summary.paymentsPerYear);
    json.key(QStringLiteral("daysShown"));
    json.string(summary.daysShown);
    json.key(QStringLiteral("periodicRate"));
    json.rate(summary.periodicRate);
    json.key(QStringLiteral("payment"));
    json.money(Money::fromDouble(summary.payment));
    json.key(QStringLiteral("increaseAmount"));
    json.money(Money::fromDouble(summary.increaseAmount));
    json.key(QStringLiteral("lastRow"));
    json.integer(summary.lastRow);
    if (isMortgage(report)) {
        json.key(QStringLiteral("yearsToFinal"));
        json.number(shortestValueOf(summary.yearsToFinal));
    } else {
        json.key(QStringLiteral("monthsToFinal"));
        json.number(summary.monthsToFinal());
    }
    json.key(QStringLiteral("totalPaid"));
    json.money(summary.totalPaid);
    json.key(QStringLiteral("interestSavings"));
    json.money(summary.interestSavings);
    json.key(QStringLiteral("additionalApplied"));
    json.integer(summary.additionalApplied);
    json.key(QStringLiteral("listing"));
    json.string(summary.additionalListing);
    json.endObject();
}

void writeGoalJson(const PayoffGoal& goal, JsonWriter& json)
{
    json.key(QStringLiteral("goal"));
    json.beginObject();
    json.key(QStringLiteral("year"));
    json.integer(goal.year);
    json.key(QStringLiteral("yearlyAdditional"));
    json.money(goal.yearlyAdditional);
    json.key(QStringLiteral("yearsToFinal"));
    json.number(shortestValueOf(goal.summary.yearsToFinal));
    json.key(QStringLiteral("interestSavings"));
    json.money(goal.summary.interestSavings);
    json.endObject();
}

void writeRowJson(const ScheduleRow& row, JsonWriter& json)
{
    json.beginObject();
    json.key(QStringLiteral("row"));
    json.integer(row.number);
    json.key(QStringLiteral("year"));
    if (row.year)
        json.integer(*row.year);
    else
        json.null();
    json.key(QStringLiteral("date"));
    if (row.date)
        json.string(isoDate(*row.date));
    else
        json.null();
    json.key(QStringLiteral("interest"));
    json.money(row.interest);
    json.key(QStringLiteral("principal"));
    json.money(row.principal);
    json.key(QStringLiteral("balance"));
    json.money(row.balance);
    json.key(QStringLiteral("cumulativeInterest"));
    json.money(row.cumulativeInterest);
    json.key(QStringLiteral("cumulativePrincipal"));
    json.money(row.cumulativePrincipal);
    json.endObject();
}

} // namespace

void writeMortgageText(const MortgageReport& report, std::ostream& out)
{
    writeLine(out, isMortgage(report) ? QStringLiteral("Mortgage Tables")
                                      : QStringLiteral("Personal Loan Tables"));
    out << "\n";
    if (report.goal) {
        writeLine(out, QStringLiteral("Goal: final payment in year %1 or earlier").arg(report.goal->year));
        writeLine(out, payoffGoalText(*report.goal, report.input.loanKind, QString()));
        out << "\n";
    }
    writeLoan(report, out);
    out << "\n";
    writeSummary(report, out);
    out << "\n";
    writeTable(report, out);
    const QString listing = report.result.summary.additionalListing;
    if (!listing.isEmpty()) {
        out << "\n";
        out << QString(listing).replace(QStringLiteral("\r\n"), QStringLiteral("\n")).toStdString();
    }
}

void writeMortgageCsv(const MortgageReport& report, std::ostream& out)
{
    out << "row,year,date,interest,principal,balance,cumulativeInterest,cumulativePrincipal\n";
    for (const ScheduleRow& row : visibleRows(report.result)) {
        out << row.number << ',' << (row.year ? std::to_string(*row.year) : std::string()) << ','
            << (row.date ? isoDate(*row.date).toStdString() : std::string()) << ','
            << row.interest.toFourDecimals() << ',' << row.principal.toFourDecimals() << ','
            << row.balance.toFourDecimals() << ',' << row.cumulativeInterest.toFourDecimals() << ','
            << row.cumulativePrincipal.toFourDecimals() << "\n";
    }
}

void writeMortgageJson(const MortgageReport& report, std::ostream& out)
{
    JsonWriter json;
    json.beginObject();
    if (report.goal)
        writeGoalJson(*report.goal, json);
    json.key(QStringLiteral("summary"));
    writeSummaryJson(report, json);
    json.key(QStringLiteral("rows"));
    json.beginArray();
    for (const ScheduleRow& row : visibleRows(report.result))
        writeRowJson(row, json);
    json.endArray();
    json.endObject();
    out << json.text();
}

} // namespace tallyvane::cli
