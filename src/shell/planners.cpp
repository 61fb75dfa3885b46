#include "mortgage/mortgagewindow.h"
#include "shell/tallyvaneapp.h"

namespace tallyvane {

void registerPlanners(TallyvaneApp& app)
{
    // Each planner adds its line here as it is built.
    const auto mortgageWindow = [&app](PlannerHost& host) {
        return new MortgageCalc(app.values(), app.services(), host);
    };
    app.navigator().registerPlanner(MenuChoice::Mortgage, ChildKind::MortgagePlanner, mortgageWindow);
    app.navigator().registerPlanner(MenuChoice::Loans, ChildKind::MortgagePlanner, mortgageWindow);
}

} // namespace tallyvane
