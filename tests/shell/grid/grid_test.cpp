// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/keyfilters.h"
#include "shell/grid/grid.h"

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QKeyEvent>
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

class GridTest : public ::testing::Test
{
protected:
    GridTest() : grid(&model)
    {
        model.setRows(26);
        for (int row = 0; row < model.rows(); ++row)
            for (int column = 0; column < model.columns(); ++column)
                model.setText(row, column, cellName(row, column));
        grid.resize(700, 300);
        grid.show();
    }

    ScheduleModel model;
    Grid grid;
};

TEST_F(GridTest, RowZeroIsTheHeadingAndTheBodyFollows)
{
    EXPECT_EQ(model.rowCount(), 25);
    EXPECT_EQ(model.headerData(ScheduleModel::Balance, Qt::Horizontal).toString(), cellName(0, 3));
    EXPECT_EQ(model.data(model.index(0, ScheduleModel::Balance)).toString(), cellName(1, 3));
    model.setText(26, 0, "beyond");
    model.setText(1, ScheduleModel::ColumnCount, "beyond");
    EXPECT_EQ(model.text(26, 0), "");

    model.setRows(5);
    model.setRows(40);
    EXPECT_EQ(model.text(4, 5), cellName(4, 5));
    EXPECT_EQ(model.text(5, 0), "");
}

TEST_F(GridTest, ClearingABlockEmptiesExactlyItsCellsInOneStep)
{
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

TEST_F(GridTest, CurrentCellIsAlreadyNamedWhenItsChangeIsReported)
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

TEST_F(GridTest, ColumnsWidenInTwipsAndAlignTheirCells)
{
    grid.setColumnWidthTwips(1, 1500);
    grid.widenColumn(1, 1450);
    EXPECT_NEAR(grid.columnWidthTwips(1), 2950, 30);
    model.setColumnAlignment(ScheduleModel::Balance, Qt::AlignRight);
    EXPECT_EQ(model.data(model.index(3, ScheduleModel::Balance), Qt::TextAlignmentRole).toInt(),
              int(Qt::AlignRight | Qt::AlignVCenter));
}

TEST_F(GridTest, SharedColumnsGrowWithTheGridUntilTheUserDragsOne)
{
    grid.setColumnWidth(0, 60);
    grid.shareWidthFrom(1);
    grid.resize(700, 300);
    const int shared = grid.columnWidth(1);
    EXPECT_EQ(grid.columnWidth(2), shared);
    grid.resize(1000, 300);
    EXPECT_GT(grid.columnWidth(2), shared + 50);

    grid.horizontalHeader()->resizeSection(2, 40); // as a drag does
    grid.resize(1200, 300);
    EXPECT_EQ(grid.columnWidth(2), 40);
}

struct KeyCase
{
    const char* name;
    int startRow;
    Qt::Key key;
    char character; // typed text, 0 for none
    bool refuse;    // the planner's handler refuses every key
    int expectedRow;
    int offeredCode; // what the handler saw, -1 for nothing
};

class GridKeyTest : public GridTest, public ::testing::WithParamInterface<KeyCase>
{
};

TEST_P(GridKeyTest, OnlyEnterAndNavigationMoveTheCurrentCell)
{
    const KeyCase& c = GetParam();
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
    EXPECT_EQ(offered, c.offeredCode);
    EXPECT_EQ(model.text(4, ScheduleModel::Interest), cellName(4, 1));
}

INSTANTIATE_TEST_SUITE_P(
    Keys, GridKeyTest,
    ::testing::Values(KeyCase{"EnterMovesDown", 4, Qt::Key_Return, '\r', false, 5, KeyEnter},
                      KeyCase{"EnterStaysOnLastRow", 25, Qt::Key_Enter, '\r', false, 25, KeyEnter},
                      KeyCase{"RefusedEnterStays", 4, Qt::Key_Return, '\r', true, 4, KeyEnter},
                      KeyCase{"LetterDoesNotSearch", 4, Qt::Key_A, 'a', false, 4, 'a'},
                      KeyCase{"DigitOffered", 4, Qt::Key_5, '5', true, 4, '5'},
                      KeyCase{"DeleteOffered", 4, Qt::Key_Delete, 0, false, 4, KeyDelete},
                      KeyCase{"ArrowNavigates", 4, Qt::Key_Up, 0, true, 3, -1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LargeSchedule, FillsAndScrollsWithoutWidgetsPerCell)
{
    ScheduleModel model;
    Grid grid(&model);
    grid.resize(800, 400);
    grid.show();
    const qsizetype widgetsBefore = grid.findChildren<QWidget*>().size();

    // How fast this goes is measured by the mortgage window benchmark.
    model.setRows(2106);
    model.clearBody();
    for (int row = 1; row <= 2100; ++row)
        model.setRowTexts(
            row, {QString::number(row), "1,234.56", "345.67", "123,456.78", "98,765.43", "54,321.00"});
    grid.setCurrentCell(1, 0);
    grid.scrollToBottom();
    grid.grab();
    grid.verticalScrollBar()->setValue(grid.verticalScrollBar()->maximum() / 2);
    grid.grab();
    EXPECT_EQ(grid.findChildren<QWidget*>().size(), widgetsBefore);
    EXPECT_GT(grid.rowAt(grid.viewport()->height() / 2), 900);
}

TEST_F(GridTest, DraggedBlockCopiesPlainFiguresAndCopyAllTakesEveryShownRowBelowTheHeadings)
{
    model.setFigureColumn(ScheduleModel::Balance);
    model.setText(3, ScheduleModel::Balance, "$-1,234.50");
    const auto centre = [this](int row, int column) {
        return grid.visualRect(model.index(row - 1, column)).center();
    };
    QTest::mousePress(grid.viewport(), Qt::LeftButton, {}, centre(2, ScheduleModel::Principal));
    QTest::mouseMove(grid.viewport(), centre(3, ScheduleModel::Balance));
    QTest::mouseRelease(grid.viewport(), Qt::LeftButton, {}, centre(3, ScheduleModel::Balance));
    QTest::keyClick(&grid, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), "r2c2\tr2c3\nr3c2\t-1234.50\n");
    model.clearBlock({20, 25, 0, ScheduleModel::ColumnCount - 1}); // empty rows at the end are left out
    grid.copyAllWithHeadings();
    EXPECT_EQ(QApplication::clipboard()->text().count(u'\n'), 20);
    EXPECT_TRUE(QApplication::clipboard()->text().startsWith("r0c0\tr0c1\tr0c2\tr0c3\tr0c4\tr0c5\nr1c0\t"));
}

} // namespace
} // namespace tallyvane
