#include "shell/printpreview.h"

#include "core/messages.h"
#include "shell/dialogs/filechooser.h"
#include "shell/printing/imageprintout.h"
#include "shell/printing/reportpainter.h"

#include <QAction>
#include <QFileDialog>
#include <QMessageBox>
#include <QPaintEngine>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QToolBar>

#include <functional>

namespace tallyvane {
namespace {

void saveShowingFailure(const PdfSaver& save, const QString& path, const QPrinter& printer, QWidget* parent)
{
    const SaveOutcome saved = save(path, printer.pageLayout().pageSize());
    if (saved)
        return;
    QString text = QStringLiteral("The PDF file could not be written: %1").arg(path);
    if (const QString reason = saveFailureText(saved.failure); !reason.isEmpty())
        text += u'\n' + reason;
    QMessageBox::warning(parent, QStringLiteral("Save as PDF"), text);
}

void savePdf(const PdfSaver& save, const QPrinter& printer, QWidget* parent)
{
    QFileDialog dialog(parent, QStringLiteral("Save as PDF"), QString(),
                       QStringLiteral("PDF document (*.pdf)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    describeFilesByNameOnly(dialog);
    if (dialog.exec() != QDialog::Accepted)
        return;
    QString path = chosenPath(dialog);
    if (path.isEmpty())
        return;
    if (!path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
        path += QStringLiteral(".pdf");
    saveShowingFailure(save, path, printer, parent);
}

void showPreview(const PagePainter& paint, const PdfSaver& save, QWidget* parent)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(defaultPaperSize());
    QPrintPreviewDialog preview(&printer, parent);
    preview.setObjectName(QStringLiteral("PrintPreview"));
    preview.setWindowTitle(QStringLiteral("Print Preview"));
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&](QPrinter* device) { printOnPrinter(*device, paint, save, &preview); });
    if (auto* tools = preview.findChild<QToolBar*>()) {
        QAction* pdf = tools->addAction(QStringLiteral("Save PDF..."));
        pdf->setToolTip(QStringLiteral("Save these pages as a PDF file"));
        QObject::connect(pdf, &QAction::triggered, &preview,
                         [&save, &printer, &preview] { savePdf(save, printer, &preview); });
    }
    if (parent)
        preview.resize(parent->window()->size() * 0.9);
    preview.exec();
}

} // namespace

void printOnPrinter(QPrinter& printer, const PagePainter& paint, const PdfSaver& save, QWidget* parent)
{
    // The preview's own pages are painted on the same printer, through an
    // engine of the picture type; only a real print may write the file.
    const QPaintEngine* engine = printer.paintEngine();
    const bool previewing = engine != nullptr && engine->type() == QPaintEngine::Picture;
    if (previewing || printer.outputFileName().isEmpty()) {
        paint(printer);
        return;
    }
    saveShowingFailure(save, printer.outputFileName(), printer, parent);
}

void showReportPreview(const Report& report, QWidget* parent)
{
    showPreview(
        [&report](QPrinter& device) { paintReport(report, device); },
        [&report](const QString& path, const QPageSize& paper) { return saveReportPdf(report, path, paper); },
        parent);
}

void showImagePreview(const ImagePrintout& printout, QWidget* parent)
{
    showPreview([&printout](QPrinter& device) { paintImagePrintout(printout, device); },
                [&printout](const QString& path, const QPageSize& paper) {
                    return saveImagePrintoutPdf(printout, path, paper);
                },
                parent);
}

} // namespace tallyvane
