// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/framestyle.h"

#include <QIcon>

namespace tallyvane {

FrameStyle::FrameStyle() : QProxyStyle(QStringLiteral("Fusion")) {}

QIcon FrameStyle::standardIcon(StandardPixmap standardIcon, const QStyleOption* option,
                               const QWidget* widget) const
{
    if (standardIcon >= SP_TitleBarMenuButton && standardIcon <= SP_TitleBarContextHelpButton)
        return QIcon();
    return QProxyStyle::standardIcon(standardIcon, option, widget);
}

} // namespace tallyvane
