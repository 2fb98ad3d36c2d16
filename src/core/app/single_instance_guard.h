#pragma once

#include <QLockFile>
#include <QString>

#include <memory>

// Keeps a second copy of the program from running against the same configuration. The
// lock file lies in the program directory; a lock left behind by a copy that crashed or was
// killed is taken over, because its process no longer exists.
class SingleInstanceGuard
{
public:
    static constexpr const char* LockFileName = "fondirex.lock";

    explicit SingleInstanceGuard(const QString& programDirectory);

    // True when this process now holds the lock (until the guard is destroyed). A refused
    // attempt leaves every file as it was.
    bool acquire();
    bool isHeld() const { return m_held; }
    QString lockFilePath() const { return m_path; }

private:
    QString m_path;
    std::unique_ptr<QLockFile> m_lock;
    bool m_held = false;
};
