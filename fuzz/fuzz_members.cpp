// Drives the control's members through Invoke (see MemberDriver.h); a
// report that no longer holds together stops the run like a crash.
#include "MemberDriver.h"

#include <QApplication>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static QApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static QTemporaryDir files;
    const QString broken = cellvex::fuzzing::driveMembers(data, size, files.path());
    if (!broken.isEmpty()) {
        fprintf(stderr, "invariant broken: %s\n", broken.toLocal8Bit().constData());
        abort();
    }
    return 0;
}
