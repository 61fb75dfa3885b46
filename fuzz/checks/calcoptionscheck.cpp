// SPDX-License-Identifier: GPL-3.0-or-later
#include "fuzzchecks.h"

#include "cli/calccommands.h"
#include "cli/commandoptions.h"
#include "mortgage/mortgagefile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <map>
#include <sstream>

namespace tallyvane::fuzz {
namespace {

// The calculator's commands open and save files named on the command line.
// They run in a scratch folder of their own holding a budget, a net worth and
// a mortgage file, put back as they were before every run, and the arguments
// cannot leave it: there is no "/" in them.
class ScratchFolder
{
public:
    ScratchFolder() : m_folder(scratchTemplate())
    {
        const QString samples = QStringLiteral(TALLYVANE_SAMPLE_DIR);
        m_files[QStringLiteral("Sample.BGT")] = readAll(samples + QStringLiteral("/Sample.BGT"));
        m_files[QStringLiteral("NetSampl.NWF")] = readAll(samples + QStringLiteral("/NetSampl.NWF"));
        MortgagePlan plan;
        plan.principal = Money::fromWhole(150000);
        plan.annualRatePercent = Money::fromWhole(7);
        plan.termYears = Money::fromWhole(20);
        m_files[QStringLiteral("House.UMD")] = mortgageFileContent(plan);
    }

    QString path() const { return m_folder.path(); }

    void restore() const
    {
        QDir folder(m_folder.path());
        for (const QString& entry : folder.entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot))
            QFileInfo(folder.filePath(entry)).isDir() ? QDir(folder.filePath(entry)).removeRecursively()
                                                      : folder.remove(entry);
        for (const auto& [name, content] : m_files) {
            QFile file(folder.filePath(name));
            if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
                throw CheckFailure("the scratch folder cannot be filled");
        }
    }

private:
    // Memory, where the system has it: the commands save often.
    static QString scratchTemplate()
    {
        const QString shared = QStringLiteral("/dev/shm");
        const QString base = QFileInfo(shared).isWritable() ? shared : QDir::tempPath();
        return base + QStringLiteral("/tallyvane-calc-XXXXXX");
    }

    static QByteArray readAll(const QString& path)
    {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            throw CheckFailure("a sample file is missing: " + path.toStdString());
        return file.readAll();
    }

    QTemporaryDir m_folder;
    std::map<QString, QByteArray> m_files;
};

class WorkingIn
{
public:
    explicit WorkingIn(const QString& folder) : m_previous(QDir::currentPath()) { QDir::setCurrent(folder); }
    ~WorkingIn() { QDir::setCurrent(m_previous); }
    WorkingIn(const WorkingIn&) = delete;
    WorkingIn& operator=(const WorkingIn&) = delete;

private:
    QString m_previous;
};

// One argument a line.
QStringList argumentsFrom(const QByteArray& input)
{
    QStringList arguments = QString::fromUtf8(input).split(u'\n');
    for (QString& argument : arguments)
        argument.replace(u'/', u'_');
    return arguments;
}

} // namespace

void checkCalcOptions(const QByteArray& input)
{
    static const ScratchFolder scratch;
    scratch.restore();
    const WorkingIn inScratch(scratch.path());

    std::ostringstream out;
    std::ostringstream err;
    const int status = cli::runCalc(argumentsFrom(input), out, err);
    require(status == cli::ExitSuccess || status == cli::ExitCalculationFailed || status == cli::ExitUsage,
            "the calculator ends with an unknown exit status");
    if (status == cli::ExitUsage)
        require(out.str().empty() && !err.str().empty(),
                "a refused command line writes a report, or no reason");
    if (status == cli::ExitCalculationFailed)
        require(!err.str().empty(), "a failed calculation gives no reason");
    const std::string report = out.str();
    if (status == cli::ExitSuccess && (report.starts_with('{') || report.starts_with('[')))
        requireJson(report, "a JSON report does not parse");
}

} // namespace tallyvane::fuzz
