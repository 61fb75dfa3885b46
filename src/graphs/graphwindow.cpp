// SPDX-License-Identifier: GPL-3.0-or-later
#include "graphs/graphwindow.h"

#include "core/report/printout.h"
#include "core/sharedvalues.h"
#include "graphs/chartprintimage.h"
#include "graphs/charttexts.h"
#include "graphs/flatchart.h"
#include "graphs/solidbarchart.h"
#include "mortgage/amortizationinput.h"
#include "shell/busypointer.h"
#include "shell/dialogs/yesnodialog.h"
#include "shell/helpcontexts.h"
#include "shell/plannerhost.h"
#include "shell/plannerstyle.h"
#include "shell/plannerwidgets.h"
#include "shell/uiservices.h"

#include <QGridLayout>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace tallyvane {
namespace {

// The file the chart's figures came from: the mortgage or loan file; a
// savings projection has none.
QString chartFileName(const SharedValues& values)
{
    if (values.graphSource != static_cast<std::int16_t>(GraphSource::Mortgage))
        return {};
    return values.loanKind == static_cast<std::int16_t>(LoanKind::PersonalLoan) ? values.loanFileName
                                                                                : values.mortFileName;
}

} // namespace

GraphsAll::GraphsAll(SharedValues& values, UiServices& services, PlannerHost& host, QWidget* parent)
    : PlannerWindow(values, services, host,
                    {.frameTitle = {}, .helpContext = HelpContext::Graph, .releasesResults = false}, parent),
      m_series(loadGraphSeries(values))
{
    setObjectName(QStringLiteral("GraphsAll"));
    setWindowTitle(QStringLiteral("Graph"));
    FlatChart* flat = makeFlatChart(this);
    m_flat = flat->widget();
    m_solid = new SolidBarChart(this);
    flat->showSeries(m_series, values.currencySymbol);
    m_solid->showSeries(m_series, values.currencySymbol);
    for (QWidget* chart : {m_flat, static_cast<QWidget*>(m_solid)}) {
        chart->setAccessibleName(m_series.title.trimmed());
        chart->setAccessibleDescription(chartDescription(m_series.points, values.currencySymbol));
    }
    m_showFlat = plannerButton(QStringLiteral("Show Graph in &2D"), QStringLiteral("Sav2D"), this);
    m_showSolid = plannerButton(QStringLiteral("Show Graph in &3D"), QStringLiteral("ThreeDee"), this);
    m_printer = plannerButton(QStringLiteral("&To Printer"), QStringLiteral("Ptr"), this);
    m_exit = plannerButton(QStringLiteral("E&xit to Menu"), QStringLiteral("ExitBut"), this);
    m_exit->setToolTip(QStringLiteral("Back to the planner"));
    connect(m_showFlat, &QPushButton::clicked, this, &GraphsAll::drawFlat);
    connect(m_showSolid, &QPushButton::clicked, this, &GraphsAll::drawSolid);
    connect(m_printer, &QPushButton::clicked, this, &GraphsAll::print);
    connect(m_exit, &QPushButton::clicked, this, [this] { this->host().leaveGraph(); });
    layOut();
    drawFlat();
}

void GraphsAll::layOut()
{
    m_charts = new QStackedWidget(this);
    m_charts->setObjectName(QStringLiteral("Graph1"));
    m_charts->addWidget(m_flat);
    m_charts->addWidget(m_solid);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(PlannerStyle::Margin, PlannerStyle::Margin, PlannerStyle::Margin,
                               PlannerStyle::Margin);
    layout->setSpacing(PlannerStyle::Spacing);
    layout->addWidget(m_charts, 1);
    layout->addLayout(buttonGrid({{m_showFlat, m_showSolid, m_printer, m_exit}}));
}

// The button of the chart on show is disabled; the other one has the focus.
void GraphsAll::drawFlat()
{
    m_chartKind = ChartKind::Flat;
    m_charts->setCurrentWidget(m_flat);
    m_showSolid->setEnabled(true);
    m_showSolid->setFocus(Qt::OtherFocusReason);
    m_showFlat->setEnabled(false);
}

void GraphsAll::drawSolid()
{
    m_chartKind = ChartKind::Solid;
    m_charts->setCurrentWidget(m_solid);
    m_showFlat->setEnabled(true);
    m_showFlat->setFocus(Qt::OtherFocusReason);
    m_showSolid->setEnabled(false);
}

void GraphsAll::print()
{
    values().yesNoState = Question::ContinuePrintout;
    services().askYesNo(values());
    if (values().yesNoState != AnswerYes)
        return;
    values().yesNoState = Question::PrintInColor;
    services().askYesNo(values());
    const bool colour = values().yesNoState == AnswerYes;
    ImagePrintout printout;
    {
        const BusyPointer busy;
        printout = chartPrintout(m_chartKind, m_series, values().currencySymbol, colour);
    }
    printout.jobName = printJobName(chartFileName(values()), m_series.title);
    services().showImagePreview(printout);
}

} // namespace tallyvane
