// SPDX-License-Identifier: GPL-3.0-or-later
#include "mortgage/mortprepaydialog.h"

#include "core/arithmeticfault.h"
#include "core/keyfilters.h"
#include "core/leadingnumber.h"
#include "core/messages.h"
#include "core/numberformat.h"
#include "core/rightalign.h"
#include "core/sharedvalues.h"
#include "mortgage/prepaygridmodel.h"
#include "shell/greenbox.h"
#include "shell/grid/grid.h"
#include "shell/uiservices.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tallyvane {
namespace {

constexpr DialogOffsets PrePayOffsets{{4300, 630}, {5300, 1650}};
const Money HundredPercent = Money::fromWhole(100);

const FigureBoxLayout PercentBox{
    KeyFilterKind::Decimal, -1, QStringLiteral("##0.000"), 9, QStringLiteral("%"), true, true, false};

QString percentText(Money percent)
{
    return rightAlign(formatMoney(percent, PercentBox.format), PercentBox.width) + PercentBox.suffix;
}

} // namespace

MortPrePay::MortPrePay(MortgageWindowState& state, Money termYears, SharedValues& values,
                       UiServices& services, QWidget* parent)
    : SharedDialog(QStringLiteral("Additional Payments"), PrePayOffsets, values, parent), m_state(state),
      m_services(services), m_yearRows(yearRowsFor(termYears)), m_model(new PrePayGridModel(this)),
      m_grid(new Grid(m_model)), m_percent(new GreenBox(PercentBox, values, services))
{
    setObjectName(QStringLiteral("MortPrePay"));
    m_state.yearRows = static_cast<std::int16_t>(m_yearRows);
    auto* heading = new QLabel(QStringLiteral("Use either one or both as methods of pre-payment"), this);
    heading->setObjectName(QStringLiteral("Label2"));

    m_grid->setObjectName(QStringLiteral("PGrid"));
    m_grid->setAccessibleName(QStringLiteral("Additional payments by year"));
    m_grid->setHeadingHeightTwips(510);
    m_grid->horizontalHeader()->setStretchLastSection(true);
    m_grid->setColumnWidth(PrePayGridModel::Year,
                           fontMetrics().horizontalAdvance(QStringLiteral("Year Number")) + 24);
    m_grid->setMinimumSize(fontMetrics().horizontalAdvance(QStringLiteral("Year NumberAmount of Payment")) +
                               80,
                           m_grid->verticalHeader()->defaultSectionSize() * 11);
    m_model->showYears(m_state.additionalPayments, m_yearRows);
    m_grid->setKeyHandler([this](int keyCode) { return typeKey(keyCode); });
    connect(m_grid, &Grid::currentCellChanged, this, [this] { m_typed.clear(); });
    m_grid->setCurrentCell(1, PrePayGridModel::Amount);

    auto* yearsFrame = new QGroupBox(QStringLiteral("Apply a payment to year/s"), this);
    yearsFrame->setObjectName(QStringLiteral("Frame2"));
    (new QVBoxLayout(yearsFrame))->addWidget(m_grid);

    m_percent->setObjectName(QStringLiteral("InPercent"));
    m_percent->setAccessibleName(QStringLiteral("Increase P+I by percentage"));
    m_percent->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("  100.000%")) + 24);
    showIncrease(Money::fromDouble(static_cast<double>(m_state.paymentIncrease) * 100.0));
    connect(m_percent, &GreenBox::figureStored, this, &MortPrePay::storeIncrease);
    auto* percentFrame = new QGroupBox(QStringLiteral("Increase P+I by percentage"), this);
    percentFrame->setObjectName(QStringLiteral("Frame1"));
    auto* percentLayout = new QHBoxLayout(percentFrame);
    percentLayout->addWidget(m_percent);
    percentLayout->addStretch();

    auto* eraseButton = new QPushButton(QStringLiteral("&Erase all"), this);
    eraseButton->setObjectName(QStringLiteral("DoNotUse"));
    eraseButton->setAutoDefault(false);
    connect(eraseButton, &QPushButton::clicked, this, &MortPrePay::eraseAll);
    auto* okButton = new QPushButton(QStringLiteral("&OK"), this);
    okButton->setObjectName(QStringLiteral("UsePrePay"));
    connect(okButton, &QPushButton::clicked, this, [this, okButton] {
        // A percentage typed and left by the access key is stored first.
        okButton->setFocus(Qt::OtherFocusReason);
        accept();
    });
    m_percent->setSuccessor(okButton);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(eraseButton);
    buttons->addWidget(okButton);
    // One column, so that the dialog stays over the frame at its start size.
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(yearsFrame, 1);
    layout->addWidget(percentFrame);
    layout->addLayout(buttons);
    m_grid->setFocus();
}

void MortPrePay::done(int result)
{
    // However the dialog is closed, the count must match the amounts left in
    // the table, which the next calculation applies.
    m_state.additionalCount = m_state.additionalPayments.enteredCount(m_yearRows);
    SharedDialog::done(result);
}

int MortPrePay::typeKey(int keyCode)
{
    if (keyCode == KeyEnter)
        return KeyEnter;
    const int row = m_grid->currentRow();
    if (keyCode == KeyDoubleQuote || row < 1)
        return KeyRefused;
    if (keyCode == KeyBackspace || keyCode == KeyDelete) {
        m_typed.clear();
        setRowAmount(row, Money());
        return KeyRefused;
    }
    if (m_grid->currentColumn() != PrePayGridModel::Amount)
        return KeyRefused;
    const QChar key(keyCode);
    if (key != u'.' && (key < u'0' || key > u'9')) {
        m_services.beep();
        return KeyRefused;
    }
    const QString typed = m_typed + key;
    const qsizetype point = typed.indexOf(u'.');
    if (point >= 0 && m_typed.size() >= point + 3) { // two decimals at most
        m_services.beep();
        return KeyRefused;
    }
    try {
        setRowAmount(row, readLeadingMoney(typed));
    } catch (const ArithmeticFault&) { // an amount too large for money, or no such year
        m_services.beep();
        return KeyRefused;
    }
    m_typed = typed;
    return KeyRefused;
}

void MortPrePay::setRowAmount(int row, Money amount)
{
    m_state.additionalPayments.setAmount(row, amount);
    m_model->showAmount(row, amount);
}

void MortPrePay::storeIncrease()
{
    Money percent = HundredPercent + Money::fromWhole(1);
    try {
        percent = readLeadingMoney(m_percent->text());
    } catch (const ArithmeticFault&) {
        // Far beyond the limit, which the message below corrects.
    }
    if (percent > HundredPercent) {
        m_services.showMessage(values(), Message::HundredPercentLimit);
        percent = HundredPercent;
    }
    m_state.paymentIncrease = static_cast<float>(percent.toDouble() / 100.0);
    showIncrease(percent);
}

void MortPrePay::showIncrease(Money percent)
{
    m_percent->setText(percentText(percent));
}

void MortPrePay::eraseAll()
{
    for (int row = 1; row <= m_yearRows; ++row)
        m_state.additionalPayments.setAmount(row, Money());
    m_state.additionalCount = 0;
    m_state.paymentIncrease = 0.0f;
    m_typed.clear();
    m_model->showYears(m_state.additionalPayments, m_yearRows);
    showIncrease(Money());
}

} // namespace tallyvane
