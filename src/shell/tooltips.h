// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QHelpEvent;
class QString;
class QWidget;

namespace tallyvane {

// Answers a tool-tip event with `tip` shown over `widget`; with no tip
// there, hides any tip still shown and passes the event on.
void answerToolTip(QHelpEvent& event, const QString& tip, QWidget* widget);

} // namespace tallyvane
