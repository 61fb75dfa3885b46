#pragma once

#include <QLabel>
#include <QStringList>

namespace tallyvane {

// The lines a caption was written for. Captions made for a narrow fixed-width
// label mark their line breaks with runs of blanks (" Days          in year.");
// each run of two or more blanks starts a new line, and the lines are trimmed.
QStringList captionLines(const QString& caption);

// A label that keeps its caption exactly as its text but shows it on the
// lines the caption marks, so that a caption never shows a wide gap.
class CaptionLabel : public QLabel
{
public:
    explicit CaptionLabel(const QString& caption, QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString shownText() const;
};

} // namespace tallyvane
