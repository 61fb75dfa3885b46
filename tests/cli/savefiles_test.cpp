#include "cli/calccommands.h"
#include "commandrun.h"
#include "core/safefile.h"
#include "core/savefault.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace tallyvane::cli {
namespace {

const QStringList Mortgage{"mortgage", "--principal", "100000", "--rate", "7", "--term", "20"};

// What the user keeps beside a saved file or printout stays as it was; a
// save or printout that fails keeps the earlier file and says why; what is
// no plain file is not read.
TEST(CalculatorFiles, TouchNothingBesideKeepTheEarlierFileOnFailureAndReadOnlyPlainFiles)
{
    QTemporaryDir folder;
    QStringList beside;
    for (const QString& target : {QStringLiteral("Home.UMD"), QStringLiteral("report.pdf")})
        for (const char* ending : {".backup", ".old123", ".2024Q1", ".123456", "~"})
            beside << target + QLatin1String(ending) << u'.' + target + QLatin1String(ending);
    for (const QString& name : beside + QStringList{"Home.UMD", "report.pdf"}) {
        QFile file(folder.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write("mine") == 4);
    }
    const QStringList both{"--save", folder.filePath("Home.UMD"), "--print", folder.filePath("report.pdf")};
    const SaveFault fault = SaveFault::at(SaveFault::Step::Write, 100);
    for (const QStringList& options : {both.mid(0, 2), both.mid(2)}) {
        const ScopedSaveFault diskFull(fault);
        const test::CommandRun failed = test::runCommand(runCalc, Mortgage + options);
        EXPECT_EQ(failed.status, 1);
        EXPECT_NE(failed.err.find("\nThe disk is full.\n"), std::string::npos) << failed.err;
        EXPECT_EQ(readSmallFile(options.at(1)), "mine");
    }
    ASSERT_EQ(test::runCommand(runCalc, Mortgage + both).status, 0);
    for (const QString& name : beside)
        EXPECT_EQ(readSmallFile(folder.filePath(name)), "mine") << name.toStdString();
    ASSERT_EQ(::mkfifo(QFile::encodeName(folder.filePath("Pipe")).constData(), 0644), 0);
    for (const char* command : {"budget", "networth", "mortgage --open"}) {
        const QStringList arguments = QString::fromLatin1(command).split(u' ') << folder.filePath("Pipe");
        EXPECT_NE(test::runCommand(runCalc, arguments).err.find("File not found or wrong"),
                  std::string::npos);
    }
}

} // namespace
} // namespace tallyvane::cli
