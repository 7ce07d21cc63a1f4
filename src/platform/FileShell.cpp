#include "platform/FileShell.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

namespace cellvex {

namespace {

class DesktopFileShell final : public FileShell
{
public:
    void run(Verb verb, const QString &file, int) override
    {
        switch (verb) {
        case Verb::Open:
            QDesktopServices::openUrl(QUrl::fromLocalFile(file));
            break;
        case Verb::Print:
            QProcess::startDetached(QStringLiteral("lp"), {QStringLiteral("--"), file});
            break;
        case Verb::Explore:
            QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(file).absolutePath()));
            break;
        }
    }
};

} // namespace

std::shared_ptr<FileShell> desktopFileShell()
{
    static const std::shared_ptr<FileShell> shell = std::make_shared<DesktopFileShell>();
    return shell;
}

} // namespace cellvex
