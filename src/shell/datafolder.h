// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The help file and the sample files ship with the program and are only ever
// read. Run from the build folder, the program finds them beside itself;
// installed, it finds them in the data folder the install layout gives them
// (../share/tallyvane from the program's folder). Nothing is written there:
// an installed program's folders belong to the system.

#include <QString>

namespace tallyvane {

// The folder holding the help and sample files of the program that lives in
// `programDirectory`: that folder itself when the help file is beside the
// program, else the installed data folder.
QString dataFolder(const QString& programDirectory);

} // namespace tallyvane
