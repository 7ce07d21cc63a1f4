#pragma once

#include <QByteArray>
#include <QString>

#include <memory>
#include <vector>

class QTemporaryFile;

namespace cellvex {

// Files that belong together (a page beside its pictures, the images of all
// pages) written so that a failure leaves none of them behind: each is
// written whole to a temporary file in its target's folder first, and only
// commit() renames them all into place, in the order they were added. Until
// then, and when anything fails, the temporary files are removed and files
// of the same names stay as they were.
class StagedFiles
{
public:
    StagedFiles();
    ~StagedFiles();
    StagedFiles(const StagedFiles &) = delete;
    StagedFiles &operator=(const StagedFiles &) = delete;

    // Writes `bytes` as the future content of `fileName`. Throws ReportError
    // naming the file when it cannot be written.
    void add(const QString &fileName, const QByteArray &bytes);

    // Moves every staged file onto its name, replacing what is there. Throws
    // ReportError when a rename fails; the files not yet moved are removed.
    void commit();

    qsizetype size() const { return qsizetype(m_files.size()); }

private:
    struct Staged
    {
        QString target;
        std::unique_ptr<QTemporaryFile> temp;
    };
    std::vector<Staged> m_files;
};

// The message for a file that cannot be written.
QString fileWriteFailure(const QString &fileName);

} // namespace cellvex
