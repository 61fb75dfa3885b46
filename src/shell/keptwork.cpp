// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/keptwork.h"

#include "core/recoveryfolder.h"
#include "core/sharedvalues.h"
#include "shell/dialogs/yesnodialog.h"
#include "shell/uiservices.h"

#include <QDir>
#include <QFileInfo>

namespace tallyvane {

KeptWork::KeptWork(SharedValues& values, UiServices& services, KeptWorkSource source, QObject* parent)
    : QObject(parent), m_values(values), m_services(services), m_source(std::move(source))
{
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &KeptWork::keepNow);
}

void KeptWork::noteChange()
{
    if (!m_values.recoveryFolder.isEmpty() && !m_timer.isActive())
        m_timer.start(m_values.recoveryDelayMs);
}

void KeptWork::keepNow()
{
    m_timer.stop();
    if (m_values.recoveryFolder.isEmpty())
        return;
    const QByteArray content = m_source.unsaved() ? m_source.content() : QByteArray();
    // Work that reads exactly as the file it came from loses nothing.
    const bool asOnDisk = m_stamp && fileChecksum(content) == m_stamp->checksum;
    if (!content.isEmpty() && !asOnDisk)
        writeRecoveryCopy(m_values.recoveryFolder, m_values.recoveryRun, m_source.extension(),
                          m_source.fileName(), content);
    else
        removeRecoveryCopies(m_values.recoveryFolder, m_values.recoveryRun);
}

void KeptWork::letGo()
{
    m_timer.stop();
    if (!m_values.recoveryFolder.isEmpty())
        removeRecoveryCopies(m_values.recoveryFolder, m_values.recoveryRun);
}

bool KeptWork::mayOpen(const QString& path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    if (absolute == m_lock.heldPath() || !DocumentLock::isHeldElsewhere(absolute))
        return true;
    return askAbout(Question::OpenFileOpenElsewhere, absolute);
}

void KeptWork::opened(const QString& path)
{
    m_path = QFileInfo(path).absoluteFilePath();
    m_stamp = fileStampOf(m_path);
    // Held elsewhere means the user chose to open it anyway; read-only
    // media cannot be locked: either way the file opens without a lock.
    // Nor is anything locked where no work is kept at all (window tests,
    // which open the shared sample files side by side).
    if (m_values.recoveryFolder.isEmpty() || m_lock.hold(m_path) != DocumentLock::Outcome::Locked)
        m_lock.release();
}

bool KeptWork::mayReplace(const QString& path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    if (absolute != m_path || !m_stamp || !changedSince(absolute, *m_stamp))
        return true;
    return askAbout(Question::ReplaceChangedFile, absolute);
}

// Only an explicit Yes goes on; closing the question leaves things as they are.
bool KeptWork::askAbout(int question, const QString& path)
{
    static_assert(Question::OpenFileOpenElsewhere != AnswerYes && Question::ReplaceChangedFile != AnswerYes);
    m_values.yesNoState = static_cast<std::int16_t>(question);
    m_values.msgDetail = QDir::toNativeSeparators(path);
    m_services.askYesNo(m_values);
    m_values.msgDetail.clear();
    return m_values.yesNoState == AnswerYes;
}

void KeptWork::recovered()
{
    closeFile();
    keepNow();
}

void KeptWork::closeFile()
{
    m_lock.release();
    m_path.clear();
    m_stamp.reset();
}

} // namespace tallyvane
