// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QFileDialog;
class QString;

namespace tallyvane {

// Every file dialog of the program tells files apart by their names only and
// never opens one to look inside, so that a FIFO or a device in the folder
// shown cannot hold it.
void describeFilesByNameOnly(QFileDialog& dialog);
// The path an accepted dialog answers: a name typed into a save dialog is
// used as typed, never split at double quotes into other names.
QString chosenPath(const QFileDialog& dialog);

} // namespace tallyvane
