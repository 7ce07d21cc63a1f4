#pragma once

#include <QString>

#include <optional>

namespace cellvex {

// Where in-process control servers are registered for the current user: one
// INI file, by default $XDG_CONFIG_HOME/cellvex/registry.ini, or the file
// named by CELLVEX_REGISTRY. It stands in for the class and ProgID keys a
// container looks up to create a control by name or class identifier.
struct ServerEntry
{
    QString classId;     // "{43D039F9-...}"
    QString progId;      // "Cellvexlib.Cellvex"
    QString libraryPath; // absolute path of the shared library
    QString threadingModel;
    quint32 miscStatus = 0;
    QString typeLibId;
    QString typeLibVersion;
};

class ServerRegistry
{
public:
    static QString defaultPath();
    explicit ServerRegistry(const QString &path = defaultPath()) : m_path(path) {}

    const QString &path() const { return m_path; }
    // Writes the entry atomically (temp file + rename); false when the file cannot be written.
    bool add(const ServerEntry &entry);
    bool remove(const QString &classId);
    std::optional<ServerEntry> findByClassId(const QString &classId) const;
    std::optional<ServerEntry> findByProgId(const QString &progId) const;

private:
    QString m_path;
};

} // namespace cellvex
