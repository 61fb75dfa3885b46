// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/keyfilters.h"
#include "networth/celleditor.h"

#include <gtest/gtest.h>

namespace tallyvane {
namespace {

constexpr int Name = CellTable::NameColumn;
constexpr int Value = CellTable::ValueColumn;

struct KeyCase
{
    const char* name;
    int row;
    int column;
    const char* gridText; // what the grid showed before the keys
    const char* keys;     // typed one character at a time
    CellKeyAction lastAction;
    CellValue cell;
    const char* shown; // nullptr: the cell was never rewritten
};

class NetWorthCellEntry : public testing::TestWithParam<KeyCase>
{
};

TEST_P(NetWorthCellEntry, AppliesTheKeysOneByOne)
{
    const KeyCase& test = GetParam();
    CellTable cells;
    CellEditor editor(cells);
    editor.moveTo(test.row, test.column);
    QString gridText = QString::fromUtf8(test.gridText);
    CellKeyAction action = CellKeyAction::Ignored;
    bool rewritten = false;
    for (const QChar key : QString::fromUtf8(test.keys)) {
        action = editor.typeKey(key.unicode(), gridText);
        if (action == CellKeyAction::Rewritten) {
            gridText = editor.shownText();
            rewritten = true;
        }
    }
    EXPECT_EQ(action, test.lastAction);
    if (CellTable::isInside(test.row, test.column)) {
        EXPECT_EQ(cells.at(test.row, test.column), test.cell);
    }
    if (test.shown)
        EXPECT_EQ(gridText, QString::fromUtf8(test.shown));
    else
        EXPECT_FALSE(rewritten);
}

const CellValue Unset;
CellValue number(double value)
{
    return CellValue::fromNumber(value);
}
CellValue text(const char* value)
{
    return CellValue::fromText(QString::fromUtf8(value));
}

INSTANTIATE_TEST_SUITE_P(
    NetWorth, NetWorthCellEntry,
    testing::Values(
        KeyCase{"FigureWithThousands", 4, Value, "", "1234.5", CellKeyAction::Rewritten, number(1234.5),
                "1,234.50"},
        KeyCase{"ThirdDecimalIgnored", 4, Value, "", "12.345", CellKeyAction::Ignored, number(12.34),
                "12.34"},
        KeyCase{"LetterRefusedInValue", 4, Value, "", "7a", CellKeyAction::Refused, number(7), "7.00"},
        KeyCase{"SecondPeriodReadsUpToIt", 4, Value, "", "1.5.", CellKeyAction::Rewritten, number(1.5),
                "1.50"},
        KeyCase{"BackspaceEmptiesValue", 4, Value, "", "12\b", CellKeyAction::Rewritten, text(""), ""},
        KeyCase{"FigureBeyondMoneyRefused", 4, Value, "", "999999999999999", CellKeyAction::Refused,
                number(99999999999999), "99,999,999,999,999.00"},
        KeyCase{"Name", 2, Name, "", "Car", CellKeyAction::Rewritten, text("Car"), "Car"},
        KeyCase{"NameKeepsAnyPrintable", 2, Name, "", "Café, 2", CellKeyAction::Rewritten, text("Café, 2"),
                "Café, 2"},
        KeyCase{"QuoteRefusedInName", 2, Name, "", "Ca\"", CellKeyAction::Refused, text("Ca"), "Ca"},
        KeyCase{"QuoteRefusedInValue", 2, Value, "", "\"", CellKeyAction::Refused, Unset, nullptr},
        KeyCase{"ControlCharacterRefusedInName", 2, Name, "", "A\n", CellKeyAction::Refused, text("A"), "A"},
        KeyCase{"BackspaceEditsShownName", 2, Name, "Home", "\b", CellKeyAction::Rewritten, text("Hom"),
                "Hom"},
        KeyCase{"EnterMovesDown", 2, Name, "", "\r", CellKeyAction::MoveDown, Unset, nullptr},
        KeyCase{"RowThirtyTakesKeys", 30, Name, "", "Z", CellKeyAction::Rewritten, text("Z"), "Z"},
        KeyCase{"RowThirtyOneHitsTheLimit", 31, Name, "", "Z", CellKeyAction::RowLimit, Unset, nullptr},
        KeyCase{"HeadingRowIgnored", 0, Name, "", "Z", CellKeyAction::Ignored, Unset, nullptr}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(NetWorthCellEntry, NameKeysBeyondTheLimitAreRefused)
{
    CellTable cells;
    CellEditor editor(cells);
    editor.moveTo(2, Name);
    for (int i = 1; i < NetWorthNameLimit; ++i)
        ASSERT_EQ(editor.typeKey('a', QString()), CellKeyAction::Rewritten);
    // A character outside the basic plane takes two places and no longer fits.
    EXPECT_EQ(editor.typeKey(0x1F600, QString()), CellKeyAction::Refused);
    EXPECT_EQ(editor.typeKey('z', QString()), CellKeyAction::Rewritten);
    EXPECT_EQ(editor.typeKey('z', QString()), CellKeyAction::Refused);
    EXPECT_EQ(cells.name(2).text(), QString(NetWorthNameLimit - 1, u'a') + u'z');
    EXPECT_EQ(editor.typeKey(KeyBackspace, editor.shownText()), CellKeyAction::Rewritten);
}

TEST(NetWorthCellEntry, FirstKeyAfterMovingReplacesTheCell)
{
    CellTable cells;
    CellEditor editor(cells);
    editor.moveTo(3, Value);
    editor.typeKey('1', QString());
    editor.typeKey('2', QString());
    editor.moveTo(3, Value);
    editor.typeKey('5', QString());
    EXPECT_EQ(cells.value(3), number(5));
}

TEST(NetWorthCellEntry, DeleteClearsToEmptyText)
{
    CellTable cells;
    CellEditor editor(cells);
    editor.moveTo(3, Value);
    editor.typeKey('8', QString());
    editor.clearCell();
    EXPECT_EQ(cells.value(3), text(""));
    EXPECT_TRUE(editor.shownText().isEmpty());
    editor.typeKey('9', QString()); // the buffer went with the figure
    EXPECT_EQ(cells.value(3), number(9));

    editor.moveTo(33, Name); // a grid row past the table
    editor.clearCell();
    EXPECT_TRUE(cells.isRowBlank(31));
}

} // namespace
} // namespace tallyvane
