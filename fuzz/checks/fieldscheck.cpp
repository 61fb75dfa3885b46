// SPDX-License-Identifier: GPL-3.0-or-later
#include "fuzzchecks.h"

#include "core/arithmeticfault.h"
#include "core/fieldreader.h"
#include "core/fieldwriter.h"

#include <QList>

#include <cmath>
#include <optional>

namespace tallyvane::fuzz {
namespace {

const QString Start = QStringLiteral("start");
const QString End = QStringLiteral("end");

// Every field of the input as FieldReader gives them, up to the first error.
QList<Field> readAllFields(const QByteArray& input)
{
    FieldReader reader(input);
    QList<Field> fields;
    try {
        while (!reader.atEnd()) {
            fields.append(reader.readField());
            // Each field takes at least its separator, so there can be no
            // more fields than bytes and a line end.
            require(fields.size() <= input.size() * 3 + 1, "the field reader does not move on");
        }
    } catch (const FileFormatError&) {
    }
    return fields;
}

// The field written between two others, as a data file would hold it.
QByteArray writtenBetween(const Field& field)
{
    FieldWriter writer;
    writer.writeText(Start);
    switch (field.kind) {
    case Field::Kind::Quoted:
        writer.writeText(field.text);
        break;
    case Field::Kind::Bare:
        writer.writeRaw(field.text.toUtf8());
        break;
    case Field::Kind::Empty:
        writer.writeEmpty();
        break;
    }
    writer.writeText(End);
    writer.endLine();
    return writer.content();
}

void checkWrittenBack(const Field& field)
{
    // A bare field is written exactly as given; one that starts as a quoted
    // field would is not a bare field any more, and FieldWriter never gets one.
    if (field.kind == Field::Kind::Bare && field.text.startsWith(u'"'))
        return;
    FieldReader reader(writtenBetween(field));
    require(reader.readText() == Start, "the field before a written field reads otherwise");
    const Field reread = reader.readField();
    require(reread.kind == field.kind && reread.text == field.text, "a field written back reads otherwise");
    require(reader.readText() == End && reader.atEnd(), "the field after a written field reads otherwise");
}

std::optional<double> numberOf(const Field& field)
{
    FieldReader reader(writtenBetween(field));
    reader.readField();
    try {
        return reader.readNumber();
    } catch (const FileFormatError&) {
        return std::nullopt;
    }
}

std::optional<Money> moneyOf(const Field& field)
{
    FieldReader reader(writtenBetween(field));
    reader.readField();
    try {
        return reader.readMoney();
    } catch (const FileFormatError&) {
        return std::nullopt;
    }
}

// The typed readings agree with each other: an empty field is 0, a figure
// that reads as money reads as the same number to within money's rounding.
void checkTypedReadings(const Field& field)
{
    if (field.kind == Field::Kind::Bare && field.text.startsWith(u'"'))
        return;
    const std::optional<double> number = numberOf(field);
    const std::optional<Money> money = moneyOf(field);
    if (field.kind == Field::Kind::Empty) {
        require(number == 0.0 && money == Money(), "an empty field does not read as 0");
        return;
    }
    if (field.kind == Field::Kind::Quoted) {
        require(!number && !money, "a quoted field reads as a number");
        return;
    }
    if (money) {
        require(number.has_value(), "a field that reads as money does not read as a number");
        require(std::fabs(*number - money->toDouble()) <= 0.00005 + std::fabs(*number) * 1e-15,
                "a field reads as money far from its number");
    }
    if (number)
        require(std::isfinite(*number), "a field reads as a number beyond doubles");
}

} // namespace

void checkFields(const QByteArray& input)
{
    for (const Field& field : readAllFields(input)) {
        require(field.kind != Field::Kind::Empty || field.text.isEmpty(), "an empty field holds text");
        checkWrittenBack(field);
        checkTypedReadings(field);
    }
}

} // namespace tallyvane::fuzz
