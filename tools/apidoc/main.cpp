// cellvex_apidoc FILE: writes the API reference of ICellvex as Markdown.
// Fails, writing nothing, when a member has no line of meaning.
#include "ApiReference.h"

#include <QSaveFile>
#include <QTextStream>

int main(int argc, char **argv)
{
    QTextStream err(stderr);
    if (argc != 2) {
        err << "usage: cellvex_apidoc FILE.md\n";
        return 2;
    }
    QStringList problems;
    const QString markdown = cellvex::apiReferenceMarkdown(&problems);
    if (!problems.isEmpty()) {
        for (const QString &p : problems)
            err << "cellvex_apidoc: " << p << "\n";
        return 1;
    }
    QSaveFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::WriteOnly) || file.write(markdown.toUtf8()) < 0 || !file.commit()) {
        err << "cellvex_apidoc: cannot write " << file.fileName() << ": " << file.errorString() << "\n";
        return 1;
    }
    return 0;
}
