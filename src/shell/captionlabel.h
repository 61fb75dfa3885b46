// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>
#include <QStringList>

namespace tallyvane {

// The lines a caption was written for. Captions made for a narrow fixed-width
// label mark their line breaks with runs of blanks (" Days          in year.");
// each run of two or more blanks starts a new line, and the lines are trimmed.
QStringList captionLines(const QString& caption);

// A label that keeps its caption exactly as its text but shows it on the
// lines the caption marks, so that a caption never shows a wide gap. Where
// the label is narrower than one of those lines, the caption flows as one
// text wrapped between words.
class CaptionLabel : public QLabel
{
public:
    explicit CaptionLabel(const QString& caption, QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString shownText(int width) const;
    QSize textSize(int width) const;
    QSize frameSize() const;
};

} // namespace tallyvane
