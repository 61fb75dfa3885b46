// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/dialogs/shareddialog.h"

#include "core/sharedvalues.h"
#include "shell/placement.h"
#include "shell/readingorder.h"

namespace tallyvane {

QPoint dialogScreenPosition(QPoint frameCorner, DialogOffsets offsets, std::int32_t frameHeightMark,
                            double dotsPerInchX, double dotsPerInchY)
{
    const QPoint twips = dialogOffsetTwips(offsets.smallFrame, offsets.largeFrame, frameHeightMark);
    return frameCorner +
           QPoint(twipsToPixels(twips.x(), dotsPerInchX), twipsToPixels(twips.y(), dotsPerInchY));
}

SharedDialog::SharedDialog(const QString& caption, DialogOffsets offsets, SharedValues& values,
                           QWidget* frame)
    : QDialog(frame), m_values(values), m_offsets(offsets)
{
    setWindowTitle(caption);
    setModal(true);
}

void SharedDialog::showEvent(QShowEvent* event)
{
    if (const QWidget* frame = parentWidget()) {
        const QPoint corner = frame->window()->frameGeometry().topLeft();
        move(dialogScreenPosition(corner, m_offsets, m_values.frameHeightMark, logicalDpiX(), logicalDpiY()));
    }
    QDialog::showEvent(event);
}

bool SharedDialog::focusNextPrevChild(bool next)
{
    return focusNextInReadingOrder(*this, next) || QDialog::focusNextPrevChild(next);
}

} // namespace tallyvane
