// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/savingsreport.h"

#include "cli/jsonwriter.h"
#include "cli/reporttext.h"
#include "core/numberformat.h"

namespace tallyvane::cli {
namespace {

constexpr int LabelWidth = 34;
constexpr int PlanFigureWidth = 16;
constexpr int PeriodWidth = 7;
constexpr int FigureWidth = 18;

QString cents(Money value)
{
    return formatMoney(value, u"###,,##0.00");
}

QString percent(Money value)
{
    return formatMoney(value, u"##0.00") + u'%';
}

QString periodName(SavingsFrequency frequency)
{
    switch (frequency) {
    case SavingsFrequency::Quarterly:
        return QStringLiteral("Quarter");
    case SavingsFrequency::Monthly:
        return QStringLiteral("Month");
    case SavingsFrequency::Annually:
        break;
    }
    return QStringLiteral("Year");
}

void writePlanLine(std::ostream& out, const QString& label, const QString& figure)
{
    writeLine(out, label.leftJustified(LabelWidth) + figure.rightJustified(PlanFigureWidth));
}

void writeTableLine(std::ostream& out, const QString& period, const QString& invested,
                    const QString& interest, const QString& value)
{
    writeLine(out, period.rightJustified(PeriodWidth) + invested.rightJustified(FigureWidth) +
                       interest.rightJustified(FigureWidth) + value.rightJustified(FigureWidth));
}

Money cell(const SavingsResult& result, int row, int column)
{
    return result.table().at(row, column);
}

// The year a period closes, or 0 when it closes none.
int yearClosedBy(int period, const SavingsReport& report)
{
    const int n = periodsPerYear(report.inputs.frequency);
    return period <= report.result.lastPeriod() && period % n == 0 ? period / n : 0;
}

} // namespace

void writeSavingsText(const SavingsReport& report, std::ostream& out)
{
    const SavingsInputs& inputs = report.inputs;
    const SavingsResult& result = report.result;
    writeLine(out, QStringLiteral("Investment Growth Calculation"));
    out << "\n";
    writePlanLine(out, QStringLiteral("Lump sum invested at start"), cents(inputs.lumpSum));
    writePlanLine(out, QStringLiteral("Amount invested each period"), cents(inputs.contribution));
    writePlanLine(out, QStringLiteral("Frequency"), frequencyText(inputs.frequency));
    writePlanLine(out, QStringLiteral("Annual interest/growth rate"), percent(inputs.ratePercent));
    writePlanLine(out, QStringLiteral("Yearly increase of the investment"), percent(inputs.increasePercent));
    writePlanLine(out, QStringLiteral("Annual inflation rate"), percent(inputs.inflationPercent));
    writePlanLine(out, QStringLiteral("Years"), formatMoney(inputs.years, u"##0"));
    out << "\n";

    writeTableLine(out, periodName(inputs.frequency), QStringLiteral("Invested"),
                   QStringLiteral("Interest/Growth"), QStringLiteral("Current Value"));
    for (int row = 1; row <= result.periodRows(); ++row)
        writeTableLine(out, QString::number(row), cents(cell(result, row, InvestedColumn)),
                       cents(cell(result, row, InterestColumn)), cents(cell(result, row, ValueColumn)));
    out << "\n";
    writeTableLine(out, QStringLiteral("Total:"), cents(result.totalInvested()), cents(result.growth()),
                   cents(result.finalValue()));

    if (result.graphPointCount() == 0)
        return;
    out << "\n";
    writeLine(out, QStringLiteral("Value at the end of each year"));
    for (int year = 1; year <= result.graphPointCount(); ++year)
        writeLine(out, QString::number(year).rightJustified(PeriodWidth) +
                           cents(result.yearEndValue(year)).rightJustified(FigureWidth));
}

void writeSavingsCsv(const SavingsReport& report, std::ostream& out)
{
    const SavingsResult& result = report.result;
    out << "period,year,invested,interest,value\n";
    for (int row = 1; row <= result.periodRows(); ++row) {
        const int year = yearClosedBy(row, report);
        out << row << ',' << (year > 0 ? std::to_string(year) : std::string()) << ','
            << cell(result, row, InvestedColumn).toFourDecimals() << ','
            << cell(result, row, InterestColumn).toFourDecimals() << ','
            << cell(result, row, ValueColumn).toFourDecimals() << "\n";
    }
    out << "total,," << result.totalInvested().toFourDecimals() << ',' << result.growth().toFourDecimals()
        << ',' << result.finalValue().toFourDecimals() << "\n";
}

void writeSavingsJson(const SavingsReport& report, std::ostream& out)
{
    const SavingsResult& result = report.result;
    JsonWriter json;
    json.beginObject();
    json.key(QStringLiteral("summary"));
    json.beginObject();
    json.key(QStringLiteral("lastPeriod"));
    json.integer(result.lastPeriod());
    json.key(QStringLiteral("graphPointCount"));
    json.integer(result.graphPointCount());
    json.key(QStringLiteral("totalInvested"));
    json.money(result.totalInvested());
    json.key(QStringLiteral("growth"));
    json.money(result.growth());
    json.key(QStringLiteral("finalValue"));
    json.money(result.finalValue());
    json.endObject();

    json.key(QStringLiteral("rows"));
    json.beginArray();
    for (int row = 1; row <= result.periodRows(); ++row) {
        json.beginObject();
        json.key(QStringLiteral("period"));
        json.integer(row);
        json.key(QStringLiteral("invested"));
        json.money(cell(result, row, InvestedColumn));
        json.key(QStringLiteral("interest"));
        json.money(cell(result, row, InterestColumn));
        json.key(QStringLiteral("value"));
        json.money(cell(result, row, ValueColumn));
        json.endObject();
    }
    json.endArray();

    json.key(QStringLiteral("yearEnd"));
    json.beginArray();
    for (int year = 1; year <= result.graphPointCount(); ++year)
        json.money(result.yearEndValue(year));
    json.endArray();
    json.endObject();
    out << json.text();
}

} // namespace tallyvane::cli
