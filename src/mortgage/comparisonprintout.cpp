// SPDX-License-Identifier: GPL-3.0-or-later
#include "mortgage/comparisonprintout.h"

namespace tallyvane {
namespace {

constexpr int CaptionColumn = 2;
constexpr int OfferAColumn = 32;
constexpr int OfferBColumn = 47;
constexpr int DifferenceColumn = 62;
constexpr int FigureWidth = 14;
const QString Rule(75, u'_');

void printFigure(ReportWriter& writer, const ComparedFigure& figure)
{
    writer.tab(CaptionColumn).text(figure.caption);
    writer.rightAligned(OfferAColumn, FigureWidth, figure.a);
    writer.rightAligned(OfferBColumn, FigureWidth, figure.b);
    if (!figure.difference.isEmpty())
        writer.rightAligned(DifferenceColumn, FigureWidth, figure.difference);
    writer.endLine();
}

void printBlock(ReportWriter& writer, const QString& heading, const std::vector<ComparedFigure>& figures)
{
    printFigure(writer,
                {heading, QStringLiteral("Offer A"), QStringLiteral("Offer B"), QStringLiteral("B - A")});
    writer.line(CaptionColumn, Rule);
    for (const ComparedFigure& figure : figures)
        printFigure(writer, figure);
    writer.emptyLines();
}

} // namespace

void printComparisonPage(ReportWriter& writer, const OfferComparison& comparison,
                         const PrintoutSettings& settings)
{
    writer.line(32, QStringLiteral(" Comparison of Two Offers"));
    writer.line(CaptionColumn, Rule);
    writer.emptyLines();
    printBlock(writer, QStringLiteral("Inputs"), comparedInputs(comparison, settings.currencySymbol));
    const ComparisonTexts texts = comparisonTexts(comparison, settings.currencySymbol);
    printBlock(writer, QStringLiteral("Results"), texts.figures);
    writer.line(CaptionColumn, Rule);
    writer.emptyLines();
    writer.line(CaptionColumn, texts.verdict);
    for (const auto& [name, offer] : {std::pair{"A", &comparison.a}, std::pair{"B", &comparison.b}})
        if (!offer->source.isEmpty())
            writer.line(CaptionColumn,
                        QStringLiteral("Offer %1: %2").arg(QLatin1String(name), offer->source));
}

Report comparisonPrintout(const OfferComparison& comparison, const PrintoutSettings& settings)
{
    ReportWriter writer(settings.fontChoice);
    writer.setUpPrinter();
    writer.line(CaptionColumn, settings.header);
    writer.emptyLines();
    printComparisonPage(writer, comparison, settings);
    return writer.finish();
}

} // namespace tallyvane
