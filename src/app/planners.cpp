// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/planners.h"

#include "budget/budgetwindow.h"
#include "graphs/graphwindow.h"
#include "mortgage/mortgagewindow.h"
#include "networth/networthwindow.h"
#include "savings/savingswindow.h"
#include "shell/tallyvaneapp.h"

namespace tallyvane {

void registerPlanners(TallyvaneApp& app)
{
    Navigator& navigator = app.navigator();
    navigator.registerPlanner(MenuChoice::Budget, ChildKind::Planner, [&app](PlannerHost& host) {
        return new Budget(app.values(), app.services(), host);
    });
    navigator.registerFileKind(QStringLiteral("bgt"), MenuChoice::Budget);

    const auto mortgageWindow = [&app](PlannerHost& host) {
        return new MortgageCalc(app.values(), app.services(), host);
    };
    navigator.registerPlanner(MenuChoice::Mortgage, ChildKind::MortgagePlanner, mortgageWindow);
    navigator.registerPlanner(MenuChoice::Loans, ChildKind::MortgagePlanner, mortgageWindow);
    navigator.registerFileKind(QStringLiteral("umd"), MenuChoice::Mortgage);
    navigator.registerFileKind(QStringLiteral("uld"), MenuChoice::Loans);

    navigator.registerPlanner(MenuChoice::Savings, ChildKind::Planner, [&app](PlannerHost& host) {
        return new SavingsCalc(app.values(), app.services(), host);
    });

    navigator.registerPlanner(MenuChoice::NetWorth, ChildKind::Planner, [&app](PlannerHost& host) {
        return new NetWorthCalc(app.values(), app.services(), host);
    });
    navigator.registerFileKind(QStringLiteral("nwf"), MenuChoice::NetWorth);
    navigator.registerGraph(
        [&app](PlannerHost& host) { return new GraphsAll(app.values(), app.services(), host); });
}

} // namespace tallyvane
