#include "app/planners.h"

#include "graphs/graphwindow.h"
#include "mortgage/mortgagewindow.h"
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
    navigator.registerFileKind(QStringLiteral("uld"), MenuChoice::Loans);
    navigator.registerGraph(
        [&app](PlannerHost& host) { return new GraphsAll(app.values(), app.services(), host); });
}

} // namespace tallyvane
