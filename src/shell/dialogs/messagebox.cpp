// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/dialogs/messagebox.h"

#include "core/sharedvalues.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tallyvane {
namespace {

constexpr DialogOffsets MessageOffsets{{3600, 2000}, {4650, 3000}};

} // namespace

AMsgbox::AMsgbox(SharedValues& values, QWidget* frame)
    : SharedDialog(QStringLiteral("Help"), MessageOffsets, values, frame)
{
    auto* textMsg = new QPlainTextEdit(messageText(values.msgNumber, values.msgDetail), this);
    textMsg->setObjectName(QStringLiteral("TextMsg"));
    textMsg->setReadOnly(true);
    textMsg->setFocusPolicy(Qt::NoFocus);
    textMsg->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    textMsg->setFixedSize(300, 70);
    // A screen reader reads the message as the window's name and its text.
    textMsg->setAccessibleName(QStringLiteral("Message"));
    textMsg->setAccessibleDescription(textMsg->toPlainText());
    setAccessibleDescription(textMsg->toPlainText());

    auto* exitButton = new QPushButton(QStringLiteral("E&xit"), this);
    exitButton->setObjectName(QStringLiteral("AMsgExit"));
    exitButton->setDefault(true);
    connect(exitButton, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(exitButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(textMsg);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

} // namespace tallyvane
