#include "app/planners.h"

#include "mortgage/mortgagewindow.h"
#include "savings/savingswindow.h"
#include "shell/tallyvaneapp.h"

namespace tallyvane {

void registerPlanners(TallyvaneApp& app)
{
    Navigator& navigator = app.navigator();
    const auto mortgageWindow = [&app](PlannerHost& host) {
        return new MortgageCalc(app.values(), app.services(), host);
    };
    navigator.registerPlanner(MenuChoice::Mortgage, ChildKind::MortgagePlanner, mortgageWindow);
    navigator.registerPlanner(MenuChoice::Loans, ChildKind::MortgagePlanner, mortgageWindow);
    navigator.registerFileKind(QStringLiteral("umd"), MenuChoice::Mortgage);
    navigator.registerPlanner(MenuChoice::Savings, ChildKind::Planner, [&app](PlannerHost& host) {
        return new SavingsCalc(app.values(), app.services(), host);
    });
    navigator.registerFileKind(QStringLiteral("uld"), MenuChoice::Loans);
}

} // namespace tallyvane
