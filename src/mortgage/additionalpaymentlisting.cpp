// SPDX-License-Identifier: GPL-3.0-or-later
#include "mortgage/additionalpaymentlisting.h"

#include "core/numberformat.h"
#include "core/rightalign.h"

namespace tallyvane {

std::vector<ListedAdditionalPayment> listedAdditionalPayments(const AdditionalPaymentTable& table,
                                                              const std::vector<int>& appliedYears)
{
    std::vector<ListedAdditionalPayment> listed;
    for (int year : appliedYears)
        listed.push_back({year, table.amount(year)});
    return listed;
}

QString additionalPaymentListing(const AdditionalPaymentTable& table,
                                 const std::vector<ListedAdditionalPayment>& listed)
{
    if (table.enteredCount() == 0)
        return QString();
    QString text = QStringLiteral("Additional  Payments     Applied\r\n\r\n");
    for (const ListedAdditionalPayment& payment : listed)
        text += QStringLiteral(" Year   ") + rightAlign(formatNumber(payment.year, u"###"), 3) +
                QString(10, u' ') + rightAlign(formatMoney(payment.amount, u"###,###.00"), 12) +
                QStringLiteral("\r\n");
    return text;
}

} // namespace tallyvane
