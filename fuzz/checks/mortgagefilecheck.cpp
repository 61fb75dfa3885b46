// SPDX-License-Identifier: GPL-3.0-or-later
#include "fuzzchecks.h"

#include "cli/mortgagereport.h"
#include "core/fieldreader.h"
#include "core/plannererror.h"
#include "mortgage/amortizationdisplay.h"
#include "mortgage/amortizationengine.h"
#include "mortgage/mortgagefile.h"

#include <sstream>

namespace tallyvane::fuzz {
namespace {

bool samePayments(const MortgageWindowState& read, const MortgageWindowState& reread)
{
    for (int row = 1; row <= AdditionalPaymentTable::LastYear; ++row)
        if (read.additionalPayments.yearNumber(row) != reread.additionalPayments.yearNumber(row) ||
            read.additionalPayments.amount(row) != reread.additionalPayments.amount(row))
            return false;
    return true;
}

bool samePlan(const MortgagePlan& read, const MortgagePlan& reread)
{
    const MortgageWindowState& a = read.choices;
    const MortgageWindowState& b = reread.choices;
    return read.loanKind == reread.loanKind && read.principal == reread.principal &&
           read.annualRatePercent == reread.annualRatePercent && read.termYears == reread.termYears &&
           read.compounding == reread.compounding && read.paymentKind == reread.paymentKind &&
           read.view == reread.view && a.showDates == b.showDates &&
           a.firstPaymentDate == b.firstPaymentDate && a.daysInYearChoice == b.daysInYearChoice &&
           a.paymentIncrease == b.paymentIncrease && a.additionalCount == b.additionalCount &&
           a.yearRows == b.yearRows && samePayments(a, b);
}

MortgagePlan parseWrittenBack(const QByteArray& written)
{
    try {
        return parseMortgageFile(written);
    } catch (const FileFormatError& error) {
        throw CheckFailure(std::string("a mortgage file written back does not open: ") + error.what());
    }
}

} // namespace

void checkMortgageFile(const QByteArray& input)
{
    MortgagePlan plan;
    try {
        plan = parseMortgageFile(input);
    } catch (const FileFormatError&) {
        return;
    }
    const QByteArray written = mortgageFileContent(plan);
    const MortgagePlan reread = parseWrittenBack(written);
    require(samePlan(plan, reread), "a mortgage file written back opens to another plan");
    require(mortgageFileContent(reread) == written, "writing a mortgage file again changes it");

    // The window calculates a file as soon as it opens: the engine answers
    // or refuses with a message. What it answers can be shown and reported.
    const AmortizationInput engineInput = amortizationInput(plan);
    AmortizationResult result;
    try {
        result = AmortizationEngine().calculate(engineInput);
    } catch (const PlannerError&) {
        return;
    }
    summaryTexts(result, plan.choices.paymentIncrease, QStringLiteral("$"));
    std::ostringstream json;
    cli::writeMortgageJson({engineInput, result}, json);
    requireJson(json.str(), "the amortization in JSON does not parse");
}

} // namespace tallyvane::fuzz
