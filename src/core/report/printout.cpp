#include "core/report/printout.h"

namespace tallyvane {

PrintoutSettings printoutSettings(const SharedValues& values)
{
    return {.header = values.printHeader,
            .fontChoice = values.prtFontChoice,
            .currencySymbol = values.currencySymbol};
}

} // namespace tallyvane
