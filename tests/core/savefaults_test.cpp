#include "budget/budgetfile.h"
#include "core/messages.h"
#include "core/plannererror.h"
#include "core/safefile.h"
#include "core/savefault.h"
#include "core/settingsfile.h"
#include "mortgage/mortgagefile.h"
#include "networth/networthfile.h"
#include "printers.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

namespace tallyvane {
namespace {

constexpr char previousBytes[] = "previous file\r\n\x00\xff\"kept\"\r\n";
const QByteArray previousContent(previousBytes, sizeof previousBytes - 1);

QByteArray contentOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

QStringList entriesOf(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

void putFile(const QString& path, const QByteArray& content)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(file.write(content), content.size());
}

// A mortgage or loan file that cannot be written raises the message the
// window shows; the other writers answer false.
bool savesMortgage(const QString& path, LoanKind kind, const char* reason = nullptr)
{
    MortgagePlan plan;
    plan.loanKind = kind;
    plan.principal = Money::fromWhole(150000);
    plan.annualRatePercent = Money::fromWhole(7);
    plan.termYears = Money::fromWhole(20);
    try {
        writeMortgageFile(path, plan);
        return true;
    } catch (const PlannerError& error) {
        EXPECT_EQ(error.messageNumber(),
                  kind == LoanKind::Mortgage ? Message::BadMortgageFileName : Message::BadLoanFileName);
        if (reason) {
            EXPECT_EQ(error.messageText(), messageText(error.messageNumber()) + u'\n' + reason);
        }
        return false;
    }
}

bool savesBudget(const QString& path)
{
    BudgetList income;
    income.appendRecord({.number = 1,
                         .description = QStringLiteral("Salary"),
                         .annualAmount = Money::fromWhole(39000),
                         .paymentsPerYear = Money::fromWhole(12),
                         .annualBudgeted = Money::fromWhole(39000)});
    BudgetList expenses;
    expenses.appendRecord({.number = 1,
                           .description = QStringLiteral("Rent"),
                           .annualAmount = Money::fromWhole(10800),
                           .paymentsPerYear = Money::fromWhole(12),
                           .annualBudgeted = Money::fromWhole(10800)});
    return writeBudgetFile(path, income, expenses);
}

bool savesNetWorth(const QString& path)
{
    NetWorthSheet sheet;
    sheet.cells(NetWorthSide::Assets)
        .set(1, CellTable::NameColumn, CellValue::fromText(QStringLiteral("House")));
    sheet.cells(NetWorthSide::Assets).set(1, CellTable::ValueColumn, CellValue::fromNumber(250000));
    sheet.calculate();
    return saveNetWorthFile(path, sheet);
}

bool savesSettings(const QString& path)
{
    SharedValues values;
    values.currencySymbol = QStringLiteral("$");
    values.prtFontChoice = 2;
    values.userName = QStringLiteral("Jane Smith");
    return writeSettingsFile(path, values);
}

struct Writer
{
    const char* name;
    std::function<bool(const QString& path)> save;
};

struct Fault
{
    const char* name;
    // The fault for a file of `size` bytes.
    std::function<SaveFault(qint64 size)> forSize;
};

void PrintTo(const Writer& writer, std::ostream* out)
{
    *out << writer.name;
}

void PrintTo(const Fault& fault, std::ostream* out)
{
    *out << fault.name;
}

SaveFault failingAt(SaveFault::Step step, qint64 byte = 0)
{
    SaveFault fault;
    fault.failAt = step;
    fault.bytesBeforeFailure = byte;
    return fault;
}

SaveFault failingWriteAt(qint64 byte)
{
    return failingAt(SaveFault::Step::Write, byte);
}

class SaveFaultTest : public ::testing::TestWithParam<std::tuple<Writer, Fault>>
{
protected:
    QTemporaryDir m_folder;
};

TEST_P(SaveFaultTest, PreviousFileSurvivesByteForByteAndTheWriterSaysSo)
{
    const auto& [writer, fault] = GetParam();
    const QString path = m_folder.filePath(QStringLiteral("Home.dat"));
    const QString scratch = m_folder.filePath(QStringLiteral("size.dat"));
    ASSERT_TRUE(writer.save(scratch));
    const qint64 size = contentOf(scratch).size();
    ASSERT_TRUE(QFile::remove(scratch));
    putFile(path, previousContent);
    {
        const ScopedSaveFault failing(fault.forSize(size));
        EXPECT_FALSE(writer.save(path));
    }
    EXPECT_EQ(contentOf(path), previousContent);
    EXPECT_EQ(entriesOf(m_folder.path()), QStringList{QStringLiteral("Home.dat")});
    // Without the fault the same save goes through.
    EXPECT_TRUE(writer.save(path));
    EXPECT_EQ(contentOf(path).size(), size);
}

INSTANTIATE_TEST_SUITE_P(
    EveryWriter, SaveFaultTest,
    ::testing::Combine(
        ::testing::Values(
            Writer{"Budget", savesBudget}, Writer{"NetWorth", savesNetWorth},
            Writer{"Mortgage", [](const QString& path) { return savesMortgage(path, LoanKind::Mortgage); }},
            Writer{"Loan", [](const QString& path) { return savesMortgage(path, LoanKind::PersonalLoan); }},
            Writer{"Settings", savesSettings}),
        ::testing::Values(Fault{"WriteFailsAtTheFirstByte", [](qint64) { return failingWriteAt(0); }},
                          Fault{"WriteFailsAtTheSecondByte", [](qint64) { return failingWriteAt(1); }},
                          Fault{"WriteFailsHalfway", [](qint64 size) { return failingWriteAt(size / 2); }},
                          Fault{"WriteFailsAtTheLastByte",
                                [](qint64 size) { return failingWriteAt(size - 1); }},
                          Fault{"FlushFails", [](qint64) { return failingAt(SaveFault::Step::Flush); }},
                          Fault{"RenameFails", [](qint64) { return failingAt(SaveFault::Step::Rename); }})),
    [](const auto& info) {
        return std::string(std::get<0>(info.param).name) + std::get<1>(info.param).name;
    });

// The save message carries the reason, for the window and the calculator.
TEST(SaveFault, TheSaveMessageSaysWhy)
{
    const std::tuple<SaveFault::Step, SaveFailure, const char*> faults[] = {
        {SaveFault::Step::Write, SaveFailure::DiskFull, "The disk is full."},
        {SaveFault::Step::Open, SaveFailure::NotPermitted, "You may not write in this folder."},
        {SaveFault::Step::Rename, SaveFailure::FolderMissing, "The folder no longer exists."},
        {SaveFault::Step::Open, SaveFailure::NameTooLong, "The name is too long for this disk."},
        {SaveFault::Step::Flush, SaveFailure::NotPlainFile, "This is not a plain file."}};
    QTemporaryDir folder;
    for (const auto& [step, reason, words] : faults) {
        const ScopedSaveFault failing(SaveFault::at(step, 3, reason));
        EXPECT_EQ(saveFileWithOutcome(folder.filePath(QStringLiteral("Home.BGT")), "content").failure,
                  reason);
        EXPECT_FALSE(savesMortgage(folder.filePath(QStringLiteral("Home.UMD")), LoanKind::Mortgage, words));
    }
}

TEST(SaveFault, AFaultInALaterPieceOfALargeFileLeavesThePreviousFile)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("Large.UMD"));
    putFile(path, previousContent);
    std::vector<qint64> pieces;
    SaveFault fault = failingWriteAt(150'000);
    fault.afterPiece = [&pieces](qint64 written) { pieces.push_back(written); };
    const ScopedSaveFault failing(fault);
    EXPECT_FALSE(saveFileSafely(path, QByteArray(400'000, 'x')));
    EXPECT_EQ(pieces, (std::vector<qint64>{65'536, 131'072}));
    EXPECT_EQ(contentOf(path), previousContent);
    EXPECT_EQ(entriesOf(folder.path()), QStringList{QStringLiteral("Large.UMD")});
}

// A save killed half way leaves the previous file as it was; whatever
// temporary file it leaves is hidden, and the next save of the same file
// takes it away.
TEST(SaveFault, KillingASaveHalfWayLeavesThePreviousFile)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("Home.BGT"));
    putFile(path, previousContent);
    QProcess saver;
    saver.start(QStringLiteral(HALFWAY_SAVER), {path, QStringLiteral("16")});
    ASSERT_TRUE(saver.waitForStarted());
    while (!saver.canReadLine())
        ASSERT_TRUE(saver.waitForReadyRead(60'000)) << "the saver never got half way";
    EXPECT_EQ(saver.readLine().trimmed(), "halfway");
    saver.kill();
    ASSERT_TRUE(saver.waitForFinished());
    EXPECT_EQ(saver.exitStatus(), QProcess::CrashExit);

    EXPECT_EQ(contentOf(path), previousContent);
    for (const QString& entry : entriesOf(folder.path()))
        if (entry != QStringLiteral("Home.BGT")) {
            EXPECT_TRUE(entry.startsWith(".Home.BGT.tallyvane-")) << entry.toStdString();
        }
    ASSERT_TRUE(saveFileSafely(path, QByteArray("new")));
    EXPECT_EQ(entriesOf(folder.path()), QStringList{QStringLiteral("Home.BGT")});
}

} // namespace
} // namespace tallyvane
