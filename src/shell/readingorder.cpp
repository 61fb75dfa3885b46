// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/readingorder.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QScrollArea>
#include <QWidget>

#include <algorithm>
#include <vector>

namespace tallyvane {
namespace {

bool takesTab(const QWidget* widget)
{
    return (widget->focusPolicy() & Qt::TabFocus) && widget->isVisible() && widget->isEnabled() &&
           !qobject_cast<const QScrollArea*>(widget);
}

// Children of `parent` that are shown, in reading order.
std::vector<QWidget*> childrenInReadingOrder(QWidget& parent)
{
    std::vector<QWidget*> shown;
    for (QObject* object : parent.children())
        if (auto* child = qobject_cast<QWidget*>(object); child && !child->isWindow() && child->isVisible())
            shown.push_back(child);
    std::stable_sort(shown.begin(), shown.end(),
                     [](QWidget* a, QWidget* b) { return a->geometry().top() < b->geometry().top(); });
    // Rows: a control whose top lies above the middle of the row's first
    // control belongs to that row.
    for (auto row = shown.begin(); row != shown.end();) {
        const int middle = (*row)->geometry().center().y();
        auto end = std::find_if(row, shown.end(), [middle](QWidget* w) { return w->geometry().top() > middle; });
        std::stable_sort(row, end, [](QWidget* a, QWidget* b) { return a->geometry().left() < b->geometry().left(); });
        row = end;
    }
    return shown;
}

void collectControls(QWidget& parent, std::vector<QWidget*>& controls)
{
    for (QWidget* child : childrenInReadingOrder(parent)) {
        if (takesTab(child))
            controls.push_back(child);
        else if (auto* area = qobject_cast<QScrollArea*>(child); area && area->widget())
            collectControls(*area->widget(), controls);
        else if (!qobject_cast<QComboBox*>(child) && !qobject_cast<QAbstractSpinBox*>(child))
            collectControls(*child, controls);
    }
}

} // namespace

bool focusNextInReadingOrder(QWidget& window, bool forward)
{
    std::vector<QWidget*> controls;
    collectControls(window, controls);
    if (controls.empty())
        return false;
    const QWidget* focused = window.focusWidget();
    const auto at = std::find_if(controls.begin(), controls.end(), [focused](QWidget* control) {
        return focused && (control == focused || control->isAncestorOf(focused) ||
                           focused->focusProxy() == control);
    });
    const auto count = static_cast<std::ptrdiff_t>(controls.size());
    std::ptrdiff_t next = forward ? 0 : count - 1;
    if (at != controls.end())
        next = ((at - controls.begin()) + (forward ? 1 : count - 1)) % count;
    controls[static_cast<std::size_t>(next)]->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

} // namespace tallyvane
