#include "mortgage/mortgagefile.h"

#include "core/dates.h"
#include "core/fieldreader.h"
#include "core/fieldwriter.h"
#include "core/messages.h"
#include "core/plannererror.h"
#include "core/safefile.h"

#include <algorithm>

namespace tallyvane {
namespace {

// A days choice of 4 stands for 365.25 days, as choice 0 does.
constexpr std::int16_t AlternateDaysChoice = 4;
const QString Marker = QStringLiteral("O");

std::int16_t badFileNameMessage(LoanKind kind)
{
    return kind == LoanKind::Mortgage ? Message::BadMortgageFileName : Message::BadLoanFileName;
}

template <typename Choice> Choice listChoice(const std::optional<Choice>& choice)
{
    if (!choice)
        throw FileFormatError("unknown list text");
    return *choice;
}

std::int16_t readWholeIn(FieldReader& reader, int lowest, int highest)
{
    const std::int16_t value = reader.readWhole16();
    if (value < lowest || value > highest)
        throw FileFormatError("whole number out of range");
    return value;
}

// A file saved without a date in force may carry none; today's stands in.
QString readDate(FieldReader& reader)
{
    const QString text = reader.readText();
    if (text.isEmpty())
        return todayShortText();
    const QDate date = parseStoredDate(text);
    if (!date.isValid())
        throw FileFormatError("first payment date unreadable");
    // A two-digit short form cannot tell 2050 from 1950; such a date is kept
    // in the stored form, which the window reads as well.
    const QString shown = shortDateText(date);
    return parseShortDate(shown) == date ? shown : storedDateText(date);
}

// The date the window shows, as files store it; a text that is no date is
// kept as it is, as earlier versions kept it.
QString storedDate(const QString& shown)
{
    const QDate date = parseShortDate(shown);
    return date.isValid() ? storedDateText(date) : shown;
}

std::int16_t readDaysChoice(FieldReader& reader)
{
    const std::int16_t choice = readWholeIn(reader, 0, AlternateDaysChoice);
    return choice == AlternateDaysChoice ? std::int16_t{0} : choice;
}

LoanKind readLoanKind(FieldReader& reader)
{
    return static_cast<LoanKind>(
        readWholeIn(reader, static_cast<int>(LoanKind::Mortgage), static_cast<int>(LoanKind::PersonalLoan)));
}

// The increase is a fraction of at most 1 (100 %), as the payments dialog keeps it.
float readIncrease(FieldReader& reader)
{
    const double increase = reader.readNumber();
    if (increase < 0.0 || increase > 1.0)
        throw FileFormatError("payment increase out of range");
    return static_cast<float>(increase);
}

} // namespace

QByteArray mortgageFileContent(const MortgagePlan& plan)
{
    const MortgageWindowState& choices = plan.choices;
    // The table has no rows beyond its last year, so no file may announce more.
    const int yearRows = std::clamp<int>(choices.yearRows, 0, AdditionalPaymentTable::LastYear);
    FieldWriter writer;
    writer.writeMoney(plan.principal);
    writer.writeMoney(plan.annualRatePercent);
    writer.writeMoney(plan.termYears);
    writer.writeText(listText(plan.compounding));
    writer.writeText(listText(plan.paymentKind));
    writer.writeText(storedDate(choices.firstPaymentDate));
    writer.writeWhole(choices.showDates ? 1 : 0);
    writer.writeWhole(choices.daysInYearChoice);
    writer.writeWhole(static_cast<int>(plan.view));
    writer.writeWhole(yearRows);
    writer.writeWhole(choices.additionalCount);
    writer.writeWhole(static_cast<int>(plan.loanKind));
    writer.writeSingle(daysInYear(choices.daysInYearChoice).days);
    writer.writeText(Marker);
    writer.writeSingle(choices.paymentIncrease);
    writer.endLine();
    for (int row = 1; row <= yearRows; ++row) {
        writer.writeMoney(choices.additionalPayments.yearNumber(row));
        writer.writeMoney(choices.additionalPayments.amount(row));
        writer.endLine();
    }
    return writer.content();
}

void writeMortgageFile(const QString& path, const MortgagePlan& plan)
{
    if (const SaveOutcome saved = saveFileWithOutcome(path, mortgageFileContent(plan)); !saved)
        throw PlannerError(badFileNameMessage(plan.loanKind), saveFailureText(saved.failure));
}

MortgagePlan parseMortgageFile(const QByteArray& content)
{
    FieldReader reader(content);
    MortgagePlan plan;
    MortgageWindowState& choices = plan.choices;
    plan.principal = reader.readMoney();
    plan.annualRatePercent = reader.readMoney();
    plan.termYears = reader.readMoney();
    plan.compounding = listChoice(compoundingFromListText(reader.readText()));
    plan.paymentKind = listChoice(paymentKindFromListText(reader.readText()));
    choices.firstPaymentDate = readDate(reader);
    choices.showDates = reader.readWhole16() != 0;
    choices.daysInYearChoice = readDaysChoice(reader);
    plan.view = reader.readWhole16() == static_cast<int>(AmortizationView::AnnualTotals)
                    ? AmortizationView::AnnualTotals
                    : AmortizationView::AllPayments;
    choices.yearRows = readWholeIn(reader, 0, AdditionalPaymentTable::LastYear);
    choices.additionalCount = readWholeIn(reader, 0, choices.yearRows);
    plan.loanKind = readLoanKind(reader);
    reader.readNumber(); // the days follow from the choice
    reader.readText();   // the marker
    choices.paymentIncrease = readIncrease(reader);
    for (int row = 1; row <= choices.yearRows; ++row) {
        const Money year = reader.readMoney();
        choices.additionalPayments.setRow(row, year, reader.readMoney());
    }
    return plan;
}

MortgagePlan readMortgageFile(const QString& path)
{
    const std::optional<QByteArray> content = readSmallFile(path);
    if (!content)
        throw FileFormatError("file missing or unreadable");
    return parseMortgageFile(*content);
}

} // namespace tallyvane
