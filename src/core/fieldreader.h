// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Data files are lines of comma-separated fields: text in double quotes,
// numbers bare with a period, lines ended by CR LF (a bare LF is accepted).
// FieldReader takes the fields back one at a time in the order they were
// written. Anything malformed or missing raises FileFormatError; the reader
// never reads past the end of its data. The content is decoded once as a
// whole by decodeFileText (UTF-8, or Windows-1252 for older files).

#include "core/money.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <stdexcept>

namespace tallyvane {

class FileFormatError : public std::runtime_error
{
public:
    explicit FileFormatError(const std::string& what);
};

struct Field
{
    enum class Kind
    {
        Empty,
        Quoted,
        Bare
    };
    Kind kind = Kind::Empty;
    QString text;
};

class FieldReader
{
public:
    explicit FieldReader(QByteArray content);

    bool atEnd() const;
    // The next field as it stands in the file.
    Field readField();
    // A text field; a bare field is taken as its text.
    QString readText();
    // A bare number; an empty field reads as 0. Quoted text is an error.
    double readNumber();
    Money readMoney();
    std::int16_t readWhole16();

private:
    void skipBlanks();
    void finishField();
    QString readQuoted();
    QString readBare();

    QByteArray m_content;
    qsizetype m_position = 0;
};

} // namespace tallyvane
