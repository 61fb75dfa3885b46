// SPDX-License-Identifier: GPL-3.0-or-later
// Time from a click on Calculate to a filled grid in the mortgage window,
// shown offscreen, including the events that lay out and paint the table.

#include "core/dates.h"
#include "core/sharedvalues.h"
#include "mortgage/mortgagegridmodel.h"
#include "mortgage/mortgagewindow.h"
#include "shell/grid/grid.h"
#include "shell/uiservices.h"
#include "silentservices.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QTest>

#include <benchmark/benchmark.h>

namespace {

using namespace tallyvane;

using benchmarking::SilentServices;
using benchmarking::StayingHost;

struct Schedule
{
    const char* rate;
    const char* term;
    const char* paymentKind;
    const char* daysOption; // option of the days dialog
    bool showDates;
};

template <typename Widget> Widget* child(QWidget& window, const char* name)
{
    return window.findChild<Widget*>(QLatin1String(name));
}

void typeFigure(QWidget& window, const char* box, const char* figure)
{
    auto* control = child<QWidget>(window, box);
    control->setFocus();
    QTest::keyClicks(control, QLatin1String(figure));
    QTest::keyClick(control, Qt::Key_Return);
}

void run(benchmark::State& state, const Schedule& schedule)
{
    SharedValues values;
    values.currencySymbol = QStringLiteral("$");
    values.todayText = shortDateText(QDate(2024, 1, 5));
    values.loanKind = 1;
    SilentServices services;
    StayingHost host;
    MortgageCalc window(values, services, host);
    window.setDialogRunner([&schedule](QDialog& dialog) {
        if (auto* option = child<QAbstractButton>(dialog, schedule.daysOption))
            option->setChecked(true);
        dialog.accept();
    });
    window.show();
    QApplication::setActiveWindow(&window);
    if (!QTest::qWaitForWindowActive(&window)) {
        state.SkipWithError("the window did not become active");
        return;
    }

    typeFigure(window, "InRate", schedule.rate);
    typeFigure(window, "InTerm", schedule.term);
    auto* paymentKind = child<QComboBox>(window, "FreqPmt");
    paymentKind->setCurrentIndex(paymentKind->findText(QLatin1String(schedule.paymentKind)));
    child<QAbstractButton>(window, "Option1")->click();
    child<QAbstractButton>(window, "MShowIRF")->click();
    if (schedule.showDates)
        child<QAbstractButton>(window, "MDateNumber")->click();

    auto* calculate = child<QAbstractButton>(window, "MCalc");
    auto* model = static_cast<MortgageGridModel*>(child<Grid>(window, "MGrid")->gridModel());
    for (auto _ : state) {
        calculate->click();
        QApplication::processEvents();
        benchmark::DoNotOptimize(model->text(model->totalRow(), MortgageGridModel::Balance));
    }
    state.counters["rows"] = values.graphPointCount - 1;
    if (services.messages != 0 || values.graphPointCount == 0)
        state.SkipWithError("the calculation failed");
}

// Weekly payments over 40 years at a low rate and 363 days run to about 2,080
// rows, the longest schedule the result table admits, each row dated.
void BM_LargestDatedScheduleToGrid(benchmark::State& state)
{
    run(state, {"1", "40", "      1 Week", "IRFactor3", true});
}
BENCHMARK(BM_LargestDatedScheduleToGrid)->Unit(benchmark::kMillisecond);

void BM_TwentyFiveYearMonthlyToGrid(benchmark::State& state)
{
    run(state, {"10.125", "25", "      Monthly", "IRFactor1", false});
}
BENCHMARK(BM_TwentyFiveYearMonthlyToGrid)->Unit(benchmark::kMillisecond);

} // namespace
