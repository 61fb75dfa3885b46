// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/messages.h"
#include "core/plannererror.h"
#include "plannerwindowdriver.h"
#include "shell/enterpressesbutton.h"
#include "shell/greenbox.h"
#include "shell/helpcontexts.h"
#include "shell/plannerwidgets.h"
#include "shell/plannerwindow.h"
#include "shell/tallyvaneapp.h"

#include <QApplication>
#include <QDir>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QTest>
#include <QVBoxLayout>

#include <stdexcept>

using namespace tallyvane;
using namespace tallyvane::testing;

namespace {

// A planner with one green box, a table, a help button and an exit button.
class SamplePlanner : public PlannerWindow
{
public:
    SamplePlanner(SharedValues& values, UiServices& services, PlannerHost& host)
        : PlannerWindow(values, services, host, {QStringLiteral(" Sample"), HelpContext::Savings})
    {
        setObjectName(QStringLiteral("SamplePlanner"));
        sizeInputSlots(2);
        box = buildGreenBoxes({{.name = QStringLiteral("InAmount"),
                                .layout = {.slot = 1, .format = QStringLiteral("###.00"), .width = 8},
                                .successor = QStringLiteral("SHelp")}})
                  .front();
        table = new QTableView(this);
        help = plannerButton(QStringLiteral("Quick &Help"), QStringLiteral("SHelp"), this);
        exit = plannerButton(QStringLiteral("E&xit to Menu"), QStringLiteral("SExit"), this);
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(box);
        layout->addWidget(table, 1);
        layout->addLayout(buttonGrid({{help, exit}}));
        setUpQuickHelp(QStringLiteral("STextBox"), help, table, {exit}, box);
        linkSuccessors();
        connect(help, &QPushButton::clicked, this, [this] {
            isQuickHelpOpen() ? closeQuickHelp() : openQuickHelp(QStringLiteral("Help\r\ntext"));
        });
        connect(exit, &QPushButton::clicked, this, &SamplePlanner::exitToMenu);
        connect(box, &GreenBox::figureStored, this, [this] { ++storedFigures; });
    }

    bool mayLeave() override { return leaves; }
    using PlannerWindow::isQuickHelpOpen;
    using PlannerWindow::runOperation;

    GreenBox* box;
    QTableView* table;
    QPushButton* help;
    QPushButton* exit;
    bool leaves = true;
    int storedFigures = 0;
};

class PlannerBaseTest : public PlannerWindowTest
{
protected:
    void SetUp() override
    {
        window = new SamplePlanner(values, services, host);
        attach(*window);
    }
    void TearDown() override
    {
        delete window;
        PlannerWindowTest::TearDown();
    }

    SamplePlanner* window = nullptr;
};

TEST_F(PlannerBaseTest, OperationCommitsTheTypedFigureAndShowsARefusal)
{
    typeInto("InAmount", QStringLiteral("12.5"));
    Money seen;
    const bool done = window->runOperation(window->exit, [&] {
        seen = values.inputValues.at(1);
        throw PlannerError(Message::WrongEntryWithDetail, QStringLiteral("- 500 records limit."));
    });
    EXPECT_FALSE(done);
    EXPECT_EQ(seen, Money::fromRaw(125000));
    EXPECT_EQ(services.messageTexts, std::vector<QString>{"Wrong entry - 500 records limit."});
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    // A programming error is not dressed up as a refusal.
    EXPECT_THROW(window->runOperation(nullptr, [] { throw std::out_of_range("row"); }), std::out_of_range);
}

TEST_F(PlannerBaseTest, QuickHelpTakesThePlaceOfTheTableUntilClosed)
{
    click("SHelp");
    auto* text = child<QPlainTextEdit>("STextBox");
    EXPECT_TRUE(text->isVisible());
    EXPECT_TRUE(text->hasFocus());
    EXPECT_EQ(text->toPlainText(), "Help\ntext");
    EXPECT_FALSE(window->table->isVisible());
    EXPECT_FALSE(window->exit->isEnabled());
    EXPECT_EQ(window->help->text(), "Close &Help");
    QTest::keyClicks(text, "x");
    EXPECT_EQ(services.beeps, 1);
    QTest::keyClick(text, Qt::Key_Return);
    EXPECT_TRUE(window->box->hasFocus());

    click("SHelp");
    EXPECT_FALSE(text->isVisible());
    EXPECT_TRUE(window->table->isVisible());
    EXPECT_TRUE(window->exit->isEnabled());
    EXPECT_EQ(window->help->text(), "Quick &Help");
}

TEST_F(PlannerBaseTest, LeavingWaitsForThePlannersAnswerThenReleasesTheTables)
{
    values.resultTable.resize(3, 3);
    values.graphPointCount = 2;
    window->leaves = false;
    click("SExit");
    EXPECT_FALSE(window->close());
    EXPECT_EQ(host.menusShown, 0);

    window->leaves = true;
    click("SExit");
    EXPECT_EQ(host.menusShown, 1);
    EXPECT_TRUE(window->close());
    EXPECT_TRUE(values.inputValues.empty());
    EXPECT_EQ(values.resultTable.rowCount(), 0);
    EXPECT_EQ(values.graphPointCount, 0);
}

TEST_F(PlannerBaseTest, ClosingWhileABoxIsTypedInNeverReachesTheHalfDestroyedWindow)
{
    typeInto("InAmount", QStringLiteral("7"));
    delete window;
    window = nullptr;
    EXPECT_EQ(values.entryChanged, 0); // the figure was stored on the way out
    EXPECT_EQ(values.inputValues.at(1), Money::fromWhole(7));
}

TEST_F(PlannerBaseTest, EnterPressesTheFocusedButton)
{
    EnterPressesButton enter;
    QApplication::instance()->installEventFilter(&enter);
    window->help->setFocus();
    QTest::keyClick(window->help, Qt::Key_Return);
    EXPECT_TRUE(QTest::qWaitFor([&] { return window->isQuickHelpOpen(); }));
    QApplication::instance()->removeEventFilter(&enter);
}

TEST(PlannerInFrame, FillsTheWorkAreaGrowsWithTheFrameAndScrollsBelowItsSize)
{
    TallyvaneApp app(QDir::currentPath());
    app.navigator().registerPlanner(MenuChoice::Savings, ChildKind::Planner, [&app](PlannerHost& host) {
        return new SamplePlanner(app.values(), app.services(), host);
    });
    app.start();
    app.frame().resize(900, 700);
    app.menu().button(MenuChoice::Savings)->click();
    QApplication::processEvents();
    QMdiArea* area = app.frame().documentArea();
    QMdiSubWindow* planner = area->activeSubWindow();
    ASSERT_NE(planner, nullptr);
    const QSize before = planner->size();
    EXPECT_GE(planner->width(), area->viewport()->width() - 2 * 80);

    app.frame().resize(1300, 1000);
    QApplication::processEvents();
    EXPECT_GT(planner->width(), before.width() + 300);
    EXPECT_GT(planner->height(), before.height() + 250);

    app.frame().resize(120, 100);
    QApplication::processEvents();
    EXPECT_GE(planner->width(), planner->widget()->minimumSizeHint().width());
    EXPECT_TRUE(area->verticalScrollBar()->isVisible() || area->horizontalScrollBar()->isVisible());
}

} // namespace
