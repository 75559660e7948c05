// SPDX-License-Identifier: GPL-3.0-or-later
#include "single_instance.h"

#include <QDir>
#include <QStandardPaths>

namespace ui {

SingleInstance::SingleInstance(const QString &programName)
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    QDir().mkpath(folder);
    m_path = folder + QStringLiteral("/quorin-") + programName + QStringLiteral(".lock");
}

bool SingleInstance::acquire()
{
    m_lock = std::make_unique<QLockFile>(m_path);
    // A lock is only ever stale when its process is gone, which QLockFile checks itself.
    m_lock->setStaleLockTime(0);
    return m_lock->tryLock(0);
}

} // namespace ui
