// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/captionlabel.h"

#include <QPainter>
#include <QRegularExpression>
#include <QStyle>

#include <algorithm>

namespace tallyvane {

QStringList captionLines(const QString& caption)
{
    static const QRegularExpression lineBreak(QStringLiteral(" {2,}"));
    QStringList lines;
    for (const QString& part : caption.split(lineBreak, Qt::SkipEmptyParts)) {
        const QString line = part.trimmed();
        if (!line.isEmpty())
            lines << line;
    }
    return lines;
}

CaptionLabel::CaptionLabel(const QString& caption, QWidget* parent) : QLabel(caption, parent)
{
    setAlignment(Qt::AlignLeft | Qt::AlignBottom);
}

QString CaptionLabel::shownText(int width) const
{
    const QStringList lines = captionLines(text());
    const QFontMetrics metrics = fontMetrics();
    const bool linesFit = std::all_of(lines.cbegin(), lines.cend(), [&](const QString& line) {
        return metrics.horizontalAdvance(line) <= width;
    });
    return lines.join(linesFit ? u'\n' : u' ');
}

QSize CaptionLabel::frameSize() const
{
    const QMargins margins = contentsMargins();
    return {margins.left() + margins.right() + 2 * margin(), margins.top() + margins.bottom() + 2 * margin()};
}

QSize CaptionLabel::textSize(int width) const
{
    return fontMetrics()
        .boundingRect(QRect(0, 0, width, QWIDGETSIZE_MAX), Qt::TextWordWrap, shownText(width))
        .size();
}

QSize CaptionLabel::sizeHint() const
{
    return fontMetrics().size(0, shownText(QWIDGETSIZE_MAX)) + frameSize();
}

QSize CaptionLabel::minimumSizeHint() const
{
    // Narrow enough to share a row with four other captions, wide enough for
    // a word or two on each line.
    const int width = fontMetrics().averageCharWidth() * 12;
    return QSize(width, textSize(width).height()) + frameSize();
}

int CaptionLabel::heightForWidth(int width) const
{
    return textSize(width - frameSize().width()).height() + frameSize().height();
}

void CaptionLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect area = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    style()->drawItemText(&painter, area,
                          QStyle::visualAlignment(layoutDirection(), alignment()) | Qt::TextWordWrap,
                          palette(), isEnabled(), shownText(area.width()), foregroundRole());
}

} // namespace tallyvane
