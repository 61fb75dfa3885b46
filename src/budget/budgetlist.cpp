// SPDX-License-Identifier: GPL-3.0-or-later
#include "budget/budgetlist.h"

#include "core/arithmeticfault.h"
#include "core/messages.h"
#include "core/plannererror.h"

#include <utility>

namespace tallyvane {
namespace {

// Fields 2 to 5 of a record from what the user typed. Both products are taken
// before anything is stored, so a figure out of range changes nothing.
BudgetRecord annualRecord(const BudgetEntry& entry, std::int16_t messageOnFault)
{
    if (entry.description.isEmpty() || entry.paymentsPerYear.isZero())
        throw PlannerError(Message::BoxesOneAndThreeNeedData);
    try {
        return BudgetRecord{0, entry.description, entry.amountPerPayment * entry.paymentsPerYear,
                            entry.paymentsPerYear, entry.budgetedPerPayment * entry.paymentsPerYear};
    } catch (const ArithmeticFault&) {
        throw PlannerError(messageOnFault, QStringLiteral("- amount too large."));
    }
}

} // namespace

const BudgetRecord& BudgetList::record(int n) const
{
    checkNumber(n);
    return m_records[n - 1];
}

void BudgetList::clear()
{
    m_records.clear();
}

void BudgetList::addRecord(const BudgetEntry& entry)
{
    if (count() >= Capacity)
        throw PlannerError(Message::WrongEntryWithDetail, QStringLiteral("- 500 records limit."));
    appendRecord(annualRecord(entry, Message::WrongEntryWithDetail));
}

void BudgetList::appendRecord(const BudgetRecord& record)
{
    if (count() >= Capacity)
        throw PlannerError(Message::WrongEntryWithDetail, QStringLiteral("- 500 records limit."));
    m_records.push_back(record);
    m_records.back().number = count();
}

BudgetEntry BudgetList::recordEntry(int n) const
{
    const BudgetRecord& stored = record(n);
    try {
        const double payments = stored.paymentsPerYear.toDouble();
        return BudgetEntry{stored.description, Money::fromDouble(stored.annualAmount.toDouble() / payments),
                           stored.paymentsPerYear,
                           Money::fromDouble(stored.annualBudgeted.toDouble() / payments)};
    } catch (const ArithmeticFault&) {
        // Only a record read from a foreign file can have 0 payments a year.
        throw PlannerError(Message::WrongEntry);
    }
}

void BudgetList::replaceRecord(int n, const BudgetEntry& entry)
{
    checkNumber(n);
    BudgetRecord replacement = annualRecord(entry, Message::WrongEntry);
    replacement.number = at(n).number;
    at(n) = std::move(replacement);
}

void BudgetList::deleteRecord(int n)
{
    checkNumber(n);
    m_records.erase(m_records.begin() + (n - 1));
    renumber();
}

// A Shell sort with halving gaps. Its exact comparison and exchange order
// decides where records with equal keys end up, which users see, so it must
// not be replaced by another sort.
void BudgetList::sortList(SortOrder order)
{
    const int total = count();
    for (int gap = total / 2; gap >= 1; gap /= 2) {
        for (int i = gap; i <= total - 1; ++i) {
            for (int j = i - gap + 1; j >= 1; j -= gap) {
                if (inSortOrder(at(j), at(j + gap), order))
                    break;
                std::swap(at(j), at(j + gap));
            }
        }
    }
    renumber();
}

int BudgetList::numberOf(const BudgetRecord& record) const
{
    for (const BudgetRecord& candidate : m_records)
        if (candidate.description == record.description && candidate.annualAmount == record.annualAmount &&
            candidate.paymentsPerYear == record.paymentsPerYear &&
            candidate.annualBudgeted == record.annualBudgeted)
            return candidate.number;
    return 0;
}

void BudgetList::checkNumber(int n) const
{
    if (n < 1 || n > count())
        throw PlannerError(Message::RecordDoesNotExist);
}

void BudgetList::renumber()
{
    std::int16_t number = 0;
    for (BudgetRecord& record : m_records)
        record.number = ++number;
}

} // namespace tallyvane
