#include "cli/printoutoptions.h"

#include "cli/commandoutcome.h"
#include "core/plannererror.h"
#include "core/report/reportplaintext.h"
#include "core/settingsfile.h"
#include "shell/printing/reportpainter.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>

namespace tallyvane::cli {
namespace {

const QString PrintOption = QStringLiteral("print");
const QString HeaderOption = QStringLiteral("header");
const QString FontOption = QStringLiteral("font");
const QString FormatOption = QStringLiteral("format");
const QString ReportFormat = QStringLiteral("report");

// The settings the planner window would print with: the user's, else those
// beside the program, or the defaults without either.
SharedValues programSettings()
{
    SharedValues values;
    values.currencySymbol = QStringLiteral("$");
    if (QCoreApplication::instance() != nullptr)
        readSettings(QCoreApplication::applicationDirPath(), values);
    return values;
}

std::optional<std::int16_t> readFontChoice(const CommandOptions& options)
{
    const QStringList fonts{QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2"),
                            QStringLiteral("3")};
    if (!options.value(FontOption))
        return std::nullopt;
    return static_cast<std::int16_t>(fonts.indexOf(options.choice(FontOption, fonts, QString())));
}

} // namespace

QStringList withPrintoutOptions(QStringList knownOptions)
{
    for (const QString& name : {PrintOption, HeaderOption, FontOption, FormatOption})
        if (!knownOptions.contains(name))
            knownOptions << name;
    return knownOptions;
}

CommandOutput readCommandOutput(const CommandOptions& options)
{
    const QString format = options.choice(
        FormatOption, {QStringLiteral("text"), QStringLiteral("csv"), QStringLiteral("json"), ReportFormat},
        QStringLiteral("text"));
    const std::optional<QString> pdfPath = options.value(PrintOption);
    if (pdfPath && pdfPath->isEmpty())
        throw UsageError(QStringLiteral("--print needs a file name"));
    const bool asText = format == ReportFormat;
    const std::optional<std::int16_t> fontChoice = readFontChoice(options);

    CommandOutput output;
    if (asText || pdfPath) {
        PrintoutSettings settings = printoutSettings(programSettings());
        settings.header = options.value(HeaderOption).value_or(QString());
        settings.fontChoice = fontChoice.value_or(settings.fontChoice);
        output.printout = PrintoutRequest{settings, pdfPath, asText};
    }
    if (!asText && (!pdfPath || options.value(FormatOption)))
        output.format = outputFormat(options);
    return output;
}

const char* printoutUsage()
{
    return "  --format text|csv|json|report   (text); report: the printout as text, pages\n"
           "                                  separated by form feeds\n"
           "  --print FILE.pdf                write the printout as a PDF file\n"
           "  --header TEXT                   the printout's header line (empty)\n"
           "  --font 0|1|2|3                  printer font: 0 standard, 1 to 3 Courier New\n"
           "                                  10, 11 or 12 point (the settings' choice)\n";
}

int writePrintout(const PrintoutRequest& request, const std::function<Report(const PrintoutSettings&)>& build,
                  std::ostream& out, std::ostream& err)
{
    Report report;
    try {
        report = build(request.settings);
    } catch (const PlannerError& refusal) {
        err << refusal.what() << "\n";
        return ExitCalculationFailed;
    }
    if (request.asText)
        out << reportPlainText(report).toStdString();
    if (!request.pdfPath)
        return ExitSuccess;
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr) {
        err << "tallyvane-calc: a PDF needs the fonts of a GUI application, and none was started\n";
        return ExitCalculationFailed;
    }
    if (const SaveOutcome saved = saveReportPdf(report, *request.pdfPath); !saved) {
        err << "tallyvane-calc: cannot write " << request.pdfPath->toStdString() << "\n";
        writeSaveFailure(err, saved.failure);
        return ExitCalculationFailed;
    }
    return ExitSuccess;
}

bool asksForPdf(const QStringList& arguments)
{
    for (const QString& argument : arguments)
        if (argument == QStringLiteral("--print") || argument.startsWith(QStringLiteral("--print=")))
            return true;
    return false;
}

void allowPrintingWithoutDisplay()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

} // namespace tallyvane::cli
