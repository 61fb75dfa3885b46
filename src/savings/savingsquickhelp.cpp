// SPDX-License-Identifier: GPL-3.0-or-later
#include "savings/savingsquickhelp.h"

namespace tallyvane {
namespace {

struct HelpLine
{
    const char16_t* text;
    int lineBreaks; // line ends that follow the line
};

// {S} stands for the currency symbol. Lines 2 to 8 are the inputs of the five
// examples in the order of the boxes.
const HelpLine HelpLines[] = {
    {u"  Example 1                 Example 2                 Example 3                 Example 4             "
     u"    Example 5",
     3},
    {u"             .00                   1,000.00                             .00                  "
     u"30,000.00                30,000.00",
     4},
    {u"    1,000.00                            .00                     1,000.00                             "
     u".00                          .00",
     4},
    {u"     Annually                     Annually                      Annually                    Annually  "
     u"               Annually",
     4},
    {u"            20%                           20%                             20%                         "
     u"   .00%                      .00%",
     4},
    {u"           .00%                          .00%                           5.00%                         "
     u"   .00%                     .00%",
     4},
    {u"           .00%                          .00%                            .00%                         "
     u"  5.00%                  -5.00%",
     4},
    {u"            25                              25                                 25                     "
     u"           25                        25",
     2},
    {u"Click green box to change, start typing in numbers, deletes previous ones. For results click "
     u"Calculate.  Press F1 key for more detailed information.",
     2},
    {u"Example 1: Shows the future value of {S}1,000.00 invested each year for 25 years at a 20% "
     u"Interest/Growth Rate compounded annually.",
     2},
    {u"Example 2: Shows the future value of a lump sum of {S}1,000.00 invested for 25 years at a 20% "
     u"Interest/Growth Rate compounded annually.",
     2},
    {u"Example 3: Shows the future value of {S}1,000.00 invested the first year and increased by a 5% annual "
     u"Rate in each year, for 25 years at 20% Interest/Growth Rate compounded annually.",
     2},
    {u"Example 4: Shows the future value of {S}30,000.00 at a 5% annnual inflation Rate for 25 years. What "
     u"its purchasing power would be in the future.",
     2},
    {u"Example 5: Shows what the future value of {S}30,000.00 at 5% annual inflation Rate for 25 years would "
     u"have to be worth to have the same purchasing power as today. Minus used only in this calculation.",
     2},
    {u"For Investments made on a more frequent basis than each year. click down arrow beside 'Frequency of "
     u"each contribution period' for monthly or quarterly. Be sure to change the figures in 'Amount invested "
     u"at each contribution period' also.",
     2},
    {u"Compounding takes place at the frequency chosen: Annually, once a year. Quarterly, 4 times a year. "
     u"Monthly, 12 times a year. All percentage rates used in monthly and quarterly calculations are "
     u"adjusted for the annual percentage rate.",
     2},
    {u"As the program is very flexible you can tailor it to meet any situation such as varying the amounts "
     u"invested or interest/growth Rates each year.",
     2},
    {u"For more complex calculations use several steps. For instance if you plan on investing {S}1,000.00 "
     u"each year for 5 years and then adding a lump sum of {S}10,000.00 the sixth year for a total period of "
     u"25 years.",
     2},
    {u"First find Total Current Value for 5 years, add this to the {S}10,000.00, enter this figure in ' "
     u"Amount of Lump Sum Invested at Start' and calculate for the remaining 20 years.",
     2},
    {u"Another situation may be investing varying amounts each year over 25 years. Enter as a lump sum each "
     u"year and calculate for the remaining years (25, 24, ...1).",
     11},
};

} // namespace

QString savingsQuickHelp(const QString& currencySymbol)
{
    QString help;
    for (const HelpLine& line : HelpLines) {
        help += QString::fromUtf16(line.text).replace(QStringLiteral("{S}"), currencySymbol);
        help += QString(line.lineBreaks, u'\n');
    }
    return help + QString(50, u' ') + QStringLiteral("End");
}

} // namespace tallyvane
