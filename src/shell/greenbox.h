// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// GreenBox is the light green entry box every planner types figures into.
// The first key typed replaces the old figure (Delete only takes one
// character away from it), each key passes the box's key
// filter (a refused key only beeps), Enter moves on to the successor, and
// leaving the box stores the figure in its InputValues slot and shows it
// right-aligned in its format. Pasting and dropping are refused, so every
// figure arrives key by key; the clipboard and the X selection belong to the
// user and are never emptied, read or replaced by entering or leaving a box.

#include "core/money.h"
#include "shell/figureboxlayout.h"

#include <QLineEdit>
#include <QPointer>

namespace tallyvane {

struct SharedValues;
class UiServices;

class GreenBox : public QLineEdit
{
    Q_OBJECT

public:
    GreenBox(const FigureBoxLayout& boxLayout, SharedValues& values, UiServices& services,
             QWidget* parent = nullptr);

    void setSuccessor(QWidget* successor);
    const FigureBoxLayout& boxLayout() const { return m_layout; }
    // Shows the value held in the box's slot in the box's format.
    void showStoredValue();
    // The text showStoredValue shows; empty for a box without a slot.
    QString storedValueText() const;
    // Shows `value` in the box's format without storing it.
    void showValue(Money value);

signals:
    // The first key of a new figure was typed (the planners clear old results).
    void typingStarted();
    // Leaving the box stored a newly typed figure.
    void figureStored();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool event(QEvent* event) override;

private:
    int filterKey(int keyCode);
    void deleteOneCharacter(QKeyEvent* event);
    Money* slotValue();
    void storeTypedFigure();
    QString shownText(Money value) const;

    FigureBoxLayout m_layout;
    SharedValues& m_values;
    UiServices& m_services;
    QPointer<QWidget> m_successor;
};

// Gives a box or list the light green background of user entry.
void paintEntryGreen(QWidget* widget);

// The key code of a key press as the filters see it: 13 Enter, 8 Backspace,
// 127 Delete, the character code of a typed character, or -1 for keys that
// type nothing (arrows, Home, Tab...), which never reach a filter.
int entryKeyCode(const QKeyEvent* event);

} // namespace tallyvane
