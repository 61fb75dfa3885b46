#include "cli/calccommands.h"
#include "cli/commandoptions.h"
#include "cli/commandoutcome.h"
#include "cli/mortgagereport.h"
#include "cli/printoutoptions.h"
#include "core/dates.h"
#include "core/fieldreader.h"
#include "core/messages.h"
#include "mortgage/amortizationengine.h"
#include "mortgage/mortgagefile.h"
#include "mortgage/mortgageprintout.h"

#include <QDate>

#include <algorithm>

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
const QStringList KnownOptions{
    QStringLiteral("open"),     QStringLiteral("principal"),   QStringLiteral("rate"),
    QStringLiteral("term"),     QStringLiteral("compounding"), QStringLiteral("payment"),
    QStringLiteral("days"),     QStringLiteral("view"),        QStringLiteral("first-date"),
    QStringLiteral("increase"), QStringLiteral("extra"),       QStringLiteral("save")};

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
           "Values in parentheses are used when neither the option nor a file gives one.\n\n" +
           "  --open FILE                     start from a saved .UMD or .ULD file; its own\n"
           "                                  kind (mortgage or loan) is used, and every\n"
           "                                  option below given as well overrides its value\n" +
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
           "                                  repeatable; an amount of 0 removes one\n"
           "  --save FILE                     save these inputs to FILE, then show the table\n" +
           printoutUsage();
}

// The term as typed: whole years for a mortgage, whole months for a loan.
int readTerm(const CommandOptions& options)
{
    const QString text = options.value(QStringLiteral("term")).value_or(QString());
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
        throw PlannerError(Message::FortyYearsLimit);
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

// Each year given replaces that year's amount. The rows a saved file keeps
// then reach as far as the payments dialog would show them for the term, and
// at least to the last year given.
void applyExtras(const CommandOptions& options, MortgageWindowState& choices, Money termYears)
{
    const QStringList extras = options.values(QStringLiteral("extra"));
    if (extras.isEmpty())
        return;
    const Money longestTerm = Money::fromWhole(AdditionalPaymentTable::LastYear);
    int yearRows = std::max<int>(choices.yearRows, yearRowsFor(std::clamp(termYears, Money(), longestTerm)));
    for (const QString& extra : extras) {
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
        choices.additionalPayments.setAmount(year, *amount);
        yearRows = std::max(yearRows, year);
    }
    choices.yearRows = static_cast<std::int16_t>(yearRows);
    choices.additionalCount = choices.additionalPayments.enteredCount(yearRows);
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

// The option's value when given, else the plan's current choice.
template <typename Choice>
Choice readChoice(const CommandOptions& options, const QString& name, const QStringList& names,
                  Choice current)
{
    const QString fallback = names.at(static_cast<qsizetype>(current));
    return static_cast<Choice>(names.indexOf(options.choice(name, names, fallback)));
}

AmortizationView readView(const CommandOptions& options, AmortizationView current)
{
    const QString& fallback = viewNames.at(current == AmortizationView::AllPayments ? 0 : 1);
    return options.choice(QStringLiteral("view"), viewNames, fallback) == viewNames.first()
               ? AmortizationView::AllPayments
               : AmortizationView::AnnualTotals;
}

Money readAmount(const CommandOptions& options, const QString& name, Money current)
{
    return options.value(name) ? options.amount(name, QString()) : current;
}

MortgagePlan defaultPlan(LoanKind kind)
{
    MortgagePlan plan;
    plan.loanKind = kind;
    plan.principal = Money::fromWhole(kind == LoanKind::Mortgage ? 100000 : 20000);
    plan.annualRatePercent = *Money::fromDecimalText("10.125");
    plan.termYears = termYears(kind == LoanKind::Mortgage ? 25 : 48, kind);
    plan.choices.firstPaymentDate = todayShortText();
    return plan;
}

// What a calculation starts from: the saved file, or the window's opening loan.
MortgagePlan startingPlan(const CommandOptions& options, LoanKind kind)
{
    const std::optional<QString> path = options.value(QStringLiteral("open"));
    return path ? readMortgageFile(*path) : defaultPlan(kind);
}

struct Request
{
    MortgagePlan plan;
    // The first payment date exactly as given: the short form the plan keeps
    // may hold only two digits of the year.
    std::optional<QDate> firstDate;
};

// Every option given replaces the plan's value; the others keep it.
Request readRequest(const CommandOptions& options, LoanKind kind)
{
    Request request{startingPlan(options, kind), readFirstDate(options)};
    MortgagePlan& plan = request.plan;
    MortgageWindowState& choices = plan.choices;
    plan.principal = readAmount(options, QStringLiteral("principal"), plan.principal);
    plan.annualRatePercent = readAmount(options, QStringLiteral("rate"), plan.annualRatePercent);
    if (options.value(QStringLiteral("term")))
        plan.termYears = termYears(readTerm(options), plan.loanKind);
    plan.compounding = readChoice(options, QStringLiteral("compounding"), compoundingNames, plan.compounding);
    plan.paymentKind = readChoice(options, QStringLiteral("payment"), paymentNames, plan.paymentKind);
    choices.daysInYearChoice =
        readChoice(options, QStringLiteral("days"), daysNames, choices.daysInYearChoice);
    plan.view = readView(options, plan.view);
    if (request.firstDate) {
        choices.showDates = true;
        choices.firstPaymentDate = shortDateText(*request.firstDate);
    }
    if (options.value(QStringLiteral("increase")))
        choices.paymentIncrease = readIncrease(options);
    applyExtras(options, choices, plan.termYears);
    return request;
}

int runAmortizationCommand(LoanKind kind, const QStringList& arguments, std::ostream& out, std::ostream& err)
{
    if (asksForHelp(arguments)) {
        out << usage(kind);
        return ExitSuccess;
    }
    try {
        const CommandOptions options(arguments, withPrintoutOptions(KnownOptions));
        options.expectNoWords();
        const CommandOutput output = readCommandOutput(options);
        const Request request = readRequest(options, kind);
        AmortizationInput input = amortizationInput(request.plan);
        if (request.firstDate)
            input.firstPaymentDate = request.firstDate;
        const AmortizationResult result = AmortizationEngine().calculate(input);
        // Only inputs that calculate are saved, as the window saves only after a result.
        if (const std::optional<QString> savePath = options.value(QStringLiteral("save")))
            writeMortgageFile(*savePath, request.plan);
        if (output.printout) {
            const auto build = [&](const PrintoutSettings& settings) {
                return mortgagePrintout(input, result, settings);
            };
            if (const int status = writePrintout(*output.printout, build, out, err); status != ExitSuccess)
                return status;
        }
        if (output.format)
            writerFor(*output.format, writeMortgageText, writeMortgageCsv,
                      writeMortgageJson)(MortgageReport{input, result}, out);
    } catch (const UsageError& error) {
        return refuseCommandLine(err, commandName(kind), error, usage(kind));
    } catch (const FileFormatError&) {
        return calculationFailed(err, Message::FileNotFound);
    } catch (const PlannerError& error) {
        return calculationFailed(err, error.messageNumber(), error.detail());
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
