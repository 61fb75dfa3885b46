#include "shell/printpreview.h"

#include "shell/printerjob.h"
#include "shell/printing/imageprintout.h"
#include "shell/printing/reportpainter.h"
#include "shell/printpreviewkeys.h"

#include <QAction>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QToolBar>

#include <algorithm>
#include <functional>

namespace tallyvane {
namespace {

// Paints the printout on a printer, a PDF file or the preview's pages.
using PagePainter = std::function<void(QPrinter& device)>;
// Writes the printout as a PDF file on paper of that size; false on failure.
using PdfSaver = std::function<bool(const QString& path, const QPageSize& paper)>;

void savePdf(const PdfSaver& save, const QPrinter& printer, QWidget* parent)
{
    QString path = QFileDialog::getSaveFileName(parent, QStringLiteral("Save as PDF"), QString(),
                                                QStringLiteral("PDF document (*.pdf)"));
    if (path.isEmpty())
        return;
    if (!path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
        path += QStringLiteral(".pdf");
    if (!save(path, printer.pageLayout().pageSize()))
        QMessageBox::warning(parent, QStringLiteral("Save as PDF"),
                             QStringLiteral("The PDF file could not be written: %1").arg(path));
}

// The system print dialog, bounded to the printout's pages; the printout
// goes to the printer as the dialog was left, and the preview closes.
void printFromPreview(const PagePainter& paint, QPrinter& printer, int pageCount, QPrintPreviewDialog& preview)
{
    QPrintDialog dialog(&printer, &preview);
    dialog.setMinMax(1, std::max(pageCount, 1));
    dialog.setOptions(QAbstractPrintDialog::PrintPageRange | QAbstractPrintDialog::PrintCollateCopies |
                      QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
    if (dialog.exec() != QDialog::Accepted)
        return;
    paint(printer);
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
                     [&paint](QPrinter* device) { paint(*device); });
    if (auto* tools = preview.findChild<QToolBar*>()) {
        QAction* pdf = tools->addAction(QStringLiteral("Save PDF..."));
        pdf->setToolTip(QStringLiteral("Save these pages as a PDF file"));
        QObject::connect(pdf, &QAction::triggered, &preview,
                         [&save, &printer, &preview] { savePdf(save, printer, &preview); });
        if (QAction* print = previewAction(preview, QStringLiteral("Print"))) {
            QObject::disconnect(print, &QAction::triggered, nullptr, nullptr);
            QObject::connect(print, &QAction::triggered, &preview, [&paint, &printer, pageCount, &preview] {
                printFromPreview(paint, printer, pageCount, preview);
            });
        }
        setUpPreviewKeyboard(preview, pdf);
    }
    if (parent)
        preview.resize(parent->window()->size() * 0.9);
    preview.exec();
}

} // namespace

void showReportPreview(const Report& report, QWidget* parent)
{
    showPreview(
        [&report](QPrinter& device) { printReportOn(report, device); },
        [&report](const QString& path, const QPageSize& paper) { return saveReportPdf(report, path, paper); },
        static_cast<int>(report.pages.size()), report.jobName, parent);
}

void showImagePreview(const ImagePrintout& printout, QWidget* parent)
{
    showPreview([&printout](QPrinter& device) { printImageOn(printout, device); },
                [&printout](const QString& path, const QPageSize& paper) {
                    return saveImagePrintoutPdf(printout, path, paper);
                },
                1, printout.jobName, parent);
}

} // namespace tallyvane
