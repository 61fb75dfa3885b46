// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/safefile.h"
#include "core/savefault.h"
#include "dialogtesting.h"
#include "shell/desktopservices.h"
#include "shell/greenbox.h"
#include "shell/printpreview.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace tallyvane {
namespace {

using testing::closeWith;
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

TEST_F(DesktopServicesTest, PrintToFileOnAFullDiskKeepsTheEarlierFileByteForByteAndShowsWhy)
{
    QTemporaryDir folder;
    QPrinter printer;
    printer.setOutputFileName(folder.filePath(QStringLiteral("HOME.BGT")));
    ASSERT_TRUE(saveFileSafely(printer.outputFileName(), "budget\r\n"));
    const ScopedSaveFault diskFull(SaveFault::at(SaveFault::Step::Write, 4096));
    QString shown;
    whenModalShown([&shown](QWidget& box) {
        shown = qobject_cast<QMessageBox*>(&box)->text();
        box.close();
    });
    const auto savePdf = [](const QString& path, const QPageSize&, const PrintRun&) {
        return saveFileWithOutcome(path, QByteArray(9999, '%'));
    };
    printOnPrinter(
        printer, [](QPrinter&) { ADD_FAILURE() << "painted on the printer itself"; }, savePdf, &frame);
    EXPECT_TRUE(shown.endsWith(QStringLiteral("\nThe disk is full."))) << shown.toStdString();
    EXPECT_EQ(readSmallFile(printer.outputFileName()), "budget\r\n");
}

TEST_F(DesktopServicesTest, MessageWaitsForExit)
{
    QString shown;
    whenModalShown([&shown](QWidget& dialog) {
        shown = dialog.findChild<QPlainTextEdit*>("TextMsg")->toPlainText();
        QTest::keyClick(&dialog, Qt::Key_Return);
    });
    services.showMessage(values, 2);
    EXPECT_EQ(shown, "No data to graph. Calculate.");
}

TEST_F(DesktopServicesTest, RecordNumberIsTypedAndAccepted)
{
    values.recNumPreset = 3;
    whenModalShown([](QWidget& dialog) {
        QTest::keyClicks(dialog.findChild<GreenBox*>("CurVal"), "42");
        closeWith(dialog, "Accept");
    });
    services.askRecordNumber(values);
    EXPECT_EQ(values.recNumber, 42);
}

TEST_F(DesktopServicesTest, FileDialogOfTheRequestCancelledGivesNine)
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
