// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/plannerwidgets.h"

#include "shell/greenbox.h"
#include "shell/plannerstyle.h"

#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>

namespace tallyvane {
namespace {

// Lists share the width of their column instead of growing to their longest entry.
void fitList(QComboBox* list)
{
    list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    list->setMinimumContentsLength(6);
    list->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    paintEntryGreen(list);
}

} // namespace

QPushButton* plannerButton(const QString& caption, const QString& name, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

CaptionLabel* plannerCaption(const QString& text, const QString& name, QWidget* parent)
{
    auto* label = new CaptionLabel(text, parent);
    label->setObjectName(name);
    QFont font = label->font();
    font.setPointSizeF(font.pointSizeF() * PlannerStyle::CaptionScale);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, PlannerStyle::CaptionText);
    label->setPalette(palette);
    return label;
}

ResultLabel::ResultLabel(const QString& name, QWidget* parent) : QLabel(parent)
{
    setObjectName(name);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::WindowText, Qt::black);
    setPalette(palette);
}

QSize ResultLabel::minimumSizeHint() const
{
    const int margins = 2 * frameWidth() + 10;
    const QFontMetrics metrics = fontMetrics();
    const int widest = std::max(metrics.horizontalAdvance(QString::fromLatin1(PlannerStyle::WidestFigure)),
                                metrics.horizontalAdvance(text()));
    return {widest + margins, QLabel::minimumSizeHint().height()};
}

QSize ResultLabel::sizeHint() const
{
    return minimumSizeHint();
}

void nameAfterCaption(QWidget* box, const QString& caption)
{
    // A list is read out by its value, a box by its buddy; a name of its own
    // tells a screen reader what either holds.
    const QString name = captionLines(caption).join(QLatin1Char(' '));
    if (box->accessibleName().isEmpty())
        box->setAccessibleName(name);
    if (auto* list = qobject_cast<QComboBox*>(box); list && list->lineEdit() &&
                                                     list->lineEdit()->accessibleName().isEmpty())
        list->lineEdit()->setAccessibleName(name);
}

QGridLayout* captionedCards(const std::vector<CaptionedBox>& cards, int perRow)
{
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(PlannerStyle::Spacing);
    grid->setVerticalSpacing(PlannerStyle::CardSpacing);
    int card = 0;
    for (const auto& [caption, box] : cards) {
        const int row = card / perRow * 2;
        const int column = card % perRow;
        caption->setBuddy(box);
        nameAfterCaption(box, caption->text());
        grid->addWidget(caption, row, column);
        grid->addWidget(box, row + 1, column);
        grid->setColumnStretch(column, 1);
        ++card;
    }
    return grid;
}

QGridLayout* buttonGrid(const std::vector<std::vector<QWidget*>>& rows)
{
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(PlannerStyle::ButtonSpacing);
    grid->setVerticalSpacing(PlannerStyle::CardSpacing + 1);
    for (int row = 0; row < static_cast<int>(rows.size()); ++row) {
        for (int column = 0; column < static_cast<int>(rows[row].size()); ++column) {
            if (QWidget* button = rows[row][column])
                grid->addWidget(button, row, column);
            grid->setColumnStretch(column, 1);
        }
    }
    return grid;
}

void fitListToEntries(QComboBox* list)
{
    // The choices are fixed, so the list is never narrower than the longest.
    list->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    list->setMinimumWidth(list->sizeHint().width());
}

QComboBox* choiceList(const QString& name, QWidget* parent)
{
    auto* list = new QComboBox(parent);
    list->setObjectName(name);
    fitList(list);
    QPalette palette = list->palette();
    palette.setColor(QPalette::Button, palette.color(QPalette::Base));
    list->setPalette(palette);
    return list;
}

QComboBox* typedList(GreenBox* box, const QStringList& items, const QString& name, QWidget* parent)
{
    auto* list = new QComboBox(parent);
    list->setObjectName(name);
    list->setLineEdit(box);
    // Typing follows the green box rules alone: no completion from the list,
    // and a typed figure never becomes a list entry.
    list->setCompleter(nullptr);
    list->setInsertPolicy(QComboBox::NoInsert);
    list->addItems(items);
    fitList(list);
    return list;
}

} // namespace tallyvane
