#pragma once

#include <QString>

class QSaveFile;

namespace cellvex {

// Commits a QSaveFile only when everything written reached the disk. Qt's
// commit() keeps data in its buffer until it closes the file, and when that
// last write fails (a full disk) it still renames the temporary file over
// the target and reports success: the old file is replaced by a truncated
// one. Flushing first, and discarding the temporary file when that fails,
// keeps the old file whole. False with the system's reason in `reason`
// when the file was not replaced.
bool commitSaveFile(QSaveFile &file, QString *reason = nullptr);

} // namespace cellvex
