// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/planners.h"
#include "cli/calccommands.h"
#include "graphs/barchartpicture.h"
#include "graphs/charttexts.h"
#include "graphs/flatbarchart.h"
#include "graphs/graphwindow.h"
#include "graphs/solidbarchart.h"
#include "mortgage/amortizationengine.h"
#include "mortgage/amortizationhandover.h"
#include "mortgage/mortgagewindow.h"
#include "plannerwindowdriver.h"
#include "shell/helpcontexts.h"
#include "shell/plannerstyle.h"
#include "shell/tallyvaneapp.h"

#include <QApplication>
#include <QCategoryAxis>
#include <QFile>
#include <QHelpEvent>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolTip>

#include <memory>
#include <sstream>

using namespace tallyvane;
using namespace tallyvane::testing;

namespace {

// A 100,000.00 mortgage over 25 years, left as the mortgage window leaves it.
class GraphWindowTest : public PlannerWindowTest
{
protected:
    void openMortgageGraph()
    {
        AmortizationInput input;
        input.principal = Money::fromWhole(100000);
        input.annualRatePercent = *Money::fromDecimalText("10.125");
        input.termYears = Money::fromWhole(25);
        values.currencySymbol = QStringLiteral("$");
        values.inputValues.resize(6);
        handOverResults(input, AmortizationEngine().calculate(input), values);
        values.graphSource = static_cast<std::int16_t>(GraphSource::Mortgage);
        window = std::make_unique<GraphsAll>(values, services, host);
        window->resize(800, 500);
        attach(*window);
    }

    QWidget* chartOnShow() const { return child<QStackedWidget>("Graph1")->currentWidget(); }

