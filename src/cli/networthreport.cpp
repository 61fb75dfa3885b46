// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/networthreport.h"

#include "cli/jsonwriter.h"
#include "cli/reporttext.h"

#include "core/numberformat.h"
#include "core/rightalign.h"
#include "networth/networthstatement.h"

#include <algorithm>
#include <vector>

namespace tallyvane::cli {
namespace {

constexpr char FigureFormat[] = "####,,###.00";
constexpr char TotalFormat[] = "####,,##0.00";

struct Side
{
    NetWorthSide side;
    const char* heading;
    const char* totalLabel;
    const char* jsonKey;
    const char* csvName;
};

constexpr Side Sides[] = {
    {NetWorthSide::Assets, "Assets", "Total Assets", "assets", "assets"},
    {NetWorthSide::Liabilities, "Liabilities", "Total Liabilities", "liabilities", "liabilities"},
};
constexpr char NetWorthLabel[] = "Net Worth";

struct TextRow
{
    QString label;
    QString figure;
};

void writeText(const NetWorthSheet& sheet, std::ostream& out)
{
    std::vector<TextRow> rows;
    for (const Side& side : Sides) {
        rows.push_back({QString::fromLatin1(side.heading), QString()});
        for (const StatementLine& line : statementLines(sheet, side.side))
            rows.push_back(
                {QStringLiteral("  ") + line.name,
                 line.value ? formatMoney(*line.value, QString::fromLatin1(FigureFormat)) : QString()});
        rows.push_back({QString::fromLatin1(side.totalLabel),
                        formatMoney(sheet.total(side.side), QString::fromLatin1(TotalFormat))});
        rows.push_back({});
    }
    rows.push_back({QString::fromLatin1(NetWorthLabel),
                    formatMoney(sheet.netWorth(), QString::fromLatin1(TotalFormat))});

    qsizetype labelWidth = 0;
    qsizetype figureWidth = 0;
    for (const TextRow& row : rows) {
        labelWidth = std::max(labelWidth, row.label.size());
        figureWidth = std::max(figureWidth, row.figure.size());
    }
    for (const TextRow& row : rows) {
        QString line = row.label;
        if (!row.figure.isEmpty())
            line = row.label.leftJustified(labelWidth + 2) + rightAlign(row.figure, int(figureWidth));
        writeLine(out, line);
    }
}

void writeCsvRow(std::ostream& out, const char* kind, const QString& name, std::optional<Money> value)
{
    out << kind << ',' << csvField(name).toStdString() << ',' << (value ? value->toFourDecimals() : "")
        << "\n";
}

void writeCsv(const NetWorthSheet& sheet, std::ostream& out)
{
    out << "side,name,value\n";
    for (const Side& side : Sides)
        for (const StatementLine& line : statementLines(sheet, side.side))
            writeCsvRow(out, side.csvName, line.name, line.value);
    for (const Side& side : Sides)
        writeCsvRow(out, "total", QString::fromLatin1(side.totalLabel), sheet.total(side.side));
    writeCsvRow(out, "total", QString::fromLatin1(NetWorthLabel), sheet.netWorth());
}

void writeJson(const NetWorthSheet& sheet, std::ostream& out)
{
    JsonWriter json;
    json.beginObject();
    for (const Side& side : Sides) {
        json.key(QString::fromLatin1(side.jsonKey));
        json.beginArray();
        for (const StatementLine& line : statementLines(sheet, side.side)) {
            json.beginObject();
            json.key(QStringLiteral("name"));
            json.string(line.name);
            json.key(QStringLiteral("value"));
            if (line.value)
                json.money(*line.value);
            else
                json.null();
            json.endObject();
        }
        json.endArray();
    }
    json.key(QStringLiteral("totalAssets"));
    json.money(sheet.total(NetWorthSide::Assets));
    json.key(QStringLiteral("totalLiabilities"));
    json.money(sheet.total(NetWorthSide::Liabilities));
    json.key(QStringLiteral("netWorth"));
    json.money(sheet.netWorth());
    json.endObject();
    out << json.text();
}

} // namespace

void writeNetWorthReport(const NetWorthSheet& sheet, OutputFormat format, std::ostream& out)
{
    writerFor(format, writeText, writeCsv, writeJson)(sheet, out);
}

} // namespace tallyvane::cli
