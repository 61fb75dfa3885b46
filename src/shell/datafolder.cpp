// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/datafolder.h"

#include "shell/helpcontexts.h"

#include <QDir>
#include <QFileInfo>

namespace tallyvane {

QString dataFolder(const QString& programDirectory)
{
    const QDir program(programDirectory);
    if (QFileInfo::exists(program.filePath(QString::fromLatin1(HelpFileName))))
        return program.absolutePath();
    // The build fixes this path from the install layout, relative so that the
    // installed tree can move as a whole.
    return QDir::cleanPath(program.absoluteFilePath(QStringLiteral(TALLYVANE_DATA_FROM_PROGRAM)));
}

} // namespace tallyvane
