#include "networth/networthfile.h"

#include "core/arithmeticfault.h"
#include "core/fieldreader.h"
#include "core/fieldwriter.h"
#include "core/safefile.h"
#include "core/textdecoding.h"

#include <QList>
#include <QRegularExpression>

#include <cmath>

namespace tallyvane {
namespace {

constexpr int FileRows = 31;
constexpr int FieldsPerRow = 4;

// Figures are stored in their money form, as in every other file: a subtotal
// of 0.1 + 0.2 is written 0.3, not 0.30000000000000004. A figure beyond money,
// which only a foreign file can bring, is written as it stands.
void writeFigure(FieldWriter& writer, double figure)
{
    try {
        writer.writeMoney(Money::fromDouble(figure));
    } catch (const ArithmeticFault&) {
        writer.writeNumber(figure);
    }
}

void writeCell(FieldWriter& writer, const CellValue& cell)
{
    switch (cell.kind()) {
    case CellValue::Kind::Text:
        writer.writeText(cell.text());
        break;
    case CellValue::Kind::Number:
        writeFigure(writer, cell.number());
        break;
    case CellValue::Kind::Empty:
        writer.writeEmpty();
        break;
    }
}

// Lines without their CR LF; a last line without a line end still counts.
QList<QByteArray> splitLines(const QByteArray& content)
{
    QList<QByteArray> lines = content.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    for (QByteArray& line : lines)
        if (line.endsWith('\r'))
            line.chop(1);
    return lines;
}

// The fields of one line, which must hold exactly `expected` of them.
QList<Field> readLine(const QByteArray& line, int expected)
{
    FieldReader reader(line + "\r\n");
    QList<Field> fields;
    for (int i = 0; i < expected; ++i)
        fields.append(reader.readField());
    if (!reader.atEnd())
        throw FileFormatError("too many fields on a line");
    return fields;
}

double plainNumber(const QString& text)
{
    static const QRegularExpression shape(QStringLiteral("^[+-]?(\\d+\\.?\\d*|\\.\\d+)$"));
    bool valid = false;
    const double number = text.toDouble(&valid);
    if (!shape.match(text).hasMatch() || !valid || !std::isfinite(number))
        throw FileFormatError("number expected");
    return number;
}

CellValue cellFrom(const Field& field)
{
    switch (field.kind) {
    case Field::Kind::Quoted:
        return CellValue::fromText(field.text);
    case Field::Kind::Bare:
        return CellValue::fromNumber(plainNumber(field.text));
    case Field::Kind::Empty:
        break;
    }
    return CellValue();
}

// A value cell holds a number, an empty text (a cleared figure) or nothing.
CellValue valueCellFrom(const Field& field)
{
    if (field.kind == Field::Kind::Quoted && !field.text.isEmpty())
        throw FileFormatError("text where a value belongs");
    return cellFrom(field);
}

std::int16_t countFrom(const Field& field)
{
    static const QRegularExpression whole(QStringLiteral("^\\d{1,2}$"));
    if (field.kind != Field::Kind::Bare || !whole.match(field.text).hasMatch())
        throw FileFormatError("count expected");
    const int count = field.text.toInt();
    if (count > CellTable::LastEntryRow)
        throw FileFormatError("count too large");
    return static_cast<std::int16_t>(count);
}

} // namespace

QByteArray netWorthFileContent(const NetWorthSheet& sheet)
{
    FieldWriter writer;
    writer.writeWhole(sheet.count(NetWorthSide::Assets));
    writer.writeWhole(sheet.count(NetWorthSide::Liabilities));
    writer.endLine();
    const CellTable& assets = sheet.cells(NetWorthSide::Assets);
    const CellTable& liabilities = sheet.cells(NetWorthSide::Liabilities);
    for (int row = 1; row <= FileRows; ++row) {
        // Row 31 never holds data; its line is kept for the layout.
        const bool hasData = row <= CellTable::LastEntryRow;
        for (const CellTable* side : {&assets, &liabilities}) {
            writeCell(writer, hasData ? side->name(row) : CellValue());
            writeCell(writer, hasData ? side->value(row) : CellValue());
        }
        writer.endLine();
    }
    return writer.content();
}

NetWorthSheet parseNetWorthFile(const QByteArray& content)
{
    // Decoded as one text, so every line is read in the same character set.
    const QList<QByteArray> lines = splitLines(fileTextAsUtf8(content));
    if (lines.size() < 1 + FileRows)
        throw FileFormatError("too few lines");
    NetWorthSheet sheet;
    const QList<Field> counts = readLine(lines[0], 2);
    sheet.setCount(NetWorthSide::Assets, countFrom(counts[0]));
    sheet.setCount(NetWorthSide::Liabilities, countFrom(counts[1]));
    CellTable& assets = sheet.cells(NetWorthSide::Assets);
    CellTable& liabilities = sheet.cells(NetWorthSide::Liabilities);
    for (int row = 1; row <= FileRows; ++row) {
        const QList<Field> fields = readLine(lines[row], FieldsPerRow);
        assets.set(row, CellTable::NameColumn, cellFrom(fields[0]));
        assets.set(row, CellTable::ValueColumn, valueCellFrom(fields[1]));
        liabilities.set(row, CellTable::NameColumn, cellFrom(fields[2]));
        liabilities.set(row, CellTable::ValueColumn, valueCellFrom(fields[3]));
    }
    return sheet;
}

SaveOutcome saveNetWorthFile(const QString& path, const NetWorthSheet& sheet)
{
    return saveDataFile(path, netWorthFileContent(sheet));
}

bool openNetWorthFile(const QString& path, NetWorthSheet& sheet)
{
    const std::optional<QByteArray> content = readSmallFile(path);
    if (!content)
        return false;
    try {
        sheet = parseNetWorthFile(*content);
        return true;
    } catch (const FileFormatError&) {
        return false;
    }
}

} // namespace tallyvane
