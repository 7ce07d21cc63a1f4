#include "ServerRegistry.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSettings>
#include <QStandardPaths>
#include <QThread>

#include <cstdio>

namespace cellvex {

QString ServerRegistry::defaultPath()
{
    const QString env = qEnvironmentVariable("CELLVEX_REGISTRY");
    if (!env.isEmpty())
        return env;
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/cellvex/registry.ini");
}

namespace {

QString classGroup(const QString &classId)
{
    return QStringLiteral("CLSID/") + classId;
}

std::optional<ServerEntry> readEntry(const QSettings &s, const QString &classId)
{
    const QString g = classGroup(classId) + QLatin1Char('/');
    if (!s.contains(g + QStringLiteral("InprocServer32")))
        return std::nullopt;
    ServerEntry e;
    e.classId = classId;
    e.progId = s.value(g + QStringLiteral("ProgID")).toString();
    e.libraryPath = s.value(g + QStringLiteral("InprocServer32")).toString();
    e.threadingModel = s.value(g + QStringLiteral("ThreadingModel")).toString();
    e.miscStatus = s.value(g + QStringLiteral("MiscStatus")).toUInt();
    e.typeLibId = s.value(g + QStringLiteral("TypeLib")).toString();
    e.typeLibVersion = s.value(g + QStringLiteral("Version")).toString();
    return e;
}

// Rewrites the registry through a copy, so a failed write never leaves half
// a file. Several processes may register at once (scripts started side by
// side): a lock file orders them, each copy has its own name, and the copy
// replaces the file in one rename, so readers never see it missing.
template <typename Edit> bool rewrite(const QString &path, Edit edit)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QLockFile lock(path + QStringLiteral(".lock"));
    lock.setStaleLockTime(10000);
    // QLockFile's own wait backs off to seconds between tries; writers here
    // hold the lock for milliseconds, so try often instead.
    QElapsedTimer waited;
    waited.start();
    while (!lock.tryLock(0)) {
        if (lock.error() != QLockFile::LockFailedError || waited.hasExpired(30000))
            return false;
        QThread::msleep(5);
    }
    const QString temp = path + QStringLiteral(".tmp.%1").arg(QCoreApplication::applicationPid());
    QFile::remove(temp);
    if (QFile::exists(path) && !QFile::copy(path, temp))
        return false;
    {
        QSettings s(temp, QSettings::IniFormat);
        edit(s);
        s.sync();
        if (s.status() != QSettings::NoError) {
            QFile::remove(temp);
            return false;
        }
    }
    if (std::rename(QFile::encodeName(temp).constData(), QFile::encodeName(path).constData()) != 0) {
        QFile::remove(temp);
        return false;
    }
    return true;
}

bool sameEntry(const ServerEntry &a, const ServerEntry &b)
{
    return a.classId == b.classId && a.progId == b.progId && a.libraryPath == b.libraryPath &&
           a.threadingModel == b.threadingModel && a.miscStatus == b.miscStatus &&
           a.typeLibId == b.typeLibId && a.typeLibVersion == b.typeLibVersion;
}

} // namespace

bool ServerRegistry::add(const ServerEntry &e)
{
    // Registering again what is registered already writes nothing.
    const auto present = findByClassId(e.classId);
    const auto named = findByProgId(e.progId);
    if (present && sameEntry(*present, e) && named && named->classId == e.classId)
        return true;
    return rewrite(m_path, [&](QSettings &s) {
        const QString g = classGroup(e.classId) + QLatin1Char('/');
        s.setValue(g + QStringLiteral("ProgID"), e.progId);
        s.setValue(g + QStringLiteral("InprocServer32"), e.libraryPath);
        s.setValue(g + QStringLiteral("ThreadingModel"), e.threadingModel);
        s.setValue(g + QStringLiteral("MiscStatus"), e.miscStatus);
        s.setValue(g + QStringLiteral("TypeLib"), e.typeLibId);
        s.setValue(g + QStringLiteral("Version"), e.typeLibVersion);
        s.setValue(QStringLiteral("ProgID/") + e.progId + QStringLiteral("/CLSID"), e.classId);
    });
}

bool ServerRegistry::remove(const QString &classId)
{
    const auto entry = findByClassId(classId);
    if (!entry)
        return true;
    return rewrite(m_path, [&](QSettings &s) {
        s.remove(classGroup(classId));
        s.remove(QStringLiteral("ProgID/") + entry->progId);
    });
}

std::optional<ServerEntry> ServerRegistry::findByClassId(const QString &classId) const
{
    const QSettings s(m_path, QSettings::IniFormat);
    return readEntry(s, classId);
}

std::optional<ServerEntry> ServerRegistry::findByProgId(const QString &progId) const
{
    const QSettings s(m_path, QSettings::IniFormat);
    const QString classId = s.value(QStringLiteral("ProgID/") + progId + QStringLiteral("/CLSID")).toString();
    if (classId.isEmpty())
        return std::nullopt;
    return readEntry(s, classId);
}

} // namespace cellvex
