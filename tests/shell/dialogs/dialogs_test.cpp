#include "dialogtesting.h"
#include "scriptedservices.h"
#include "shell/dialogs/insertlinedialog.h"
#include "shell/dialogs/messagebox.h"
#include "shell/dialogs/printheaderdialog.h"
#include "shell/dialogs/recordnumberdialog.h"
#include "shell/dialogs/yesnodialog.h"
#include "shell/greenbox.h"

#include <QLabel>
#include <QPlainTextEdit>

#include <gtest/gtest.h>

#include <memory>

namespace tallyvane {
namespace {

using testing::clickButton;
using testing::showActive;

QString buttonText(QWidget& dialog, const char* name)
{
    return dialog.findChild<QPushButton*>(QLatin1String(name))->text();
}

QString labelText(QWidget& dialog, const char* name)
{
    return dialog.findChild<QLabel*>(QLatin1String(name))->text();
}

class DialogTest : public ::testing::Test
{
protected:
    SharedValues values;
    testing::ScriptedServices services;
};

TEST_F(DialogTest, MessageBoxShowsTheNumberedMessageUntilExit)
{
    values.msgNumber = Message::WrongEntryWithDetail;
    values.msgDetail = QStringLiteral("in Box 4");
    AMsgbox dialog(values, nullptr);
    ASSERT_TRUE(showActive(dialog));
    EXPECT_EQ(dialog.windowTitle(), "Help");
    EXPECT_EQ(dialog.findChild<QPlainTextEdit*>("TextMsg")->toPlainText(), "Wrong entry in Box 4");
    EXPECT_EQ(buttonText(dialog, "AMsgExit"), "E&xit");
    QTest::keyClick(&dialog, Qt::Key_Return);
    EXPECT_FALSE(dialog.isVisible());
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
    EXPECT_EQ(dialog.windowTitle(), "Help");
    EXPECT_TRUE(labelText(dialog, "Label1").startsWith(" file in memory"));
    EXPECT_EQ(buttonText(dialog, "AllNo"), "&No");
    EXPECT_EQ(buttonText(dialog, "AllYes"), "&Yes");
    if (GetParam().button)
        clickButton(dialog, GetParam().button);
    else
        QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(values.yesNoState, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Answers, YesNoTest,
                         ::testing::Values(YesNoCase{"Yes", "AllYes", AnswerYes},
                                           YesNoCase{"No", "AllNo", AnswerNo},
                                           YesNoCase{"Escape", nullptr, Question::SaveBeforeErasing}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(DialogTest, RecordNumberPromptConsumesItsInputsOnLoad)
{
    values.recNumMode = 1;
    values.recNumPreset = 7;
    values.recNumSpot = 2;
    values.recNumber = 5;
    InRecNum dialog(values, services, nullptr);
    EXPECT_EQ(dialog.windowTitle(), "Input ");
    EXPECT_EQ(labelText(dialog, "Label1"), " Type in record number    to delete ");
    EXPECT_EQ(dialog.box()->text(), "7");
    EXPECT_EQ(values.recNumMode, 0);
    EXPECT_EQ(values.recNumPreset, 0);
    EXPECT_EQ(values.recNumSpot, 0);
    EXPECT_EQ(values.recNumber, 0);
    EXPECT_EQ(buttonText(dialog, "Accept"), "&OK");
    EXPECT_EQ(buttonText(dialog, "NoAccept"), "&Cancel");

    InRecNum changeDialog(values, services, nullptr);
    EXPECT_EQ(labelText(changeDialog, "Label1"), " Type in record number    to change.");
    EXPECT_EQ(changeDialog.box()->text(), "");
}

struct RecordNumberCase
{
    const char* name;
    int preset;
    const char* typed;
    const char* button; // nullptr: closed with Escape
    int expected;
    int beeps;
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
    if (c.button)
        clickButton(dialog, c.button);
    else
        QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(values.recNumber, c.expected);
    EXPECT_EQ(services.beeps, c.beeps);
}

INSTANTIATE_TEST_SUITE_P(Answers, RecordNumberTest,
                         ::testing::Values(RecordNumberCase{"Typed", 0, "12", "Accept", 12, 0},
                                           RecordNumberCase{"EmptyIsZero", 0, "", "Accept", 0, 0},
                                           RecordNumberCase{"PresetTaken", 4, "", "Accept", 4, 0},
                                           RecordNumberCase{"FirstKeyReplacesPreset", 4, "9", "Accept", 9, 0},
                                           RecordNumberCase{"LettersRefused", 0, "1x2", "Accept", 12, 1},
                                           RecordNumberCase{"LargestKept", 0, "32767", "Accept", 32767, 0},
                                           RecordNumberCase{"TooLargeClamped", 0, "99999999999", "Accept",
                                                            32767, 0},
                                           RecordNumberCase{"Cancel", 0, "12", "NoAccept", 0, 0},
                                           RecordNumberCase{"Escape", 4, "12", nullptr, 0, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(DialogTest, EnterInTheNumberBoxMovesToOk)
{
    InRecNum dialog(values, services, nullptr);
    ASSERT_TRUE(showActive(dialog));
    dialog.box()->setFocus();
    QTest::keyClicks(dialog.box(), "3");
    QTest::keyClick(dialog.box(), Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), dialog.findChild<QPushButton*>("Accept"));
    EXPECT_TRUE(dialog.isVisible());
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
    values.printHeader = QStringLiteral("old header");
    PrinterHeaderInput dialog(values, services, nullptr);
    ASSERT_TRUE(showActive(dialog));
    EXPECT_EQ(dialog.windowTitle(), "Input");
    EXPECT_EQ(labelText(dialog, "FName"), " Type in one line header information.");
    EXPECT_EQ(dialog.box()->objectName(), "InFName");
    EXPECT_EQ(dialog.box()->text(), "");
    EXPECT_EQ(buttonText(dialog, "Acept"), "Continue &Printout");
    EXPECT_EQ(buttonText(dialog, "NAcept"), "&Cancel");
    QTest::keyClicks(dialog.box(), QString::fromUtf8(c.typed));
    if (c.button)
        clickButton(dialog, c.button);
    else
        QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_EQ(values.printHeader, QString::fromUtf8(c.expected));
    EXPECT_EQ(printHeaderCancelled(values), c.cancelled);
}

INSTANTIATE_TEST_SUITE_P(Answers, PrintHeaderTest,
                         ::testing::Values(HeaderCase{"Typed", "Budget 2024", "Acept", "Budget 2024", false},
                                           HeaderCase{"Empty", "", "Acept", "", false},
                                           HeaderCase{"DoubleQuoteRefused", "My \"home\"", "Acept", "My home",
                                                      false},
                                           HeaderCase{"OneReadsAsCancel", "1", "Acept", "1", true},
                                           HeaderCase{"Cancel", "Budget", "NAcept", "1", true},
                                           HeaderCase{"Escape", "Budget", nullptr, "1", true}),
                         [](const auto& info) { return std::string(info.param.name); });

struct InsertLineCase
{
    const char* name;
    int preset;
    const char* typed;
    const char* button;
    const char* expected;
};

class InsertLineTest : public DialogTest, public ::testing::WithParamInterface<InsertLineCase>
{
};

TEST_P(InsertLineTest, LeavesTheTypedText)
{
    const InsertLineCase& c = GetParam();
    values.plannerMode = 2;
    values.recNumPreset = static_cast<std::int16_t>(c.preset);
    values.insertLineText = QStringLiteral("old");
    FundCurValInput dialog(values, services, nullptr);
    EXPECT_EQ(values.recNumPreset, 0);
    ASSERT_TRUE(showActive(dialog));
    EXPECT_EQ(dialog.windowTitle(), "Input ");
    EXPECT_EQ(labelText(dialog, "Label1"), " Insert a blank line at line      number ");
    QTest::keyClicks(dialog.box(), QString::fromUtf8(c.typed));
    clickButton(dialog, c.button);
    EXPECT_EQ(values.insertLineText, QString::fromUtf8(c.expected));
}

INSTANTIATE_TEST_SUITE_P(Answers, InsertLineTest,
                         ::testing::Values(InsertLineCase{"PresetTaken", 6, "", "Accept", "6"},
                                           InsertLineCase{"Typed", 6, "12", "Accept", "12"},
                                           InsertLineCase{"NoPresetEmpty", 0, "", "Accept", ""},
                                           InsertLineCase{"Cancel", 6, "12", "NoAccept", ""}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace tallyvane
