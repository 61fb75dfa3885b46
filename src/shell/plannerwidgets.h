// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Pieces every planner window builds from: buttons, captions over their
// boxes, white result labels that never cut a figure, drop-down lists whose
// entries carry their meaning as item data, and grids of captioned cards and
// of buttons.

#include "shell/captionlabel.h"

#include <QComboBox>
#include <QLabel>
#include <QStringList>

#include <utility>
#include <vector>

class QGridLayout;
class QPushButton;

class QHelpEvent;

namespace tallyvane {

class GreenBox;

// A button that does not become the default of its window; Enter presses
// whichever button has the focus.
QPushButton* plannerButton(const QString& caption, const QString& name, QWidget* parent);
// A caption set a little smaller and quieter than the figure it names.
CaptionLabel* plannerCaption(const QString& text, const QString& name, QWidget* parent);

// A white, right-aligned result box. It is at least as wide as the widest
// figure its planner expects, and always as wide as the figure it shows, so
// the layout widens it rather than cut a digit.
class ResultLabel : public QLabel
{
public:
    ResultLabel(const QString& name, QWidget* parent);
    QSize minimumSizeHint() const override;
    QSize sizeHint() const override;
};

// Gives `box` the words of its caption as its accessible name, unless it has
// a name already.
void nameAfterCaption(QWidget* box, const QString& caption);

// Captioned cards, `perRow` to a row, each caption above its box; every
// column takes an equal share of the width.
using CaptionedBox = std::pair<CaptionLabel*, QWidget*>;
QGridLayout* captionedCards(const std::vector<CaptionedBox>& cards, int perRow);
// Buttons in rows, each column an equal share of the width; a null entry
// leaves its cell empty.
QGridLayout* buttonGrid(const std::vector<std::vector<QWidget*>>& rows);

// A drop-down list of fixed choices in the entry colour. Each entry carries
// its value as item data, so the meaning of a choice never depends on how
// it reads.
template <typename Value> struct ListEntry
{
    QString text;
    Value value;
};

QComboBox* choiceList(const QString& name, QWidget* parent);

// Keeps `list` at least as wide as its longest entry.
void fitListToEntries(QComboBox* list);

template <typename Value> void addListEntries(QComboBox* list, const std::vector<ListEntry<Value>>& entries)
{
    for (const ListEntry<Value>& entry : entries)
        list->addItem(entry.text, static_cast<int>(entry.value));
    fitListToEntries(list);
}

template <typename Value> Value chosenEntry(const QComboBox* list)
{
    return static_cast<Value>(list->currentData().toInt());
}

// Chooses the entry carrying `value`; false, with the choice unchanged, when
// no entry carries it.
template <typename Value> bool chooseEntry(QComboBox* list, Value value)
{
    const int index = list->findData(static_cast<int>(value));
    if (index < 0)
        return false;
    list->setCurrentIndex(index);
    return true;
}

// A green box that also offers a list of common figures; choosing one puts
// it in the box.
QComboBox* typedList(GreenBox* box, const QStringList& items, const QString& name, QWidget* parent);

} // namespace tallyvane
