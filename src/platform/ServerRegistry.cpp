#include "ServerRegistry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

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

// Rewrites the registry through a copy, so a failed write never leaves half a file.
template <typename Edit> bool rewrite(const QString &path, Edit edit)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    const QString temp = path + QStringLiteral(".tmp");
    QFile::remove(temp);
    if (QFile::exists(path) && !QFile::copy(path, temp))
        return false;
    {
        QSettings s(temp, QSettings::IniFormat);
        edit(s);
        s.sync();
        if (s.status() != QSettings::NoError)
            return false;
    }
    if (QFile::exists(path) && !QFile::remove(path))
        return false;
    return QFile::rename(temp, path);
}

} // namespace

bool ServerRegistry::add(const ServerEntry &e)
{
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
