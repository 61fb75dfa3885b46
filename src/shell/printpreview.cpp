// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/printpreview.h"

#include "core/messages.h"
#include "shell/dialogs/safefiledialog.h"
#include "shell/printerjob.h"
#include "shell/printing/imageprintout.h"
#include "shell/printing/reportpainter.h"
#include "shell/printpreviewkeys.h"

#include <QAction>
#include <QFileDialog>
#include <QMessageBox>
#include <QPaintEngine>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QToolBar>

#include <algorithm>
#include <functional>

namespace tallyvane {
namespace {

void saveShowingFailure(const PdfSaver& save, const QString& path, const QPrinter& printer, const PrintRun& run,
                        QWidget* parent)
{
    const SaveOutcome saved = save(path, printer.pageLayout().pageSize(), run);
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
    saveShowingFailure(save, path, printer, PrintRun(), parent);
}

// The system print dialog, bounded to the printout's pages; the printout
// goes to the printer (or the file) as the dialog was left, and the preview
// closes.
void printFromPreview(const PagePainter& paint, const PdfSaver& save, QPrinter& printer, int pageCount,
                      QPrintPreviewDialog& preview)
{
    QPrintDialog dialog(&printer, &preview);
    dialog.setMinMax(1, std::max(pageCount, 1));
    dialog.setOptions(QAbstractPrintDialog::PrintPageRange | QAbstractPrintDialog::PrintCollateCopies |
                      QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
    if (dialog.exec() != QDialog::Accepted)
        return;
    printOnPrinter(printer, paint, save, &preview);
    preview.accept();
}

void showPreview(const PagePainter& paint, const PdfSaver& save, int pageCount, const QString& jobName,
                 QWidget* parent)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(defaultPaperSize());
    preparePrinter(printer, pageCount, jobName);
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
        if (QAction* print = previewAction(preview, QStringLiteral("Print"))) {
            QObject::disconnect(print, &QAction::triggered, nullptr, nullptr);
            QObject::connect(print, &QAction::triggered, &preview, [&paint, &save, &printer, pageCount, &preview] {
                printFromPreview(paint, save, printer, pageCount, preview);
            });
        }
        setUpPreviewKeyboard(preview, pdf);
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
    // The file is written here, not by the printer, so here are its copies
    // too, even where the printer would have made them itself.
    PrintRun run = printRunOf(printer);
    run.copies = printer.copyCount();
    run.collate = printer.collateCopies();
    saveShowingFailure(save, printer.outputFileName(), printer, run, parent);
}

void showReportPreview(const Report& report, QWidget* parent)
{
    showPreview(
        [&report](QPrinter& device) { printReportOn(report, device); },
        [&report](const QString& path, const QPageSize& paper, const PrintRun& run) {
            return saveReportPdf(report, path, paper, run);
        },
        static_cast<int>(report.pages.size()), report.jobName, parent);
}

void showImagePreview(const ImagePrintout& printout, QWidget* parent)
{
    showPreview([&printout](QPrinter& device) { printImageOn(printout, device); },
                [&printout](const QString& path, const QPageSize& paper, const PrintRun& run) {
                    return saveImagePrintoutPdf(printout, path, paper, run);
                },
                1, printout.jobName, parent);
}

} // namespace tallyvane

void tallyvane_showReportPreview(const tallyvane::Report* report, QWidget* parent)
{
    tallyvane::showReportPreview(*report, parent);
}

void tallyvane_showImagePreview(const tallyvane::ImagePrintout* printout, QWidget* parent)
{
    tallyvane::showImagePreview(*printout, parent);
}
