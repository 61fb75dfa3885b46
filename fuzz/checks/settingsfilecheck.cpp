// SPDX-License-Identifier: GPL-3.0-or-later
#include "fuzzchecks.h"

#include "core/settingsfile.h"

namespace tallyvane::fuzz {
namespace {

// The writer keeps a quote out of a quoted field by writing an apostrophe.
QString asWritten(QString text)
{
    return text.replace(u'"', u'\'');
}

} // namespace

void checkSettingsFile(const QByteArray& input)
{
    SharedValues read;
    const bool complete = parseSettings(input, read);
    require(!read.currencySymbol.isEmpty(), "settings without a currency symbol");
    require(read.prtFontChoice >= 0 && read.prtFontChoice <= 3, "a printer font choice outside 0 to 3");
    if (!complete) {
        require(read.pageLines == DefaultPageLines, "incomplete settings keep another page length");
        return;
    }
    const QByteArray written = settingsFileContent(read);
    SharedValues reread;
    require(parseSettings(written, reread), "settings written back do not open");
    require(reread.currencySymbol == asWritten(read.currencySymbol) &&
                reread.prtFontChoice == read.prtFontChoice && reread.userName == asWritten(read.userName),
            "settings written back open to other values");
    require(settingsFileContent(reread) == written, "writing the settings again changes them");
}

} // namespace tallyvane::fuzz
