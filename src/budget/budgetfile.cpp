#include "budget/budgetfile.h"

#include "core/fieldreader.h"
#include "core/fieldwriter.h"
#include "core/safefile.h"

namespace tallyvane {
namespace {

void writeList(FieldWriter& writer, const BudgetList& list)
{
    writer.writeWhole(list.count());
    writer.endLine();
    for (const BudgetRecord& record : list.records()) {
        writer.writeWhole(record.number);
        writer.writeText(record.description);
        writer.writeMoney(record.annualAmount);
        writer.writeMoney(record.paymentsPerYear);
        writer.writeMoney(record.annualBudgeted);
        writer.endLine();
    }
}

QString readDescription(FieldReader& reader)
{
    const QString description = reader.readText();
    // A description never holds a quote or a line break; finding one means a
    // quote is missing and the fields have run into each other.
    if (description.contains(u'"') || description.contains(u'\r') || description.contains(u'\n'))
        throw FileFormatError("description runs past its field");
    return description;
}

// A count line must hold a count: a blank line is not read as 0.
int readCount(FieldReader& reader)
{
    const Field field = reader.readField();
    bool isWhole = false;
    const int count = field.text.toInt(&isWhole);
    if (field.kind != Field::Kind::Bare || !isWhole || count < 0 || count > BudgetList::Capacity)
        throw FileFormatError("record count missing or out of range");
    return count;
}

void readList(FieldReader& reader, BudgetList& list)
{
    const int count = readCount(reader);
    for (int i = 0; i < count; ++i) {
        reader.readNumber(); // the stored number; records are renumbered by position
        BudgetRecord record;
        record.description = readDescription(reader);
        record.annualAmount = reader.readMoney();
        record.paymentsPerYear = reader.readMoney();
        record.annualBudgeted = reader.readMoney();
        list.appendRecord(record);
    }
}

} // namespace

QByteArray budgetFileContent(const BudgetList& incomeList, const BudgetList& expenseList)
{
    FieldWriter writer;
    writeList(writer, incomeList);
    writeList(writer, expenseList);
    return writer.content();
}

SaveOutcome writeBudgetFile(const QString& path, const BudgetList& incomeList, const BudgetList& expenseList)
{
    return saveDataFile(path, budgetFileContent(incomeList, expenseList));
}

bool readBudgetFile(const QString& path, BudgetList& incomeList, BudgetList& expenseList)
{
    incomeList.clear();
    expenseList.clear();
    const auto content = readSmallFile(path);
    return content && parseBudgetFile(*content, incomeList, expenseList);
}

bool parseBudgetFile(const QByteArray& content, BudgetList& incomeList, BudgetList& expenseList)
{
    incomeList.clear();
    expenseList.clear();
    try {
        FieldReader reader(content);
        readList(reader, incomeList);
        readList(reader, expenseList);
        return true;
    } catch (const FileFormatError&) {
    }
    incomeList.clear();
    expenseList.clear();
    return false;
}

} // namespace tallyvane
