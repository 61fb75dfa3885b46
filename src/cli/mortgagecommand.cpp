#include "cli/calccommands.h"
#include "cli/commandoptions.h"
#include "cli/commandoutcome.h"
#include "cli/mortgagereport.h"
#include "cli/printoutoptions.h"
#include "core/messages.h"
#include "mortgage/amortizationengine.h"
#include "mortgage/mortgageprintout.h"

#include <QDate>

namespace tallyvane::cli {
namespace {

// Option values in the order of the window's lists.
const QStringList compoundingNames{QStringLiteral("monthly"), QStringLiteral("bimonthly"),
                                   QStringLiteral("quarterly"), QStringLiteral("semiannual"),
                                   QStringLiteral("annual")};
const QStringList paymentNames{QStringLiteral("monthly"),      QStringLiteral("semimonthly"),
                               QStringLiteral("2weeks"),       QStringLiteral("1week"),
                               QStringLiteral("biweekly-acc"), QStringLiteral("weekly-acc")};
const QStringList daysNames{QStringLiteral("365.25"), QStringLiteral("365"), QStringLiteral("364"),
                            QStringLiteral("363")};
const QStringList viewNames{QStringLiteral("all"), QStringLiteral("annual")};

constexpr int LongestLoanMonths = 480;
constexpr int MaxIncreasePercent = 100;

const char* commandName(LoanKind kind)
{
    return kind == LoanKind::Mortgage ? "mortgage" : "loan";
}

std::string usage(LoanKind kind)
{
    const bool mortgage = kind == LoanKind::Mortgage;
    return std::string("Usage: tallyvane-calc ") + commandName(kind) + " [OPTIONS]\n\n" +
           (mortgage ? "Amortization table of a mortgage, term in years.\n\n"
                     : "Amortization table of a personal loan, term in months.\n\n") +
           (mortgage ? "  --principal AMOUNT              amount borrowed (100000)\n"
                     : "  --principal AMOUNT              amount borrowed (20000)\n") +
           "  --rate PERCENT                  annual interest rate (10.125)\n" +
           (mortgage ? "  --term YEARS                    whole years, at most 40 (25)\n"
                     : "  --term MONTHS                   whole months, at most 480 (48)\n") +
           "  --compounding monthly|bimonthly|quarterly|semiannual|annual (monthly)\n"
           "  --payment monthly|semimonthly|2weeks|1week|biweekly-acc|weekly-acc (monthly)\n"
           "  --days 365.25|365|364|363       days in the year for two-weekly and weekly\n"
           "                                  payments (365)\n"
           "  --view all|annual               every payment or the yearly totals (annual)\n"
           "  --first-date YYYY-MM-DD         date of the first payment; rows then show dates\n"
           "  --increase PERCENT              raise every payment by 0 to 100 percent (0)\n"
           "  --extra YEAR=AMOUNT             additional payment at the start of a year;\n"
           "                                  repeatable\n" +
           printoutUsage();
}

// The term as typed: whole years for a mortgage, whole months for a loan.
int readTerm(const CommandOptions& options, LoanKind kind)
{
    const QString fallback = kind == LoanKind::Mortgage ? QStringLiteral("25") : QStringLiteral("48");
    const QString text = options.value(QStringLiteral("term")).value_or(fallback);
    bool valid = false;
    const int term = text.toInt(&valid);
    if (!valid || term < 0 || text.startsWith(u'+'))
        throw UsageError(QStringLiteral("--term needs a whole number, not \"%1\"").arg(text));
    return term;
}

// A mortgage above 40 years is refused by the engine; the months of a loan
// are capped here, as the loan window caps them.
Money termYears(int term, LoanKind kind)
{
    if (kind == LoanKind::Mortgage)
        return Money::fromWhole(term);
    if (term > LongestLoanMonths)
        throw AmortizationError(Message::FortyYearsLimit);
    return Money::fromWhole(term) / Money::fromWhole(12);
}

float readIncrease(const CommandOptions& options)
{
    const Money percent = options.amount(QStringLiteral("increase"), QStringLiteral("0"));
    if (percent < Money() || percent > Money::fromWhole(MaxIncreasePercent))
        throw UsageError(
            QStringLiteral("--increase takes a percentage from 0 to %1").arg(MaxIncreasePercent));
    return static_cast<float>(percent.toDouble() / 100.0);
}

void readExtras(const CommandOptions& options, AdditionalPaymentTable& table)
{
    for (const QString& extra : options.values(QStringLiteral("extra"))) {
        const qsizetype equals = extra.indexOf(u'=');
        const QString yearText = extra.left(equals);
        const QString amountText = extra.mid(equals + 1);
        bool validYear = false;
        const int year = yearText.toInt(&validYear);
        std::optional<Money> amount;
        try {
            amount = Money::fromDecimalText(amountText.toStdString());
        } catch (const std::exception&) {
            amount.reset();
        }
        if (equals < 0 || !validYear || year < 1 || year > AdditionalPaymentTable::LastYear || !amount ||
            *amount < Money())
            throw UsageError(QStringLiteral("--extra takes YEAR=AMOUNT with a year from 1 to %1, not \"%2\"")
                                 .arg(AdditionalPaymentTable::LastYear)
                                 .arg(extra));
        table.setAmount(year, *amount);
    }
}

std::optional<QDate> readFirstDate(const CommandOptions& options)
{
    const std::optional<QString> text = options.value(QStringLiteral("first-date"));
    if (!text)
        return std::nullopt;
    const QDate date = QDate::fromString(*text, QStringLiteral("yyyy-MM-dd"));
    if (!date.isValid())
        throw UsageError(QStringLiteral("--first-date needs a date as YYYY-MM-DD, not \"%1\"").arg(*text));
    return date;
}

template <typename Choice>
Choice readChoice(const CommandOptions& options, const QString& name, const QStringList& names,
                  const QString& fallback)
{
    return static_cast<Choice>(names.indexOf(options.choice(name, names, fallback)));
}

struct Request
{
    AmortizationInput input;
    int term = 0;
    CommandOutput output;
};

Request readRequest(const QStringList& arguments, LoanKind kind)
{
    const CommandOptions options(
        arguments,
        withPrintoutOptions({QStringLiteral("principal"), QStringLiteral("rate"), QStringLiteral("term"),
                             QStringLiteral("compounding"), QStringLiteral("payment"), QStringLiteral("days"),
                             QStringLiteral("view"), QStringLiteral("first-date"), QStringLiteral("increase"),
                             QStringLiteral("extra")}));
    options.expectNoWords();
    Request request;
    request.term = readTerm(options, kind);
    request.output = readCommandOutput(options);
    AmortizationInput& input = request.input;
    input.loanKind = kind;
    input.principal =
        options.amount(QStringLiteral("principal"),
                       kind == LoanKind::Mortgage ? QStringLiteral("100000") : QStringLiteral("20000"));
    input.annualRatePercent = options.amount(QStringLiteral("rate"), QStringLiteral("10.125"));
    input.compounding = readChoice<Compounding>(options, QStringLiteral("compounding"), compoundingNames,
                                                QStringLiteral("monthly"));
    input.paymentKind =
        readChoice<PaymentKind>(options, QStringLiteral("payment"), paymentNames, QStringLiteral("monthly"));
    input.daysInYearChoice = static_cast<std::int16_t>(
        daysNames.indexOf(options.choice(QStringLiteral("days"), daysNames, QStringLiteral("365"))));
    input.view =
        options.choice(QStringLiteral("view"), viewNames, QStringLiteral("annual")) == viewNames.first()
            ? AmortizationView::AllPayments
            : AmortizationView::AnnualTotals;
    input.firstPaymentDate = readFirstDate(options);
    input.paymentIncrease = readIncrease(options);
    readExtras(options, input.additionalPayments);
    return request;
}

int runAmortizationCommand(LoanKind kind, const QStringList& arguments, std::ostream& out, std::ostream& err)
{
    if (asksForHelp(arguments)) {
        out << usage(kind);
        return ExitSuccess;
    }
    Request request;
    try {
        request = readRequest(arguments, kind);
    } catch (const UsageError& error) {
        return refuseCommandLine(err, commandName(kind), error, usage(kind));
    }

    try {
        request.input.termYears = termYears(request.term, kind);
        const AmortizationResult result = AmortizationEngine().calculate(request.input);
        if (request.output.printout) {
            const auto build = [&](const PrintoutSettings& settings) {
                return mortgagePrintout(request.input, result, settings);
            };
            if (const int status = writePrintout(*request.output.printout, build, out, err);
                status != ExitSuccess)
                return status;
        }
        if (request.output.format)
            writerFor(*request.output.format, writeMortgageText, writeMortgageCsv,
                      writeMortgageJson)(MortgageReport{request.input, result}, out);
    } catch (const AmortizationError& error) {
        return calculationFailed(err, error.messageNumber());
    }
    return ExitSuccess;
}

} // namespace

int runMortgageCommand(const QStringList& arguments, std::ostream& out, std::ostream& err)
{
    return runAmortizationCommand(LoanKind::Mortgage, arguments, out, err);
}

int runLoanCommand(const QStringList& arguments, std::ostream& out, std::ostream& err)
{
    return runAmortizationCommand(LoanKind::PersonalLoan, arguments, out, err);
}

} // namespace tallyvane::cli
