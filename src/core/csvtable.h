// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A table on its way out of the program as comma-separated text, for a
// spreadsheet to open. Fields are quoted the RFC 4180 way where they need
// it, lines end in CR LF and the bytes are UTF-8.
//
// Text that a user typed (a description, a name) can begin like a formula;
// a spreadsheet would run it instead of showing it. Such text gets a leading
// apostrophe, which spreadsheets read as "show as text". Figures are written
// as figures, so a negative amount keeps its minus.

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <vector>

namespace tallyvane {

struct CsvCell
{
    QString text;
    bool isFigure = false;
};

inline CsvCell csvText(const QString& text)
{
    return {text, false};
}
inline CsvCell csvFigure(const QString& figure)
{
    return {figure, true};
}

struct CsvTable
{
    QStringList headings = {};
    std::vector<std::vector<CsvCell>> rows = {};
};

// `text` with a leading apostrophe when it begins with "=", "+", "-", "@", a
// tab or a carriage return.
QString formulaSafeText(const QString& text);

// One field: quoted, its quotes doubled, when it holds a comma, a quote or a
// line break, or starts or ends with a blank, so every reader gets it back
// exactly.
QString csvQuotedField(const QString& field);

// A text field: formula-safe, then quoted where needed.
QString csvTextField(const QString& text);

// The heading row and every row, each line ended by CR LF, in UTF-8.
QByteArray csvDocument(const CsvTable& table);

} // namespace tallyvane
