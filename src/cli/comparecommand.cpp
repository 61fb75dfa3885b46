// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/calccommands.h"
#include "cli/commandoptions.h"
#include "cli/commandoutcome.h"
#include "cli/jsonwriter.h"
#include "cli/printoutoptions.h"
#include "cli/reporttext.h"
#include "core/fieldreader.h"
#include "core/messages.h"
#include "core/plannererror.h"
#include "mortgage/comparisonprintout.h"
#include "mortgage/mortgagefile.h"

#include <QFileInfo>

namespace tallyvane::cli {
namespace {

constexpr int CaptionWidth = 32;
constexpr int FigureWidth = 16;

std::string usage()
{
    return std::string("Usage: tallyvane-calc compare A-FILE B-FILE [OPTIONS]\n\n"
                       "Two saved mortgages or loans (.UMD or .ULD, either kind) side by side:\n"
                       "each offer's inputs, payment, payments per year, number of payments,\n"
                       "time to the final payment (in B's unit), total paid, total interest and\n"
                       "interest savings, the difference B - A of each, and which offer costs less.\n\n") +
           printoutUsage();
}

void writeTextRow(std::ostream& out, const ComparedFigure& figure)
{
    writeLine(out, figure.caption.leftJustified(CaptionWidth) + figure.a.rightJustified(FigureWidth) +
                       figure.b.rightJustified(FigureWidth) + figure.difference.rightJustified(FigureWidth));
}

void writeText(const OfferComparison& comparison, const QString& symbol, std::ostream& out)
{
    writeLine(out, QStringLiteral("Comparison of Two Offers"));
    out << "\n";
    writeLine(out, QStringLiteral("Offer A: ") + comparison.a.source);
    writeLine(out, QStringLiteral("Offer B: ") + comparison.b.source);
    out << "\n";
    const ComparedFigure headings{QString(), QStringLiteral("Offer A"), QStringLiteral("Offer B"),
                                  QStringLiteral("B - A")};
    writeTextRow(out, headings);
    for (const ComparedFigure& figure : comparedInputs(comparison, symbol))
        writeTextRow(out, figure);
    out << "\n";
    const ComparisonTexts texts = comparisonTexts(comparison, symbol);
    for (const ComparedFigure& figure : texts.figures)
        writeTextRow(out, figure);
    out << "\n";
    writeLine(out, texts.verdict);
}

void writeCsv(const OfferComparison& comparison, const QString& symbol, std::ostream& out)
{
    out << "figure,a,b,difference\n";
    const ComparisonTexts texts = comparisonTexts(comparison, symbol);
    std::vector<ComparedFigure> figures = comparedInputs(comparison, symbol);
    figures.insert(figures.end(), texts.figures.begin(), texts.figures.end());
    for (const ComparedFigure& figure : figures)
        writeLine(out, csvField(figure.caption) + u',' + csvField(figure.a) + u',' + csvField(figure.b) +
                           u',' + csvField(figure.difference));
}

// The figures as numbers, for programs: money exact to four decimals.
void writeOfferJson(const ComparedOffer& offer, JsonWriter& json)
{
    const AmortizationSummary& summary = offer.summary;
    json.beginObject();
    json.key(QStringLiteral("file"));
    json.string(offer.source);
    json.key(QStringLiteral("principal"));
    json.money(offer.input.principal);
    json.key(QStringLiteral("payment"));
    json.money(Money::fromDouble(summary.payment));
    json.key(QStringLiteral("paymentsPerYear"));
    json.integer(summary.paymentsPerYear);
    json.key(QStringLiteral("payments"));
    json.integer(summary.paymentsToFinal);
    json.key(QStringLiteral("yearsToFinal"));
    json.number(static_cast<double>(summary.paymentsToFinal) / summary.paymentsPerYear);
    json.key(QStringLiteral("totalPaid"));
    json.money(summary.totalPaid);
    json.key(QStringLiteral("totalInterest"));
    json.money(offer.totalInterest);
    json.key(QStringLiteral("interestSavings"));
    json.money(summary.interestSavings);
    json.endObject();
}

void writeJson(const OfferComparison& comparison, const QString& symbol, std::ostream& out)
{
    JsonWriter json;
    json.beginObject();
    json.key(QStringLiteral("a"));
    writeOfferJson(comparison.a, json);
    json.key(QStringLiteral("b"));
    writeOfferJson(comparison.b, json);
    json.key(QStringLiteral("difference"));
    json.beginObject();
    json.key(QStringLiteral("totalPaid"));
    json.money(comparison.b.summary.totalPaid - comparison.a.summary.totalPaid);
    json.key(QStringLiteral("totalInterest"));
    json.money(comparison.b.totalInterest - comparison.a.totalInterest);
    json.endObject();
    json.key(QStringLiteral("verdict"));
    json.string(comparisonTexts(comparison, symbol).verdict);
    json.endObject();
    out << json.text();
}

ComparedOffer offerFrom(const QString& path)
{
    return calculatedOffer(readMortgageFile(path), QFileInfo(path).fileName());
}

} // namespace

int runCompareCommand(const QStringList& arguments, std::ostream& out, std::ostream& err)
{
    if (asksForHelp(arguments)) {
        out << usage();
        return ExitSuccess;
    }
    try {
        const CommandOptions options(arguments, withPrintoutOptions({}));
        if (options.words().size() != 2)
            throw UsageError(QStringLiteral("compare needs two files, A and B"));
        const CommandOutput output = readCommandOutput(options);
        OfferComparison comparison{.a = offerFrom(options.words().at(0)),
                                   .b = offerFrom(options.words().at(1))};
        comparison.shownAs = comparison.b.input.loanKind;
        if (output.printout) {
            const auto build = [&](const PrintoutSettings& settings) {
                return comparisonPrintout(comparison, settings);
            };
            if (const int status = writePrintout(*output.printout, build, out, err); status != ExitSuccess)
                return status;
        }
        const QString symbol = QStringLiteral("$");
        if (output.format)
            writerFor(*output.format, writeText, writeCsv, writeJson)(comparison, symbol, out);
    } catch (const UsageError& error) {
        return refuseCommandLine(err, error, usage());
    } catch (const FileFormatError&) {
        return calculationFailed(err, Message::FileNotFound);
    } catch (const PlannerError& error) {
        return calculationFailed(err, error.messageNumber());
    }
    return ExitSuccess;
}

} // namespace tallyvane::cli
