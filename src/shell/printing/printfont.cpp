// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/printing/printfont.h"

#include <QFontDatabase>
#include <QFontMetricsF>

#include <cmath>

namespace tallyvane {
namespace {

constexpr int FallbackPointSize = 10;

QFont systemFixedFont()
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    if (font.pointSizeF() <= 0)
        font.setPointSize(FallbackPointSize);
    return font;
}

} // namespace

bool isFixedPitch(const QFont& font)
{
    const QFontMetricsF metrics(font);
    const double width = metrics.horizontalAdvance(QLatin1Char('0'));
    const auto sameWidth = [&](char glyph) {
        return std::abs(metrics.horizontalAdvance(QLatin1Char(glyph)) - width) < 0.01;
    };
    return width > 0 && sameWidth('i') && sameWidth('W') && sameWidth(' ');
}

QFont printFont(const ReportFont& choice)
{
    QFont font = systemFixedFont();
    if (!choice.family.isEmpty()) {
        QFont named(choice.family, choice.pointSize);
        named.setStyleHint(QFont::TypeWriter);
        if (isFixedPitch(named))
            font = named;
        else
            font.setPointSize(choice.pointSize);
    }
    font.setBold(false);
    font.setKerning(false);
    return font;
}

} // namespace tallyvane
