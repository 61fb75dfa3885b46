// SPDX-License-Identifier: GPL-3.0-or-later
#include "mortgage/mortgoaldialog.h"

#include "core/sharedvalues.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace tallyvane {
namespace {

constexpr DialogOffsets GoalOffsets{{4000, 2400}, {5000, 3400}};

} // namespace

MortGoal::MortGoal(int lastYear, LoanKind kind, Reach reach, SharedValues& values, QWidget* parent)
    : SharedDialog(QStringLiteral("Goal"), GoalOffsets, values, parent), m_kind(kind),
      m_reach(std::move(reach))
{
    setObjectName(QStringLiteral("MortGoal"));
    auto* caption = new QLabel(QStringLiteral(" Final payment in &year (1 to %1)").arg(lastYear), this);
    caption->setObjectName(QStringLiteral("Label1"));
    m_year = new QLineEdit(QString::number(lastYear), this);
    m_year->setObjectName(QStringLiteral("InGoalYear"));
    m_year->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{1,2}")), m_year));
    m_year->setAccessibleName(QStringLiteral("Final payment in year"));
    caption->setBuddy(m_year);

    // Finding changes what the user typed into the payments table: say so first.
    auto* note = new QLabel(QStringLiteral("Find puts the amount into every year of the additional\n"
                                           "payments, replacing those entered, and calculates again."),
                            this);
    note->setObjectName(QStringLiteral("Label2"));

    m_outcome = new QLabel(this);
    m_outcome->setObjectName(QStringLiteral("GoalOutcome"));
    m_outcome->setAccessibleName(QStringLiteral("Additional payment found"));
    m_outcome->setWordWrap(true);
    m_outcome->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_outcome->setMinimumWidth(m_outcome->fontMetrics().horizontalAdvance(QString(48, u'0')));

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* findButton = buttons->addButton(QStringLiteral("&Find"), QDialogButtonBox::ActionRole);
    findButton->setObjectName(QStringLiteral("GoalFind"));
    findButton->setDefault(true);
    QPushButton* close = buttons->addButton(QStringLiteral("&Close"), QDialogButtonBox::RejectRole);
    close->setObjectName(QStringLiteral("GoalClose"));
    connect(findButton, &QPushButton::clicked, this, &MortGoal::find);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(caption);
    layout->addWidget(m_year);
    layout->addWidget(note);
    layout->addWidget(m_outcome);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    m_year->selectAll();
    m_year->setFocus();
}

void MortGoal::find()
{
    const std::optional<PayoffGoal> goal = m_reach(m_year->text().toInt());
    m_outcome->setText(goal ? payoffGoalText(*goal, m_kind, values().currencySymbol) : QString());
    m_year->setFocus();
    m_year->selectAll();
}

} // namespace tallyvane
