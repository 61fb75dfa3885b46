// SPDX-License-Identifier: GPL-3.0-or-later
// Saves a large file through saveFileSafely and stops half way through
// writing it, saying "halfway" on its output, until it is killed: the save
// fault test kills it there and looks at what is left.
//   tallyvane_halfway_saver PATH MEGABYTES

#include "core/safefile.h"
#include "core/savefault.h"

#include <QByteArray>
#include <QString>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

int main(int argc, char** argv)
{
    if (argc != 3)
        return 2;
    const qint64 size = std::atoll(argv[2]) * 1024 * 1024;
    const QByteArray content(size, 'N');
    tallyvane::SaveFault pause;
    pause.afterPiece = [size](qint64 written) {
        if (written < size / 2)
            return;
        std::puts("halfway");
        std::fflush(stdout);
        for (;;)
            std::this_thread::sleep_for(std::chrono::hours(1));
    };
    const tallyvane::ScopedSaveFault halfway(pause);
    return tallyvane::saveFileSafely(QString::fromLocal8Bit(argv[1]), content) ? 0 : 1;
}
