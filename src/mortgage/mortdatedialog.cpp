// SPDX-License-Identifier: GPL-3.0-or-later
#include "mortgage/mortdatedialog.h"

#include "core/dates.h"
#include "core/keyfilters.h"
#include "core/messages.h"
#include "core/sharedvalues.h"
#include "shell/captionlabel.h"
#include "shell/greenbox.h"
#include "shell/plannerwidgets.h"
#include "shell/uiservices.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace tallyvane {
namespace {

constexpr DialogOffsets DateOffsets{{4000, 2400}, {5000, 3400}};

} // namespace

MortDateInput::MortDateInput(MortgageWindowState& state, SharedValues& values, UiServices& services,
                             QWidget* parent)
    : SharedDialog(QStringLiteral("Date Input"), DateOffsets, values, parent), m_state(state),
      m_services(services), m_date(new QLineEdit(this))
{
    setObjectName(QStringLiteral("MortDateInput"));
    auto* caption = new CaptionLabel(QStringLiteral(" Type in the date of the    first payment"), this);
    caption->setObjectName(QStringLiteral("Label1"));

    m_date->setObjectName(QStringLiteral("InDate"));
    caption->setBuddy(m_date);
    nameAfterCaption(m_date, caption->text());
    m_date->setContextMenuPolicy(Qt::NoContextMenu);
    // A dropped text would arrive without passing the date's keys.
    m_date->setAcceptDrops(false);
    m_date->setText(shortDateText(parseShortDate(m_state.firstPaymentDate)));
    m_date->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("00/00/0000")) * 2);
    paintEntryGreen(m_date);
    m_date->installEventFilter(this);

    auto* ok = new QPushButton(QStringLiteral("&OK"), this);
    ok->setObjectName(QStringLiteral("OkExit"));
    ok->setAutoDefault(false);
    m_ok = ok;
    connect(ok, &QPushButton::clicked, this, [this] {
        // A date typed and left by the access key is read first.
        m_ok->setFocus(Qt::OtherFocusReason);
        accept();
    });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(caption);
    layout->addWidget(m_date);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    m_date->setFocus();
}

bool MortDateInput::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_date) {
        switch (event->type()) {
        case QEvent::KeyPress:
            return typeKey(static_cast<QKeyEvent*>(event));
        case QEvent::FocusOut:
            readDate();
            break;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
            // A middle click would paste the X selection, unfiltered.
            return static_cast<QMouseEvent*>(event)->button() == Qt::MiddleButton;
        default:
            break;
        }
    }
    return SharedDialog::eventFilter(watched, event);
}

bool MortDateInput::typeKey(QKeyEvent* event)
{
    if (event->matches(QKeySequence::Paste))
        return true;
    const int keyCode = entryKeyCode(event);
    if (keyCode == KeyEnter) {
        m_ok->setFocus(Qt::TabFocusReason);
        return true;
    }
    if (keyCode >= 0 && values().entryChanged == 0) {
        m_date->clear();
        values().entryChanged = 1;
    }
    return false;
}

void MortDateInput::readDate()
{
    values().entryChanged = 0;
    const QDate date = parseShortDate(m_date->text());
    if (!date.isValid()) {
        m_services.showMessage(values(), Message::NotAValidDate);
        m_date->setText(shortDateText(parseShortDate(m_state.firstPaymentDate)));
        QTimer::singleShot(0, m_date, [date = m_date] { date->setFocus(Qt::OtherFocusReason); });
        return;
    }
    m_state.firstPaymentDate = shortDateText(date);
    m_date->setText(m_state.firstPaymentDate);
}

} // namespace tallyvane
