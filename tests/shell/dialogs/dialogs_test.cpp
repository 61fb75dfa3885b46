// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogtesting.h"
#include "scriptedservices.h"
#include "shell/dialogs/insertlinedialog.h"
#include "shell/dialogs/messagebox.h"
#include "shell/dialogs/printheaderdialog.h"
#include "shell/dialogs/recordnumberdialog.h"
#include "shell/dialogs/yesnodialog.h"
#include "shell/greenbox.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>

#include <gtest/gtest.h>

namespace tallyvane {
namespace {

using testing::closeWith;
using testing::showActive;

class DialogTest : public ::testing::Test
{
protected:
    SharedValues values;
    testing::ScriptedServices services;
};

TEST_F(DialogTest, RecordNumberPromptConsumesItsInputsOnLoad)
{
    values.recNumMode = 1;
    values.recNumPreset = 7;
    values.recNumSpot = 2;
    InRecNum deleting(values, services, nullptr);
    EXPECT_EQ(deleting.findChild<QLabel*>("Label1")->text(), " Type in record number    to delete ");
    EXPECT_EQ(deleting.box()->text(), "7");
    EXPECT_EQ(values.recNumMode, 0);
    EXPECT_EQ(values.recNumPreset, 0);
    EXPECT_EQ(values.recNumSpot, 0);

    InRecNum changing(values, services, nullptr);
    EXPECT_EQ(changing.findChild<QLabel*>("Label1")->text(), " Type in record number    to change.");
    EXPECT_EQ(changing.box()->text(), "");
}

TEST_F(DialogTest, ClipboardTextSurvivesEveryDialogsBoxes)
{
    QApplication::clipboard()->setText("copied elsewhere");
    InRecNum record(values, services, nullptr);
    FundCurValInput line(values, services, nullptr);
    PrinterHeaderInput header(values, services, nullptr);
    for (QDialog* dialog : std::initializer_list<QDialog*>{&record, &line, &header}) {
        ASSERT_TRUE(showActive(*dialog));
        QTest::mouseClick(dialog->findChild<GreenBox*>(), Qt::LeftButton);
        closeWith(*dialog, nullptr);
    }
    EXPECT_EQ(QApplication::clipboard()->text(), "copied elsewhere");
}

struct RecordNumberCase
{
    const char* name;
    int preset;
    const char* typed;
    const char* button; // nullptr: closed with Escape
    int expected;
};

class RecordNumberTest : public DialogTest, public ::testing::WithParamInterface<RecordNumberCase>
{
};

TEST_P(RecordNumberTest, LeavesTheNumber)
{
    const RecordNumberCase& c = GetParam();
    values.recNumPreset = static_cast<std::int16_t>(c.preset);
    InRecNum dialog(values, services, nullptr);
    ASSERT_TRUE(showActive(dialog));
    QTest::keyClicks(dialog.box(), QString::fromUtf8(c.typed));
    closeWith(dialog, c.button);
    EXPECT_EQ(values.recNumber, c.expected);
    // However it closed, the next green box starts a new figure.
    EXPECT_EQ(values.entryChanged, 0);
}

INSTANTIATE_TEST_SUITE_P(Answers, RecordNumberTest,
                         ::testing::Values(RecordNumberCase{"EmptyIsZero", 0, "", "Accept", 0},
                                           RecordNumberCase{"PresetTaken", 4, "", "Accept", 4},
                                           RecordNumberCase{"FirstKeyReplacesPreset", 4, "9", "Accept", 9},
                                           RecordNumberCase{"LettersRefused", 0, "1x2", "Accept", 12},
                                           RecordNumberCase{"TooLargeClamped", 0, "99999999999", "Accept",
                                                            32767},
                                           RecordNumberCase{"Cancel", 0, "12", "NoAccept", 0},
                                           RecordNumberCase{"Escape", 4, "12", nullptr, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(DialogTest, EnterInTheBoxMovesToOkAndEnterAgainAccepts)
{
    InRecNum dialog(values, services, nullptr);
    ASSERT_TRUE(showActive(dialog));
    QTest::keyClicks(dialog.box(), "3");
    QTest::keyClick(dialog.box(), Qt::Key_Return);
    ASSERT_EQ(QApplication::focusWidget(), dialog.findChild<QPushButton*>("Accept"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(values.recNumber, 3);
}

struct HeaderCase
{
    const char* name;
    const char* typed;
    const char* button; // nullptr: closed with Escape
    const char* expected;
    bool cancelled;
};

class PrintHeaderTest : public DialogTest, public ::testing::WithParamInterface<HeaderCase>
{
};

TEST_P(PrintHeaderTest, LeavesTheHeader)
{
    const HeaderCase& c = GetParam();
    PrinterHeaderInput dialog(values, services, nullptr);
    ASSERT_TRUE(showActive(dialog));
    QTest::keyClicks(dialog.box(), QString::fromUtf8(c.typed));
    closeWith(dialog, c.button);
    EXPECT_EQ(values.printHeader, QString::fromUtf8(c.expected));
    EXPECT_EQ(printHeaderCancelled(values), c.cancelled);
}

INSTANTIATE_TEST_SUITE_P(Answers, PrintHeaderTest,
                         ::testing::Values(HeaderCase{"Typed", "Budget 2024", "Acept", "Budget 2024", false},
                                           HeaderCase{"DoubleQuoteRefused", "My \"home\"", "Acept", "My home",
                                                      false},
                                           HeaderCase{"OneReadsAsCancel", "1", "Acept", "1", true},
                                           HeaderCase{"Escape", "Budget", nullptr, "1", true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(DialogTest, LineNumberPromptOffersItsPresetOnce)
{
    values.plannerMode = 2;
    values.recNumPreset = 6;
    FundCurValInput dialog(values, services, nullptr);
    EXPECT_EQ(values.recNumPreset, 0);
    ASSERT_TRUE(showActive(dialog));
    closeWith(dialog, "Accept");
    EXPECT_EQ(values.insertLineText, "6");

    FundCurValInput again(values, services, nullptr);
    ASSERT_TRUE(showActive(again));
    QTest::keyClicks(again.box(), "12");
    closeWith(again, "NoAccept");
    EXPECT_EQ(values.insertLineText, "");
}

struct YesNoCase
{
    const char* name;
    const char* button; // nullptr: closed with Escape
    int expected;
};

class YesNoTest : public DialogTest, public ::testing::WithParamInterface<YesNoCase>
{
};

TEST_P(YesNoTest, LeavesTheAnswer)
{
    values.yesNoState = Question::SaveBeforeErasing;
    AllYesNo dialog(values, nullptr);
    ASSERT_TRUE(showActive(dialog));
    closeWith(dialog, GetParam().button);
    EXPECT_EQ(values.yesNoState, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Answers, YesNoTest,
                         ::testing::Values(YesNoCase{"Yes", "AllYes", AnswerYes},
                                           YesNoCase{"No", "AllNo", AnswerNo},
                                           YesNoCase{"Escape", nullptr, Question::SaveBeforeErasing}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace tallyvane
