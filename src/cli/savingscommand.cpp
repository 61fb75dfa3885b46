// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/calccommands.h"
#include "cli/chartoptions.h"
#include "cli/commandoptions.h"
#include "cli/commandoutcome.h"
#include "cli/printoutoptions.h"
#include "cli/savingsreport.h"
#include "core/messages.h"
#include "core/plannererror.h"
#include "savings/growthengine.h"
#include "savings/savingsprintout.h"

#include <string>

namespace tallyvane::cli {
namespace {

// Option values in the order of the window's frequency list.
const QStringList frequencyNames{QStringLiteral("annually"), QStringLiteral("quarterly"),
                                 QStringLiteral("monthly")};

const QStringList KnownOptions{QStringLiteral("lump"),      QStringLiteral("contribution"),
                               QStringLiteral("frequency"), QStringLiteral("rate"),
                               QStringLiteral("increase"),  QStringLiteral("inflation"),
                               QStringLiteral("years")};

const std::string Usage =
    std::string("Usage: tallyvane-calc savings [OPTIONS]\n\n") +
    "Growth of a lump sum and regular contributions, period by period, with the\n"
    "totals and the value at the end of each year.\n\n"
    "  --lump AMOUNT                           lump sum invested at start (0)\n"
    "  --contribution AMOUNT                   amount invested each period (1200)\n"
    "  --frequency annually|quarterly|monthly  contributions and compounding (annually)\n"
    "  --rate PERCENT                          annual interest/growth rate (20)\n"
    "  --increase PERCENT                      yearly increase of the contribution (0)\n"
    "  --inflation PERCENT                     annual inflation rate below 100, may be\n"
    "                                          negative (0)\n"
    "  --years N                               whole years from 0 to 40 (25)\n" +
    printoutUsage() + chartUsage();

// The window refuses the minus key in these boxes; a negative figure is
// refused as the planner refuses a wrong entry.
Money readUnsigned(const CommandOptions& options, const QString& name, const QString& fallback)
{
    const Money value = options.amount(name, fallback);
    if (value < Money())
        throw PlannerError(Message::WrongOrMissingEntry);
    return value;
}

// Years that are no whole number are a wrong command line; more than 40 is
// the window's own refusal.
Money readYears(const CommandOptions& options)
{
    const Money years = options.amount(QStringLiteral("years"), QStringLiteral("25"));
    if (years.raw() % Money::Scale != 0 || years < Money())
        throw UsageError(QStringLiteral("--years takes a whole number from 0 to %1").arg(MaxSavingsYears));
    if (years > Money::fromWhole(MaxSavingsYears))
        throw PlannerError(Message::FortyYearsLimit);
    return years;
}

SavingsInputs readInputs(const CommandOptions& options)
{
    options.expectNoWords();
    SavingsInputs inputs;
    inputs.lumpSum = readUnsigned(options, QStringLiteral("lump"), QStringLiteral("0"));
    inputs.contribution = readUnsigned(options, QStringLiteral("contribution"), QStringLiteral("1200"));
    const QString frequency =
        options.choice(QStringLiteral("frequency"), frequencyNames, QStringLiteral("annually"));
    inputs.frequency = static_cast<SavingsFrequency>(frequencyNames.indexOf(frequency));
    inputs.ratePercent = readUnsigned(options, QStringLiteral("rate"), QStringLiteral("20"));
    inputs.increasePercent = options.amount(QStringLiteral("increase"), QStringLiteral("0"));
    inputs.inflationPercent = options.amount(QStringLiteral("inflation"), QStringLiteral("0"));
    inputs.years = readYears(options);
    return inputs;
}

} // namespace

int runSavingsCommand(const QStringList& arguments, std::ostream& out, std::ostream& err)
{
    if (asksForHelp(arguments)) {
        out << Usage;
        return ExitSuccess;
    }
    try {
        const CommandOptions options(arguments, withChartOptions(withPrintoutOptions(KnownOptions)),
                                     chartSwitches());
        const CommandOutput output = readCommandOutput(options);
        const std::optional<ChartRequest> chart = readChartRequest(options);
        const SavingsInputs inputs = readInputs(options);
        const SavingsResult result = GrowthEngine().calculate(inputs);
        if (chart) {
            SharedValues values = programSettings();
            result.handOver(values);
            values.graphSource = static_cast<std::int16_t>(GraphSource::Savings);
            if (const int status = writeChart(*chart, values, err); status != ExitSuccess)
                return status;
        }
        if (output.printout) {
            const auto build = [&](const PrintoutSettings& settings) {
                return savingsPrintout(inputs, result, settings);
            };
            if (const int status = writePrintout(*output.printout, build, out, err); status != ExitSuccess)
                return status;
        }
        if (output.format)
            writerFor(*output.format, writeSavingsText, writeSavingsCsv,
                      writeSavingsJson)(SavingsReport{inputs, result}, out);
    } catch (const UsageError& error) {
        return refuseCommandLine(err, error, Usage);
    } catch (const PlannerError& error) {
        return calculationFailed(err, error.messageNumber());
    }
    return ExitSuccess;
}

} // namespace tallyvane::cli
