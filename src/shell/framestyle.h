// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProxyStyle>

namespace tallyvane {

// The program's look: Fusion without the icons of title bars drawn by Qt.
// Only the frame's child windows would have those (their system menu), and
// they have no title bar. Making such an icon reads a picture in a way that
// first loads every image-format plugin installed, and the menu is such a
// child window, so it would wait for all of them. Real windows get their
// title bars from the desktop.
class FrameStyle : public QProxyStyle
{
    Q_OBJECT

public:
    FrameStyle();

    QIcon standardIcon(StandardPixmap standardIcon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};

} // namespace tallyvane
