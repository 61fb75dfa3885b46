// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/printing/imageprintout.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

namespace tallyvane {
namespace {

// A chart prints on one page of a PDF file, with no printer needed.
TEST(ImagePrintout, MakesAOnePagePdfHoldingThePicture)
{
    QImage chart(300, 200, QImage::Format_RGB32);
    chart.fill(Qt::blue);
    const QByteArray pdf = imagePrintoutPdf({.image = chart, .printedSize = QSizeF(476.5, 295.0)},
                                            QPageSize(QPageSize::A4));
    ASSERT_TRUE(pdf.startsWith("%PDF"));
    static const QRegularExpression pages(QStringLiteral("/Count (\\d+)"));
    EXPECT_EQ(pages.match(QString::fromLatin1(pdf)).captured(1), "1");
    EXPECT_TRUE(pdf.contains("/Subtype /Image"));
}

} // namespace
} // namespace tallyvane
