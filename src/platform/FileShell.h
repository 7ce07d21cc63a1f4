#pragma once

#include <QString>

#include <memory>

namespace cellvex {

// What the desktop does with a file when asked by verb: open it in its
// program, print it, or show the folder it is in. The show code (0 normal,
// 1 minimised, 2 maximised) is a wish the desktop may ignore. Results are
// not reported: callers carry on whatever happened.
class FileShell
{
public:
    enum class Verb { Open, Print, Explore };
    virtual ~FileShell() = default;
    virtual void run(Verb verb, const QString &file, int showCode) = 0;
};

// The desktop of this machine: Open through QDesktopServices, Print through
// `lp` with the file as one argument (never a shell command line), Explore
// opens the file's folder.
std::shared_ptr<FileShell> desktopFileShell();

} // namespace cellvex
