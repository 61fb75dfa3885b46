// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/dialogs/promptdialog.h"

#include "shell/greenbox.h"
#include "shell/plannerwidgets.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tallyvane {

PromptDialog::PromptDialog(const PromptLayout& layout, SharedValues& values, UiServices& services,
                           QWidget* frame)
    : SharedDialog(layout.caption, layout.offsets, values, frame)
{
    auto* label = new QLabel(layout.labelText, this);
    label->setObjectName(layout.labelName);

    FigureBoxLayout boxLayout;
    boxLayout.filter = layout.filter;
    boxLayout.selectAllOnFocus = layout.selectAllOnFocus;
    m_box = new GreenBox(boxLayout, values, services, this);
    m_box->setObjectName(layout.boxName);
    m_box->setMinimumWidth(280);
    label->setBuddy(m_box);
    nameAfterCaption(m_box, layout.labelText);

    auto* acceptButton = new QPushButton(layout.acceptText, this);
    acceptButton->setObjectName(layout.acceptName);
    connect(acceptButton, &QPushButton::clicked, this, [this] {
        takeAnswer(m_box->text());
        accept();
    });
    auto* cancelButton = new QPushButton(layout.cancelText, this);
    cancelButton->setObjectName(layout.cancelName);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    m_box->setSuccessor(acceptButton);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(acceptButton);
    buttons->addWidget(cancelButton);
    auto* column = new QVBoxLayout(this);
    column->addWidget(label);
    column->addWidget(m_box);
    column->addLayout(buttons);
    column->setSizeConstraint(QLayout::SetFixedSize);
    m_box->setFocus();
}

void PromptDialog::offerPreset(std::int16_t& preset)
{
    m_box->setText(preset != 0 ? QString::number(preset) : QString());
    preset = 0;
}

PromptLayout numberPromptLayout(DialogOffsets offsets, const QString& labelText)
{
    PromptLayout layout;
    layout.caption = QStringLiteral("Input ");
    layout.offsets = offsets;
    layout.labelName = QStringLiteral("Label1");
    layout.labelText = labelText;
    layout.boxName = QStringLiteral("CurVal");
    layout.filter = KeyFilterKind::WholeNumber;
    layout.selectAllOnFocus = true;
    layout.acceptName = QStringLiteral("Accept");
    layout.acceptText = QStringLiteral("&OK");
    layout.cancelName = QStringLiteral("NoAccept");
    layout.cancelText = QStringLiteral("&Cancel");
    return layout;
}

} // namespace tallyvane
