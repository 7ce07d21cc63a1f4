#include "SaveFileCommit.h"

#include <QSaveFile>

namespace cellvex {

bool commitSaveFile(QSaveFile &file, QString *reason)
{
    if (!file.flush()) {
        if (reason)
            *reason = file.errorString();
        // Never renamed into place; the destructor would discard it as well.
        file.cancelWriting();
        file.commit();
        return false;
    }
    if (!file.commit()) {
        if (reason)
            *reason = file.errorString();
        return false;
    }
    return true;
}

} // namespace cellvex
