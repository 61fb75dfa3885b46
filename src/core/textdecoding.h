// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Data files written by this program are UTF-8, but older ones were written
// on an 8-bit code page. A file is taken as UTF-8 only when all of it is
// valid UTF-8; otherwise it is read as Windows-1252, which is Latin-1 with
// printable characters in 0x80 to 0x9F, so no letter turns into a
// replacement character and is lost on the next save.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace tallyvane {

// The text of a file's bytes; a UTF-8 byte order mark is dropped.
QString decodeFileText(QByteArrayView bytes);

// The same text as UTF-8 bytes, for readers that work on bytes.
QByteArray fileTextAsUtf8(const QByteArray& bytes);

} // namespace tallyvane
