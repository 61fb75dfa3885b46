#include "shell/printpreview.h"

#include "shell/printing/imageprintout.h"
#include "shell/printing/reportpainter.h"

#include <QAction>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QToolBar>

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

void showPreview(const PagePainter& paint, const PdfSaver& save, QWidget* parent)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(defaultPaperSize());
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
    }
    if (parent)
        preview.resize(parent->window()->size() * 0.9);
    preview.exec();
}

} // namespace

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
