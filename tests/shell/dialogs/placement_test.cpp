// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogtesting.h"
#include "scriptedservices.h"
#include "shell/dialogs/insertlinedialog.h"
#include "shell/dialogs/messagebox.h"
#include "shell/dialogs/printheaderdialog.h"
#include "shell/dialogs/recordnumberdialog.h"
#include "shell/dialogs/yesnodialog.h"
#include "shell/placement.h"

#include <gtest/gtest.h>

#include <memory>

namespace tallyvane {
namespace {

using DialogFactory = std::unique_ptr<QDialog> (*)(SharedValues&, UiServices&, QWidget*);

template <typename Dialog>
std::unique_ptr<QDialog> plainDialog(SharedValues& values, UiServices&, QWidget* frame)
{
    return std::make_unique<Dialog>(values, frame);
}

template <typename Dialog>
std::unique_ptr<QDialog> promptDialog(SharedValues& values, UiServices& services, QWidget* frame)
{
    return std::make_unique<Dialog>(values, services, frame);
}

struct PlacementCase
{
    const char* name;
    DialogFactory make;
    std::int32_t frameHeightMark;
    std::int16_t recNumSpot;
    QPoint offsetTwips;
};

class DialogPlacementTest : public ::testing::TestWithParam<PlacementCase>
{
};

TEST_P(DialogPlacementTest, SitsAtItsOffsetFromTheFrameCorner)
{
    const PlacementCase& c = GetParam();
    SharedValues values;
    values.frameHeightMark = c.frameHeightMark;
    values.recNumSpot = c.recNumSpot;
    testing::ScriptedServices services;
    QWidget frame;
    frame.setGeometry(40, 30, 640, 460);
    frame.show();
    const QPoint corner = frame.frameGeometry().topLeft();

    std::unique_ptr<QDialog> dialog = c.make(values, services, &frame);
    dialog->show();
    const QPoint expected = corner + QPoint(twipsToPixels(c.offsetTwips.x(), dialog->logicalDpiX()),
                                            twipsToPixels(c.offsetTwips.y(), dialog->logicalDpiY()));
    EXPECT_EQ(dialog->pos(), expected);
    EXPECT_EQ(values.recNumSpot, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Offsets, DialogPlacementTest,
    ::testing::Values(
        PlacementCase{"MessageSmall", plainDialog<AMsgbox>, SmallFrameMark, 0, {3600, 2000}},
        PlacementCase{"MessageLarge", plainDialog<AMsgbox>, LargeFrameMark, 0, {4650, 3000}},
        PlacementCase{"YesNoSmall", plainDialog<AllYesNo>, SmallFrameMark, 0, {3500, 2000}},
        PlacementCase{"HeaderLarge", promptDialog<PrinterHeaderInput>, LargeFrameMark, 0, {4500, 4000}},
        PlacementCase{"InsertLineSmall", promptDialog<FundCurValInput>, SmallFrameMark, 0, {3340, 3450}},
        PlacementCase{"RecordIncomeLarge", promptDialog<InRecNum>, LargeFrameMark, 1, {1630, 5860}},
        PlacementCase{"RecordExpenseSmall", promptDialog<InRecNum>, SmallFrameMark, 2, {7000, 4800}},
        PlacementCase{"RecordNoSpotAsIncome", promptDialog<InRecNum>, SmallFrameMark, 0, {550, 4800}}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace tallyvane
