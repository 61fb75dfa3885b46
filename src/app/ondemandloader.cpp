// SPDX-License-Identifier: GPL-3.0-or-later
// The program's way to the parts loaded on demand: the library is opened on
// the first call and stays open until the program ends.
#include "shell/ondemand.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>

namespace tallyvane {
namespace {

constexpr char LibraryName[] = "libtallyvane-ondemand.so";

// Beside the program in the build folder; in the private library folder,
// found from the program's folder, once installed.
QString libraryPath()
{
    const QDir program(QCoreApplication::applicationDirPath());
    const QString beside = program.filePath(QString::fromLatin1(LibraryName));
    if (QFileInfo::exists(beside))
        return beside;
    return QDir::cleanPath(program.absoluteFilePath(QStringLiteral(TALLYVANE_ONDEMAND_FROM_PROGRAM) + u'/' +
                                                    QString::fromLatin1(LibraryName)));
}

QLibrary& library()
{
    static QLibrary loaded(libraryPath());
    return loaded;
}

} // namespace

QFunctionPointer onDemandEntry(const char* name, QString* why)
{
    QLibrary& parts = library();
    if (!parts.isLoaded() && !parts.load()) {
        if (why)
            *why = parts.errorString();
        return nullptr;
    }
    const QFunctionPointer entry = parts.resolve(name);
    if (!entry && why)
        *why = parts.errorString();
    return entry;
}

} // namespace tallyvane