    std::unique_ptr<GraphsAll> window;
};

TEST_F(GraphWindowTest, OpensFlatAndTheButtonOfTheChartOnShowIsDisabled)
{
    openMortgageGraph();
    EXPECT_EQ(window->chartKind(), ChartKind::Flat);
    EXPECT_EQ(chartOnShow()->objectName(), "Bars2D");
    EXPECT_FALSE(button("Sav2D")->isEnabled());
    EXPECT_TRUE(button("ThreeDee")->hasFocus());
    EXPECT_TRUE(host.frameTitle.isEmpty()) << "the planner's frame title stays";

    click("ThreeDee");
    EXPECT_EQ(window->chartKind(), ChartKind::Solid);
    EXPECT_EQ(chartOnShow()->objectName(), "Bars3D");
    EXPECT_FALSE(button("ThreeDee")->isEnabled());
    EXPECT_TRUE(button("Sav2D")->hasFocus());

    click("Sav2D");
    EXPECT_EQ(window->chartKind(), ChartKind::Flat);
    EXPECT_FALSE(button("Sav2D")->isEnabled());
    EXPECT_TRUE(button("ThreeDee")->isEnabled());
}

TEST_F(GraphWindowTest, ExitGoesBackToThePlannerWhichKeepsItsResults)
{
    openMortgageGraph();
    click("ExitBut");
    EXPECT_EQ(host.graphsLeft, 1);
    EXPECT_EQ(host.menusShown, 0);
    window->close();
    EXPECT_FALSE(values.resultTable.isEmpty());
    EXPECT_FALSE(values.inputValues.empty());
    EXPECT_EQ(values.graphPointCount, 25);
}

struct PrintCase
{
    const char* name;
    bool solid;
    std::deque<bool> answers;
    std::vector<int> questions;
    int printouts;
    bool grey;
};

class GraphPrintTest : public GraphWindowTest, public ::testing::WithParamInterface<PrintCase>
{
};

TEST_P(GraphPrintTest, AsksToContinueAndForColourBeforePrinting)
{
    const PrintCase& c = GetParam();
    openMortgageGraph();
    if (c.solid)
        click("ThreeDee");
    services.yesNoAnswers = c.answers;
    click("Ptr");
    EXPECT_EQ(services.questions, c.questions);
    ASSERT_EQ(services.imagePreviews.size(), static_cast<std::size_t>(c.printouts));
    if (c.printouts == 0)
        return;
    const ImagePrintout& printed = services.imagePreviews.front();
    EXPECT_EQ(printed.printedSize, QSizeF(476.5, 295.0)); // 9,530 by 5,900 twips
    EXPECT_EQ(printed.image.isGrayscale(), c.grey);
    EXPECT_EQ(window->chartKind(), c.solid ? ChartKind::Solid : ChartKind::Flat);
}

INSTANTIATE_TEST_SUITE_P(GraphWindow, GraphPrintTest,
                         ::testing::Values(PrintCase{"NoPrintsNothing", false, {false}, {1}, 0, false},
                                           PrintCase{"FlatInGrey", false, {true, false}, {1, 2}, 1, true},
                                           PrintCase{"SolidInColour", true, {true, true}, {1, 2}, 1, false}),
                         [](const ::testing::TestParamInfo<PrintCase>& info) {
                             return std::string(info.param.name);
                         });

class GraphToolTipTest : public GraphWindowTest, public ::testing::WithParamInterface<bool>
{
};

// Resting on the third bar shows the balance at the start of year 3, after
// 24 payments.
TEST_P(GraphToolTipTest, RestingOnABarShowsItsYearAndValue)
{
    openMortgageGraph();
    QWidget* target = nullptr;
    QPoint at;
    if (GetParam()) {
        click("ThreeDee");
        auto* chart = child<SolidBarChart>("Bars3D");
        target = chart;
        at = chart->barFront(2).center().toPoint();
    } else {
        auto* chart = child<FlatBarChart>("Bars2D");
        target = chart->viewport();
        at = chart->barMiddle(2);
    }
    QHelpEvent rest(QEvent::ToolTip, at, target->mapToGlobal(at));
    QApplication::sendEvent(target, &rest);
    EXPECT_TRUE(QTest::qWaitFor([] { return QToolTip::isVisible(); }));
    EXPECT_EQ(QToolTip::text(), "Year 3: $98,046.42");
    QToolTip::hideText();
}

INSTANTIATE_TEST_SUITE_P(GraphWindow, GraphToolTipTest, ::testing::Values(false, true),
                         [](const ::testing::TestParamInfo<bool>& info) {
                             return std::string(info.param ? "Solid" : "Flat");
                         });

TEST(SolidBarChart, PaintsItsBarsWithoutAnyGraphicsAcceleration)
{
    SolidBarChart chart;
    chart.resize(500, 320);
    GraphSeries series{.title = QStringLiteral("Balance"), .points = {}};
    for (int year = 1; year <= 10; ++year)
        series.points.push_back({Money::fromWhole(year), Money::fromWhole(1000 * (11 - year))});
    chart.showSeries(series, QStringLiteral("$"));
    const QImage drawn = chart.grab().toImage();
    int front = 0;
    int shaded = 0;
    for (int y = 0; y < drawn.height(); ++y) {
        for (int x = 0; x < drawn.width(); ++x) {
            const QColor colour = drawn.pixelColor(x, y);
            front += colour == PlannerStyle::ChartBar;
            shaded += colour.hue() == PlannerStyle::ChartBar.hue() &&
                      colour.value() < PlannerStyle::ChartBar.value();
        }
    }
    EXPECT_GT(front, 2000);
    EXPECT_GT(shaded, 500);
}

GraphSeries yearsOf(int count, int firstValue, int step)
{
    GraphSeries series{.title = QStringLiteral("Investment value at end of each Year"), .points = {}};
    for (int year = 1; year <= count; ++year)
        series.points.push_back({Money::fromWhole(year), Money::fromWhole(firstValue + step * year)});
    return series;
}

// Two labels read apart when they do not overlap (a pixel of rounding
// aside); each stays inside the chart.
void expectSeparateLabels(const std::vector<QRectF>& labels, const QRectF& area)
{
    for (std::size_t index = 0; index < labels.size(); ++index) {
        EXPECT_TRUE(area.contains(labels[index])) << "label " << index + 1;
        if (index > 0) {
            EXPECT_LE(labels[index - 1].right(), labels[index].left() + 1.0)
                << "labels " << index << ", " << index + 1;
        }
    }
}

struct LabelCase
{
    const char* name;
    int width;
    int height;
    int points;
};

class ChartLabelTest : public ::testing::TestWithParam<LabelCase>
{
};

// Every bar keeps a year label that reads, from the smallest window the
// graph is meant for (640 by 480) to the printed size, flat or solid.
TEST_P(ChartLabelTest, EveryBarKeepsItsOwnReadableLabel)
{
    const LabelCase& c = GetParam();
    const GraphSeries series = yearsOf(c.points, -200, 5000);
    const QRectF area(0, 0, c.width, c.height);
    for (const ChartKind kind : {ChartKind::Flat, ChartKind::Solid}) {
        const BarChartPicture picture(kind, series, QStringLiteral("$"), QApplication::font());
        const std::vector<QRectF> labels = picture.pointLabelBoxes(area);
        ASSERT_EQ(labels.size(), static_cast<std::size_t>(c.points));
        expectSeparateLabels(labels, area);
        EXPECT_GE(picture.pointLabelFont(area).pointSizeF(), 0.7 * QApplication::font().pointSizeF());
    }

    FlatBarChart flat;
    flat.resize(c.width, c.height);
    flat.showSeries(series, QStringLiteral("$"));
    flat.show();
    QApplication::processEvents();
    ASSERT_EQ(flat.yearLabelBoxes().size(), static_cast<std::size_t>(c.points));
    expectSeparateLabels(flat.yearLabelBoxes(), QRectF(flat.rect()));
}

INSTANTIATE_TEST_SUITE_P(GraphWindow, ChartLabelTest,
                         ::testing::Values(LabelCase{"FortyYearsAtTheSmallestWindow", 620, 400, 40},
                                           LabelCase{"FortyYearsPrinted", 635, 393, 40},
                                           LabelCase{"FortyYearsLarge", 1200, 700, 40},
                                           LabelCase{"TwentyFiveYears", 620, 400, 25}),
                         [](const ::testing::TestParamInfo<LabelCase>& info) { return info.param.name; });

TEST(ChartAxes, NegativeValuesReadAlikeFlatAndSolid)
{
    const GraphSeries series = yearsOf(3, -1000, 500);
    FlatBarChart flat;
    flat.showSeries(series, QStringLiteral("$"));
    auto* money = qobject_cast<QCategoryAxis*>(flat.chart()->axes(Qt::Vertical).front());
    ASSERT_NE(money, nullptr);
    EXPECT_TRUE(money->categoriesLabels().contains("-$400"))
        << money->categoriesLabels().join(' ').toStdString();
    EXPECT_EQ(axisLabel(-400, "$"), "-$400"); // what the solid chart writes
}

// The calculator writes the graph window's chart without a window.
struct ChartFileCase
{
    const char* name;
    QStringList arguments;
    const char* file;
    bool grey;
};

class CalculatorChartTest : public ::testing::TestWithParam<ChartFileCase>
{
};

TEST_P(CalculatorChartTest, WritesTheChartAsAPictureOrAPdf)
{
    const ChartFileCase& c = GetParam();
    QTemporaryDir folder;
    const QString path = folder.filePath(QString::fromLatin1(c.file));
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(cli::runCalc(QStringList(c.arguments) << QStringLiteral("--chart") << path, out, err), 0)
        << err.str();
    EXPECT_EQ(out.str(), "");
    QFile written(path);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    const QByteArray content = written.readAll();
    if (path.endsWith(QStringLiteral(".pdf"))) {
        EXPECT_TRUE(content.startsWith("%PDF"));
        return;
    }
    const QImage image = QImage::fromData(content, "PNG");
    EXPECT_EQ(image.size(), QSize(1905, 1179)); // the printed size with three times a screen's detail
    EXPECT_EQ(image.isGrayscale(), c.grey);
}

INSTANTIATE_TEST_SUITE_P(
    GraphWindow, CalculatorChartTest,
    ::testing::Values(ChartFileCase{"SavingsFlat", {"savings"}, "g2.png", false},
                      ChartFileCase{"SavingsSolid", {"savings", "--chart-kind", "3d"}, "g3.png", false},
                      ChartFileCase{"SavingsGreyPdf", {"savings", "--grey"}, "g.pdf", true},
                      ChartFileCase{"MortgageGrey", {"mortgage", "--grey"}, "m.png", true},
                      ChartFileCase{"LoanSolid", {"loan", "--chart-kind", "3d"}, "l.PNG", false}),
    [](const ::testing::TestParamInfo<ChartFileCase>& info) { return info.param.name; });

TEST(CalculatorChart, NothingToGraphIsRefusedAndWritesNothing)
{
    QTemporaryDir folder;
    std::ostringstream out;
    std::ostringstream err;
    const QString path = folder.filePath(QStringLiteral("none.png"));
    EXPECT_EQ(cli::runCalc({"savings", "--years", "0", "--chart", path}, out, err), 1);
    EXPECT_EQ(err.str(), "tallyvane-calc: No data to graph. Calculate.\n");
    EXPECT_FALSE(QFile::exists(path));
}

// Through the real frame: Show Graph hides the mortgage window, F1 opens the
// graph's topic, and Exit brings the mortgage window back as it was.
TEST(GraphNavigation, ShowGraphAndExitComeBackToTheSamePlanner)
{
    QTemporaryDir folder;
    TallyvaneApp app(folder.path());
    registerPlanners(app);
    app.start();
    app.navigator().choose(MenuChoice::Mortgage);
    auto* planner = qobject_cast<MortgageCalc*>(app.navigator().openPlanner());
    ASSERT_NE(planner, nullptr);
    planner->findChild<QPushButton*>("MCalc")->click();
    const QString payment = planner->findChild<QLabel*>("InMonthPI")->text();
    ASSERT_FALSE(payment.isEmpty());

    planner->findChild<QPushButton*>("MGraphs")->click();
    auto* graph = app.frame().findChild<GraphsAll*>();
    ASSERT_NE(graph, nullptr);
    EXPECT_TRUE(QTest::qWaitFor([&] { return graph->isVisible() && !planner->isVisible(); }));
    EXPECT_EQ(app.navigator().activeHelpContext(), HelpContext::Graph);
    EXPECT_EQ(app.frame().windowTitle(), " Mortgage Tables");

    graph->findChild<QPushButton*>("ExitBut")->click();
    EXPECT_TRUE(QTest::qWaitFor([&] { return app.frame().findChild<GraphsAll*>() == nullptr; }));
    EXPECT_TRUE(planner->isVisible());
    EXPECT_EQ(planner->findChild<QLabel*>("InMonthPI")->text(), payment);
    EXPECT_NE(app.values().graphPointCount, 0);
    EXPECT_EQ(app.navigator().activeHelpContext(), HelpContext::Mortgage);
}

} // namespace
