#include "core/keyfilters.h"
#include "shell/grid/grid.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <iostream>

namespace tallyvane {
namespace {

// The way a planner declares its grid's columns.
class ScheduleModel : public GridModel
{
public:
    enum Column
    {
        Payment,
        Interest,
        Principal,
        Balance,
        CumulativeInterest,
        CumulativePrincipal,
        ColumnCount
    };

    ScheduleModel() : GridModel(ColumnCount) {}
};

QString cellName(int row, int column)
{
    return QStringLiteral("r%1c%2").arg(row).arg(column);
}

void fillEveryCell(GridModel& model)
{
    for (int row = 0; row < model.rows(); ++row)
        for (int column = 0; column < model.columns(); ++column)
            model.setText(row, column, cellName(row, column));
}

class GridTest : public ::testing::Test
{
protected:
    GridTest() : grid(&model)
    {
        model.setRows(26);
        model.setHeadings({"Payment", "Interest Payment", "Principal Payment", "Remaining Balance",
                           "Cumulative Interest", "Cumulative Principal"});
        grid.resize(700, 300);
        grid.show();
    }

    ScheduleModel model;
    Grid grid;
};

TEST_F(GridTest, RowZeroIsTheFixedHeadingAndTheRestTheBody)
{
    EXPECT_EQ(model.rows(), 26);
    EXPECT_EQ(model.lastRow(), 25);
    EXPECT_EQ(model.columns(), 6);
    EXPECT_EQ(model.rowCount(), 25);
    EXPECT_EQ(model.headerData(ScheduleModel::Balance, Qt::Horizontal).toString(), "Remaining Balance");

    model.setText(1, ScheduleModel::Interest, "812.50");
    model.setText(25, ScheduleModel::Payment, "last");
    EXPECT_EQ(model.data(model.index(0, ScheduleModel::Interest)).toString(), "812.50");
    EXPECT_EQ(model.text(25, ScheduleModel::Payment), "last");
    EXPECT_EQ(model.text(1, ScheduleModel::Principal), "");

    // Outside the grid nothing is written and nothing read.
    model.setText(26, 0, "beyond");
    model.setText(1, ScheduleModel::ColumnCount, "beyond");
    EXPECT_EQ(model.text(26, 0), "");
    EXPECT_EQ(model.text(-1, 0), "");
}

TEST_F(GridTest, ChangingTheRowCountKeepsTheRowsThatStay)
{
    fillEveryCell(model);
    model.setRows(5);
    EXPECT_EQ(model.text(4, 5), cellName(4, 5));
    model.setRows(40);
    EXPECT_EQ(model.text(4, 5), cellName(4, 5));
    EXPECT_EQ(model.text(5, 0), "");
    EXPECT_EQ(model.text(0, 1), cellName(0, 1));
    model.setRows(0);
    EXPECT_EQ(model.rows(), 1);
}

TEST_F(GridTest, ClearingABlockEmptiesExactlyItsCells)
{
    fillEveryCell(model);
    QSignalSpy changes(&model, &QAbstractItemModel::dataChanged);
    model.clearBlock({2, 3, ScheduleModel::Interest, ScheduleModel::Principal});
    EXPECT_EQ(changes.count(), 1);
    for (int row = 0; row < model.rows(); ++row)
        for (int column = 0; column < model.columns(); ++column) {
            const bool inBlock = row >= 2 && row <= 3 && column >= 1 && column <= 2;
            EXPECT_EQ(model.text(row, column), inBlock ? QString() : cellName(row, column))
                << row << "," << column;
        }

    model.clearBody();
    EXPECT_EQ(model.text(25, 5), "");
    EXPECT_EQ(model.text(0, 5), cellName(0, 5));
}

TEST_F(GridTest, ColumnAlignmentAppliesToBodyCells)
{
    model.setColumnAlignment(ScheduleModel::Balance, Qt::AlignRight);
    const auto alignmentOf = [this](int column) {
        return Qt::Alignment(model.data(model.index(3, column), Qt::TextAlignmentRole).toInt());
    };
    EXPECT_EQ(alignmentOf(ScheduleModel::Balance), Qt::AlignRight | Qt::AlignVCenter);
    EXPECT_EQ(alignmentOf(ScheduleModel::Payment), Qt::AlignLeft | Qt::AlignVCenter);
}

TEST_F(GridTest, CurrentCellIsReadInGridRowsWhenTheChangeIsReported)
{
    std::vector<std::pair<int, int>> reported;
    QObject::connect(&grid, &Grid::currentCellChanged, [&](int row, int column) {
        EXPECT_EQ(grid.currentRow(), row);
        EXPECT_EQ(grid.currentColumn(), column);
        reported.emplace_back(row, column);
    });
    grid.setCurrentCell(3, ScheduleModel::Balance);
    EXPECT_TRUE(grid.isCurrentCellSelected());
    grid.setCurrentCell(0, 0); // the heading row is never current
    grid.setCurrentCell(26, 0);
    EXPECT_EQ(reported, (std::vector<std::pair<int, int>>{{3, ScheduleModel::Balance}}));
}

TEST_F(GridTest, ColumnWidthsAndHeadingHeightInTwips)
{
    grid.setColumnWidthTwips(1, 1500);
    EXPECT_NEAR(grid.columnWidthTwips(1), 1500, 15);
    grid.widenColumn(1, 1450);
    EXPECT_NEAR(grid.columnWidthTwips(1), 2950, 30);
    grid.widenColumn(1, -100);
    EXPECT_NEAR(grid.columnWidthTwips(1), 2850, 45);
    grid.setHeadingHeightTwips(510);
    EXPECT_EQ(grid.horizontalHeader()->height(), grid.logicalDpiY() * 510 / 1440);
}

struct KeyCase
{
    const char* name;
    int startRow;
    Qt::Key key;
    char character; // typed text, 0 for none
    bool refuse;    // the planner's handler refuses every key
    int expectedRow;
    int expectedCode; // what the handler was offered, -1 for nothing
};

class GridKeyTest : public GridTest, public ::testing::WithParamInterface<KeyCase>
{
};

TEST_P(GridKeyTest, OnlyEnterAndNavigationMoveTheCurrentCell)
{
    const KeyCase& c = GetParam();
    fillEveryCell(model);
    model.setText(9, ScheduleModel::Interest, "apple");
    int offered = -1;
    grid.setKeyHandler([&](int code) {
        offered = code;
        return c.refuse ? KeyRefused : code;
    });
    grid.setCurrentCell(c.startRow, ScheduleModel::Interest);
    const QString text = c.character ? QString(QChar(c.character)) : QString();
    QKeyEvent press(QEvent::KeyPress, c.key, Qt::NoModifier, text);
    QApplication::sendEvent(&grid, &press);

    EXPECT_EQ(grid.currentRow(), c.expectedRow);
    EXPECT_EQ(grid.currentColumn(), ScheduleModel::Interest);
    EXPECT_EQ(offered, c.expectedCode);
    EXPECT_EQ(model.text(c.startRow, ScheduleModel::Interest),
              c.startRow == 9 ? QString("apple") : cellName(c.startRow, 1));
}

INSTANTIATE_TEST_SUITE_P(
    Keys, GridKeyTest,
    ::testing::Values(KeyCase{"EnterMovesDown", 4, Qt::Key_Return, '\r', false, 5, KeyEnter},
                      KeyCase{"KeypadEnterMovesDown", 4, Qt::Key_Enter, '\r', false, 5, KeyEnter},
                      KeyCase{"EnterStaysOnLastRow", 25, Qt::Key_Return, '\r', false, 25, KeyEnter},
                      KeyCase{"RefusedEnterStays", 4, Qt::Key_Return, '\r', true, 4, KeyEnter},
                      KeyCase{"LetterDoesNotSearch", 4, Qt::Key_A, 'a', false, 4, 'a'},
                      KeyCase{"RefusedLetterStays", 4, Qt::Key_A, 'a', true, 4, 'a'},
                      KeyCase{"DigitOffered", 4, Qt::Key_5, '5', false, 4, '5'},
                      KeyCase{"BackspaceOffered", 9, Qt::Key_Backspace, '\b', false, 9, KeyBackspace},
                      KeyCase{"DeleteOffered", 9, Qt::Key_Delete, 0, false, 9, KeyDelete},
                      KeyCase{"ArrowNavigates", 4, Qt::Key_Down, 0, false, 5, -1},
                      KeyCase{"ArrowUpNavigates", 4, Qt::Key_Up, 0, true, 3, -1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(GridWithoutHandler, EnterStillMovesOneRowDown)
{
    ScheduleModel model;
    model.setRows(5);
    Grid grid(&model);
    grid.setCurrentCell(2, 0);
    QTest::keyClick(&grid, Qt::Key_Return);
    EXPECT_EQ(grid.currentRow(), 3);
    QTest::keyClick(&grid, Qt::Key_X);
    EXPECT_EQ(grid.currentRow(), 3);
}

TEST(LargeSchedule, FillsAndScrollsWithoutWidgetsPerCell)
{
    ScheduleModel model;
    Grid grid(&model);
    grid.resize(800, 400);
    grid.show();
    const qsizetype widgetsBefore = grid.findChildren<QWidget*>().size();

    QElapsedTimer timer;
    timer.start();
    model.setRows(2106);
    model.clearBody();
    for (int row = 1; row <= 2100; ++row)
        model.setRowTexts(
            row, {QString::number(row), "1,234.56", "345.67", "123,456.78", "98,765.43", "54,321.00"});
    model.setText(2102, ScheduleModel::Payment, "Total:");
    grid.setCurrentCell(1, 0);
    const qint64 fillMs = timer.elapsed();

    timer.restart();
    grid.scrollToBottom();
    const QPixmap bottom = grid.grab();
    grid.verticalScrollBar()->setValue(grid.verticalScrollBar()->maximum() / 2);
    const QPixmap middle = grid.grab();
    const qint64 scrollMs = timer.elapsed();
    std::cout << "fill " << fillMs << " ms, scroll and paint " << scrollMs << " ms\n";

    EXPECT_LT(fillMs, 250);
    EXPECT_LT(scrollMs, 250);
    EXPECT_EQ(grid.findChildren<QWidget*>().size(), widgetsBefore);
    EXPECT_EQ(model.text(2102, 0), "Total:");
    EXPECT_FALSE(bottom.isNull() || middle.isNull());
    EXPECT_GT(grid.rowAt(grid.viewport()->height() / 2), 900);
}

} // namespace
} // namespace tallyvane
