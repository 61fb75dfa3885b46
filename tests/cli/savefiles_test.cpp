#include "cli/calccommands.h"
#include "commandrun.h"
#include "core/savefault.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace tallyvane::cli {
namespace {

using test::CommandRun;

const QStringList Mortgage{"mortgage", "--principal", "100000", "--rate", "7", "--term", "20"};

QByteArray contentOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

void putFile(const QString& path, const QByteArray& content)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(content) == content.size());
}

TEST(CalculatorFiles, SavingAndPrintingLeaveEveryFileBesideAsItWas)
{
    QTemporaryDir folder;
    QStringList beside;
    for (const QString& target : {QStringLiteral("Home.UMD"), QStringLiteral("report.pdf")})
        for (const char* ending : {".backup", ".old123", ".2024Q1", ".123456", "~"})
            for (const QString& name : {target + QLatin1String(ending), u'.' + target + QLatin1String(ending)}) {
                putFile(folder.filePath(name), "mine");
                beside << name;
            }
    ASSERT_TRUE(QFile::link(folder.filePath("Home.UMD.backup"), folder.filePath("Home.UMD.linkto")));
    const CommandRun saved =
        test::runCommand(runCalc, Mortgage + QStringList{"--save", folder.filePath("Home.UMD"), "--print",
                                                         folder.filePath("report.pdf")});
    ASSERT_EQ(saved.status, 0) << saved.err;
    for (const QString& name : beside)
        EXPECT_EQ(contentOf(folder.filePath(name)), "mine") << name.toStdString();
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).size(), beside.size() + 3);
    EXPECT_TRUE(QFileInfo(folder.filePath("Home.UMD.linkto")).isSymLink());
}

// A failed save or printout keeps the earlier file and says why.
TEST(CalculatorFiles, AFailedSaveOrPrintoutKeepsTheEarlierFileAndGivesTheReason)
{
    QTemporaryDir folder;
    for (const char* name : {"Home.UMD", "report.pdf"}) {
        putFile(folder.filePath(name), "earlier");
        SaveFault fault;
        fault.failAt = SaveFault::Step::Write;
        fault.bytesBeforeFailure = 100;
        const ScopedSaveFault diskFull(fault);
        const QString option = QString::fromLatin1(name).endsWith("pdf") ? "--print" : "--save";
        const CommandRun failed = test::runCommand(runCalc, Mortgage + QStringList{option, folder.filePath(name)});
        EXPECT_EQ(failed.status, 1);
        EXPECT_NE(failed.err.find("\nThe disk is full.\n"), std::string::npos) << failed.err;
        EXPECT_EQ(contentOf(folder.filePath(name)), "earlier");
    }
}

// Reading a FIFO would wait until something writes to it.
TEST(CalculatorFiles, AFifoIsRefusedAsNoFile)
{
    QTemporaryDir folder;
    for (const char* name : {"Home.BGT", "Home.NWF", "Home.UMD"})
        ASSERT_EQ(::mkfifo(QFile::encodeName(folder.filePath(name)).constData(), 0644), 0);
    for (const QStringList& command : {QStringList{"budget", folder.filePath("Home.BGT")},
                                       QStringList{"networth", folder.filePath("Home.NWF")},
                                       QStringList{"mortgage", "--open", folder.filePath("Home.UMD")}}) {
        const CommandRun refused = test::runCommand(runCalc, command);
        EXPECT_EQ(refused.status, 1) << command.join(' ').toStdString();
        EXPECT_NE(refused.err.find("File not found or wrong format."), std::string::npos) << refused.err;
    }
}

} // namespace
} // namespace tallyvane::cli
