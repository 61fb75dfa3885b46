#include "shell/printpreview.h"

#include "shell/printing/reportpainter.h"

#include <QAction>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QToolBar>

namespace tallyvane {
namespace {

void savePdf(const Report& report, const QPrinter& printer, QWidget* parent)
{
    QString path = QFileDialog::getSaveFileName(parent, QStringLiteral("Save as PDF"), QString(),
                                                QStringLiteral("PDF document (*.pdf)"));
    if (path.isEmpty())
        return;
    if (!path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
        path += QStringLiteral(".pdf");
    if (!saveReportPdf(report, path, printer.pageLayout().pageSize()))
        QMessageBox::warning(parent, QStringLiteral("Save as PDF"),
                             QStringLiteral("The PDF file could not be written: %1").arg(path));
}

} // namespace

void showReportPreview(const Report& report, QWidget* parent)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(defaultPaperSize());
    QPrintPreviewDialog preview(&printer, parent);
    preview.setObjectName(QStringLiteral("PrintPreview"));
    preview.setWindowTitle(QStringLiteral("Print Preview"));
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&report](QPrinter* device) { paintReport(report, *device); });
    if (auto* tools = preview.findChild<QToolBar*>()) {
        QAction* pdf = tools->addAction(QStringLiteral("Save PDF..."));
        pdf->setToolTip(QStringLiteral("Save these pages as a PDF file"));
        QObject::connect(pdf, &QAction::triggered, &preview,
                         [&report, &printer, &preview] { savePdf(report, printer, &preview); });
    }
    if (parent)
        preview.resize(parent->window()->size() * 0.9);
    preview.exec();
}

} // namespace tallyvane
