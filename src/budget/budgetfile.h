#pragma once

// A budget file (".BGT") holds the income list and then the expense list,
// each as a count line followed by one line per record: number, description
// in double quotes, annual amount, payments per year and annual budgeted
// amount, numbers in their shortest plain form, lines ended by CR LF. Display
// period, sort order and totals are not stored.

#include "budget/budgetlist.h"
#include "core/savefailure.h"

#include <QByteArray>
#include <QString>

namespace tallyvane {

QByteArray budgetFileContent(const BudgetList& incomeList, const BudgetList& expenseList);
// False, with the reason, when the file could not be written, or would be too
// large to open again; an existing file is then untouched.
SaveOutcome writeBudgetFile(const QString& path, const BudgetList& incomeList, const BudgetList& expenseList);

// Fills both lists from the file. On any failure (missing, unreadable, too
// large, fewer records than announced, a count outside 0 to 500, text where a
// number belongs) both lists are left empty and the answer is false; the
// worksheet then shows message Message::FileNotFound. Records keep the file's
// order and are numbered by position; the caller sorts them.
bool readBudgetFile(const QString& path, BudgetList& incomeList, BudgetList& expenseList);
bool parseBudgetFile(const QByteArray& content, BudgetList& incomeList, BudgetList& expenseList);

} // namespace tallyvane
