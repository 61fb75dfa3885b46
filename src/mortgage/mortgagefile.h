#pragma once

// A mortgage (".UMD") or personal loan (".ULD") file keeps what is needed to
// redo a calculation, never its results. Its first line has fifteen fields:
// principal, annual rate, term in years, the compounding and payment list
// texts (leading blanks kept), the first payment date in the short form,
// show-dates flag, days-in-year choice, view, year rows, additional count,
// mode (1 mortgage, 2 loan), days in the year, the marker "O" and the payment
// increase as a fraction. Then come year-rows lines of year number and
// additional amount. Text is quoted, numbers are bare, lines end in CR LF.
//
// A loan's term is its months / 12 to four decimals (50 months: 4.1667). The
// window shows it again as term x 12 rounded to whole months (50.0004 -> 50)
// and stores that as months / 12 again, so the value survives every reopening
// unchanged.
//
// Reading trusts nothing it cannot check: the days value and the marker are
// read and set aside (the days come from the choice's row), a days choice of
// 4 reads as 0, and the file's mode replaces the plan's loan kind.

#include "mortgage/mortgageplan.h"

#include <QByteArray>
#include <QString>


namespace tallyvane {

QByteArray mortgageFileContent(const MortgagePlan& plan);
// Throws PlannerError (Message::BadMortgageFileName or BadLoanFileName, by
// the plan's kind, with the reason as its detail) when the file could not be
// written; a file already at the path is then untouched.
void writeMortgageFile(const QString& path, const MortgagePlan& plan);

// The whole file is read before anything is answered: a missing or
// truncated file, text in a number field, an unknown list text, an
// unreadable date, a year-row count beyond the additional-payment table or
// below zero, an additional count outside 0..year rows, a days choice outside
// 0..4, a mode other than 1 or 2 or an increase outside 0..1 raise
// FileFormatError (shown as Message::FileNotFound).
MortgagePlan parseMortgageFile(const QByteArray& content);
MortgagePlan readMortgageFile(const QString& path);

} // namespace tallyvane
