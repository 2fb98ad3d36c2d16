#include "core/app/single_instance_guard.h"

#include <QDir>
#include <QFileInfo>

SingleInstanceGuard::SingleInstanceGuard(const QString& programDirectory)
    : m_path(programDirectory + QLatin1Char('/') + QLatin1String(LockFileName))
{
}

bool SingleInstanceGuard::acquire()
{
    if (m_held)
        return true;
    // The very first start finds no program directory yet; only a free lock creates it.
    const QString directory = QFileInfo(m_path).absolutePath();
    if (!QFileInfo::exists(m_path) && !QDir().mkpath(directory))
        return false;
    m_lock = std::make_unique<QLockFile>(m_path);
    // A running copy may hold the lock for weeks: only a dead owner makes it stale.
    m_lock->setStaleLockTime(0);
    m_held = m_lock->tryLock(0);
    if (!m_held)
        m_lock.reset();
    return m_held;
}
