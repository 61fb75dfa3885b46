#include "shell/printing/printfont.h"

#include <QFontDatabase>
#include <QFontInfo>

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

QFont printFont(const ReportFont& choice)
{
    QFont font = systemFixedFont();
    if (!choice.family.isEmpty()) {
        QFont named(choice.family, choice.pointSize);
        named.setStyleHint(QFont::TypeWriter);
        if (QFontInfo(named).fixedPitch())
            font = named;
        else
            font.setPointSize(choice.pointSize);
    }
    font.setBold(false);
    font.setKerning(false);
    return font;
}

} // namespace tallyvane
