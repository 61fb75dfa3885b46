#include "mortgage/captionlabel.h"

#include <QPainter>
#include <QRegularExpression>
#include <QStyle>

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

QString CaptionLabel::shownText() const
{
    return captionLines(text()).join(u'\n');
}

QSize CaptionLabel::sizeHint() const
{
    const QSize textSize = fontMetrics().size(0, shownText());
    const QMargins margins = contentsMargins();
    return textSize + QSize(margins.left() + margins.right() + 2 * margin(),
                            margins.top() + margins.bottom() + 2 * margin());
}

QSize CaptionLabel::minimumSizeHint() const
{
    return sizeHint();
}

void CaptionLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect area = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    style()->drawItemText(&painter, area, QStyle::visualAlignment(layoutDirection(), alignment()), palette(),
                          isEnabled(), shownText(), foregroundRole());
}

} // namespace tallyvane
