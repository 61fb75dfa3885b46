// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/chartoptions.h"

#include "cli/commandoutcome.h"
#include "core/messages.h"
#include "core/safefile.h"
#include "core/sharedvalues.h"
#include "graphs/barchartpicture.h"
#include "shell/printing/reportpainter.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QGuiApplication>

namespace tallyvane::cli {
namespace {

const QString ChartOption = QStringLiteral("chart");
const QString ChartKindOption = QStringLiteral("chart-kind");
const QString GreySwitch = QStringLiteral("grey");

bool isPdf(const QString& path)
{
    return path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive);
}

QByteArray pngBytes(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    return image.save(&buffer, "PNG") ? bytes : QByteArray();
}

} // namespace

QStringList withChartOptions(QStringList knownOptions)
{
    return knownOptions << ChartOption << ChartKindOption;
}

QStringList chartSwitches()
{
    return {GreySwitch};
}

std::optional<ChartRequest> readChartRequest(const CommandOptions& options)
{
    const QString kind =
        options.choice(ChartKindOption, {QStringLiteral("2d"), QStringLiteral("3d")}, QStringLiteral("2d"));
    const std::optional<QString> path = options.value(ChartOption);
    if (!path) {
        if (options.value(ChartKindOption) || options.isSet(GreySwitch))
            throw UsageError(QStringLiteral("--chart-kind and --grey need --chart FILE"));
        return std::nullopt;
    }
    if (!isPdf(*path) && !path->endsWith(QStringLiteral(".png"), Qt::CaseInsensitive))
        throw UsageError(
            QStringLiteral("--chart needs a file name ending in .png or .pdf, not \"%1\"").arg(*path));
    return ChartRequest{.path = *path,
                        .kind = kind == QStringLiteral("3d") ? ChartKind::Solid : ChartKind::Flat,
                        .colour = !options.isSet(GreySwitch)};
}

const char* chartUsage()
{
    return "  --chart FILE.png|FILE.pdf       write the graph window's chart as a picture or a PDF\n"
           "  --chart-kind 2d|3d              flat or solid bars (2d)\n"
           "  --grey                          the chart in grey tones, as printed in black and white\n";
}

int writeChart(const ChartRequest& request, SharedValues& values, std::ostream& err)
{
    if (values.graphPointCount == 0)
        return calculationFailed(err, Message::NoDataToGraph);
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr)
        return refuse(err,
                      QStringLiteral("a chart needs the fonts of a GUI application, and none was started"));
    const GraphSeries series = loadGraphSeries(values);
    const ImagePrintout printout =
        chartPicturePrintout(request.kind, series, values.currencySymbol, request.colour);
    const SaveOutcome saved = isPdf(request.path)
                                  ? saveImagePrintoutPdf(printout, request.path, defaultPaperSize())
                                  : saveFileWithOutcome(request.path, pngBytes(printout.image));
    if (!saved)
        return cannotWrite(err, request.path, saved.failure);
    return ExitSuccess;
}

} // namespace tallyvane::cli
