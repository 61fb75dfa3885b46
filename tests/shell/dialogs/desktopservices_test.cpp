#include "dialogtesting.h"
#include "shell/desktopservices.h"
#include "shell/greenbox.h"

#include <QFileDialog>
#include <QPlainTextEdit>

#include <gtest/gtest.h>

namespace tallyvane {
namespace {

using testing::clickButton;
using testing::whenModalShown;

// The real doorway shows each dialog modally over the frame and returns once
// the user has answered.
class DesktopServicesTest : public ::testing::Test
{
protected:
    DesktopServicesTest() : services(&frame) { frame.show(); }

    QWidget frame;
    DesktopServices services;
    SharedValues values;
};

TEST_F(DesktopServicesTest, MessageWaitsForExit)
{
    QString shown;
    whenModalShown([&shown](QWidget& dialog) {
        shown = dialog.findChild<QPlainTextEdit*>("TextMsg")->toPlainText();
        clickButton(dialog, "AMsgExit");
    });
    services.showMessage(values, 2);
    EXPECT_EQ(shown, "No data to graph. Calculate.");
}

TEST_F(DesktopServicesTest, RecordNumberIsTypedAndAccepted)
{
    values.recNumPreset = 3;
    whenModalShown([](QWidget& dialog) {
        QTest::keyClicks(dialog.findChild<GreenBox*>("CurVal"), "42");
        clickButton(dialog, "Accept");
    });
    services.askRecordNumber(values);
    EXPECT_EQ(values.recNumber, 42);
    EXPECT_EQ(values.recNumPreset, 0);
}

TEST_F(DesktopServicesTest, QuestionAnsweredYes)
{
    values.yesNoState = 1;
    whenModalShown([](QWidget& dialog) { clickButton(dialog, "AllYes"); });
    services.askYesNo(values);
    EXPECT_EQ(values.yesNoState, AnswerYes);
}

TEST_F(DesktopServicesTest, HeaderAndLineNumberPromptsAnswer)
{
    whenModalShown([](QWidget& dialog) {
        QTest::keyClicks(dialog.findChild<GreenBox*>("InFName"), "Plan");
        clickButton(dialog, "Acept");
    });
    services.askPrintHeader(values);
    EXPECT_EQ(values.printHeader, "Plan");

    whenModalShown([](QWidget& dialog) { clickButton(dialog, "NoAccept"); });
    services.askInsertLine(values);
    EXPECT_EQ(values.insertLineText, "");
}

TEST_F(DesktopServicesTest, FileDialogCancelledGivesNine)
{
    values.fileMode = 6;
    QFileDialog::AcceptMode acceptMode = QFileDialog::AcceptOpen;
    QStringList filters;
    whenModalShown([&](QWidget& shown) {
        auto* dialog = qobject_cast<QFileDialog*>(&shown);
        ASSERT_NE(dialog, nullptr);
        acceptMode = dialog->acceptMode();
        filters = dialog->nameFilters();
        dialog->reject();
    });
    services.chooseFile(values);
    EXPECT_EQ(acceptMode, QFileDialog::AcceptSave);
    EXPECT_EQ(filters, QStringList{"Mortgage Database (*.umd)"});
    EXPECT_EQ(values.fileMode, FileModeCancelled);
    EXPECT_EQ(values.filePicked, "");
}

} // namespace
} // namespace tallyvane
