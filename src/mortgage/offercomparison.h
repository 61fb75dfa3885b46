// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Two mortgages or loans side by side: the offer kept as A (from an earlier
// calculation or from a saved file) against the offer calculated now, B.
// Each offer keeps its inputs and the summary figures of its own calculation,
// so the comparison shows exactly what each single calculation showed. The
// texts are built here once for the window's panel, the printed comparison
// page and the calculator.

#include "core/money.h"
#include "mortgage/amortizationinput.h"
#include "mortgage/amortizationresult.h"
#include "mortgage/amortizationsummary.h"
#include "mortgage/mortgageplan.h"

#include <QString>

#include <vector>

namespace tallyvane {

struct ComparedOffer
{
    AmortizationInput input;
    AmortizationSummary summary;
    Money totalInterest; // cumulative interest of the last row
    QString source;      // the file it came from; empty for a kept calculation
};

ComparedOffer comparedOffer(const AmortizationInput& input, const AmortizationResult& result);
// Calculates a saved plan; throws PlannerError as the engine does.
ComparedOffer calculatedOffer(const MortgagePlan& plan, const QString& source = {});

struct OfferComparison
{
    ComparedOffer a;
    ComparedOffer b;
    // The unit the time to the final payment is shown in: the window's.
    LoanKind shownAs = LoanKind::Mortgage;
};

// One compared figure, shown for A and B and as B - A (signed).
struct ComparedFigure
{
    QString caption;
    QString a;
    QString b;
    QString difference;
};

struct ComparisonTexts
{
    std::vector<ComparedFigure> figures;
    // The cheaper offer by total paid, in words: "B costs $12,345.67 less".
    QString verdict;
};

ComparisonTexts comparisonTexts(const OfferComparison& comparison, const QString& currencySymbol);

// The inputs of both offers, as the printed page and the calculator list them.
std::vector<ComparedFigure> comparedInputs(const OfferComparison& comparison, const QString& currencySymbol);

} // namespace tallyvane
