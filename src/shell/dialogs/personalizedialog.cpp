// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/dialogs/personalizedialog.h"

#include "core/keyfilters.h"
#include "core/messages.h"
#include "core/rightalign.h"
#include "core/settingsfile.h"
#include "core/sharedvalues.h"
#include "shell/plannerwidgets.h"
#include "shell/uiservices.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <utility>

namespace tallyvane {

CurrencyBox::CurrencyBox(SharedValues& values, UiServices& services, QWidget* parent)
    : GreenBox({.filter = KeyFilterKind::Words, .maxLength = 16}, values, services, parent), m_values(values)
{
}

void CurrencyBox::keyPressEvent(QKeyEvent* event)
{
    const int keyCode = entryKeyCode(event);
    const bool typesASymbol = keyCode >= 0 && keyCode != KeyEnter && keyCode != KeyDoubleQuote;
    if (typesASymbol && m_values.entryChanged == 0) {
        clear();
        m_values.entryChanged = 1;
    }
    GreenBox::keyPressEvent(event);
}

void CurrencyBox::mousePressEvent(QMouseEvent* event)
{
    m_values.entryChanged = 1;
    clear();
    GreenBox::mousePressEvent(event);
}

void CurrencyBox::focusOutEvent(QFocusEvent* event)
{
    if (m_values.entryChanged == 1)
        setText(rightAlign(text(), CurrencySymbolLimit));
    GreenBox::focusOutEvent(event);
}

ChangeFnt::ChangeFnt(SharedValues& values, UiServices& services, QWidget* frame)
    : SharedDialog(QStringLiteral("Personalize"), {{3060, 700}, {4000, 2000}}, values, frame),
      m_services(services), m_fonts(new QButtonGroup(this))
{
    setObjectName(QStringLiteral("ChangeFnt"));
    auto* fontFrame = new QGroupBox(QStringLiteral("Change Printer Font"), this);
    fontFrame->setObjectName(QStringLiteral("Frame1"));
    auto* fontList = new QVBoxLayout(fontFrame);
    const char* const fontCaptions[] = {"Courier New 12 point font", "Courier New 11 point font",
                                        "Courier New 10 point font", "Standard Printer Font"};
    for (int index = 3; index >= 0; --index) {
        auto* option = new QRadioButton(QString::fromLatin1(fontCaptions[3 - index]), fontFrame);
        option->setObjectName(QStringLiteral("PtrFt%1").arg(index));
        m_fonts->addButton(option, index);
        fontList->addWidget(option);
    }
    if (QAbstractButton* chosen = m_fonts->button(values.prtFontChoice))
        chosen->setChecked(true);
    connect(m_fonts, &QButtonGroup::idClicked, this,
            [&values](int index) { values.prtFontChoice = static_cast<std::int16_t>(index); });

    m_currency = new CurrencyBox(values, services, this);
    m_currency->setObjectName(QStringLiteral("InCurrency"));
    m_currency->setText(values.currencySymbol);
    m_name =
        new GreenBox({.filter = KeyFilterKind::Words, .maxLength = UserNameLimit}, values, services, this);
    m_name->setObjectName(QStringLiteral("InMyName"));
    m_name->setText(values.userName);
    connect(m_name, &QLineEdit::textChanged, this,
            [&values](const QString& name) { values.userName = name; });
    m_exit = plannerButton(QStringLiteral("E&xit to Menu"), QStringLiteral("ExitFonts"), this);
    connect(m_exit, &QPushButton::clicked, this, &QDialog::accept);
    m_currency->setSuccessor(m_name);
    m_name->setSuccessor(m_exit);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(fontFrame);
    for (const auto& [caption, box] : {std::pair{plannerCaption(QStringLiteral("  Change Currency Symbol."),
                                                                 QStringLiteral("Label2"), this),
                                                  static_cast<QWidget*>(m_currency)},
                                       std::pair{plannerCaption(QStringLiteral("Type in your name"),
                                                                QStringLiteral("Label3"), this),
                                                 static_cast<QWidget*>(m_name)}}) {
        caption->setBuddy(box);
        nameAfterCaption(box, caption->text());
        layout->addWidget(caption);
        layout->addWidget(box);
    }
    layout->addWidget(m_exit);
}

// However the window is left, what was typed is kept and saved: closing it
// by its close box must not lose a name typed a moment before.
void ChangeFnt::done(int result)
{
    if (QWidget* focused = focusWidget())
        focused->clearFocus(); // stores the box being typed in
    values().currencySymbol = m_currency->text().trimmed();
    values().userName = m_name->text();
    if (!saveUserSettings(values())) {
        values().msgDetail = userSettingsPath();
        m_services.showMessage(values(), Message::SettingsNotSaved);
    }
    SharedDialog::done(result);
}

} // namespace tallyvane
