// SPDX-License-Identifier: GPL-3.0-or-later
// Time from a click on Calculate to a filled grid in the mortgage window,
// shown offscreen, including the events that lay out and paint the table.
// The engine's own time for the same schedules runs beside it; after the run
// the grid's time is printed as a multiple of the engine's, and the 300-row
// schedule's as a share of the 2,081-row one's.

#include "core/dates.h"
#include "core/sharedvalues.h"
#include "floorratio.h"
#include "mortgage/amortizationengine.h"
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

// Schedules of the same lengths from the engine alone.
void runEngine(benchmark::State& state, int years, const char* rate, PaymentKind kind, std::int16_t days,
               std::optional<QDate> firstPayment)
{
    AmortizationInput input;
    input.principal = Money::fromWhole(100000);
    input.annualRatePercent = *Money::fromDecimalText(rate);
    input.termYears = Money::fromWhole(years);
    input.paymentKind = kind;
    input.daysInYearChoice = days;
    input.view = AmortizationView::AllPayments;
    input.firstPaymentDate = firstPayment;
    for (auto _ : state)
        benchmark::DoNotOptimize(AmortizationEngine().calculate(input).summary.lastRow);
}

void BM_LargestDatedScheduleEngine(benchmark::State& state)
{
    runEngine(state, 40, "1", PaymentKind::OneWeek, 3, QDate(2024, 1, 5));
}
BENCHMARK(BM_LargestDatedScheduleEngine)->Unit(benchmark::kMillisecond);

void BM_TwentyFiveYearMonthlyEngine(benchmark::State& state)
{
    runEngine(state, 25, "10.125", PaymentKind::Monthly, DefaultDaysInYearChoice, std::nullopt);
}
BENCHMARK(BM_TwentyFiveYearMonthlyEngine)->Unit(benchmark::kMillisecond);

const bool comparesLargest =
    benchmarking::reportRatio("BM_LargestDatedScheduleToGrid", "BM_LargestDatedScheduleEngine");
const bool comparesTwentyFive =
    benchmarking::reportRatio("BM_TwentyFiveYearMonthlyToGrid", "BM_TwentyFiveYearMonthlyEngine");
const bool comparesLengths =
    benchmarking::reportRatio("BM_TwentyFiveYearMonthlyToGrid", "BM_LargestDatedScheduleToGrid");

} // namespace
