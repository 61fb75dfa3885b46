// SPDX-License-Identifier: GPL-3.0-or-later
#include "mortgage/paymentkind.h"

#include <array>

namespace tallyvane {
namespace {

constexpr std::array allKinds{
    PaymentKind::Monthly, PaymentKind::Semimonthly,         PaymentKind::TwoWeeks,
    PaymentKind::OneWeek, PaymentKind::BiweeklyAccelerated, PaymentKind::WeeklyAccelerated};

} // namespace

const QStringList& paymentKindListTexts()
{
    static const QStringList texts = [] {
        QStringList list;
        for (PaymentKind kind : allKinds)
            list << listText(kind);
        return list;
    }();
    return texts;
}

QString listText(PaymentKind kind)
{
    switch (kind) {
    case PaymentKind::Monthly:
        return QStringLiteral("      Monthly");
    case PaymentKind::Semimonthly:
        return QStringLiteral("  Semimonthly");
    case PaymentKind::TwoWeeks:
        return QStringLiteral("      2 Weeks");
    case PaymentKind::OneWeek:
        return QStringLiteral("      1 Week");
    case PaymentKind::BiweeklyAccelerated:
        return QStringLiteral(" Biweekly(Acc)");
    case PaymentKind::WeeklyAccelerated:
        return QStringLiteral("   Weekly(Acc)");
    }
    return QString();
}

std::optional<PaymentKind> paymentKindFromListText(const QString& text)
{
    for (PaymentKind kind : allKinds)
        if (listText(kind) == text)
            return kind;
    return std::nullopt;
}

std::int16_t paymentsPerYear(PaymentKind kind)
{
    switch (kind) {
    case PaymentKind::Monthly:
        return 12;
    case PaymentKind::Semimonthly:
        return 24;
    case PaymentKind::TwoWeeks:
    case PaymentKind::BiweeklyAccelerated:
        return 26;
    case PaymentKind::OneWeek:
    case PaymentKind::WeeklyAccelerated:
        return 52;
    }
    return 12;
}

bool usesDaysInYear(PaymentKind kind)
{
    return kind != PaymentKind::Monthly && kind != PaymentKind::Semimonthly;
}

double ratePeriodsPerYear(PaymentKind kind, const DaysInYear& days)
{
    switch (kind) {
    case PaymentKind::Monthly:
        return 12.0;
    case PaymentKind::Semimonthly:
        return 24.0;
    case PaymentKind::TwoWeeks:
    case PaymentKind::BiweeklyAccelerated:
        return days.q26;
    case PaymentKind::OneWeek:
    case PaymentKind::WeeklyAccelerated:
        return days.q52;
    }
    return 12.0;
}

double shareOfMonthlyPayment(PaymentKind kind)
{
    switch (kind) {
    case PaymentKind::Monthly:
        return 1.0;
    case PaymentKind::Semimonthly:
    case PaymentKind::BiweeklyAccelerated:
        return 1.0 / 2.0;
    case PaymentKind::TwoWeeks:
        return 12.0 / 26.0;
    case PaymentKind::OneWeek:
        return 12.0 / 52.0;
    case PaymentKind::WeeklyAccelerated:
        return 1.0 / 4.0;
    }
    return 1.0;
}

double rowCapacity(PaymentKind kind, double termYears)
{
    // The spare rows let a schedule whose rate periods do not match its payments
    // run a little past the term instead of stopping with a balance left.
    switch (kind) {
    case PaymentKind::Monthly:
        return 12.0 * termYears;
    case PaymentKind::Semimonthly:
    case PaymentKind::TwoWeeks:
    case PaymentKind::BiweeklyAccelerated:
        return 26.0 * termYears + 50.0;
    case PaymentKind::OneWeek:
    case PaymentKind::WeeklyAccelerated:
        return 52.0 * termYears + 50.0;
    }
    return 12.0 * termYears;
}

} // namespace tallyvane
