#include "StagedFiles.h"

#include "common/ReportError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <cstdio>

namespace cellvex {

QString fileWriteFailure(const QString &fileName)
{
    return QStringLiteral("无法写入文件：%1").arg(QDir::toNativeSeparators(fileName));
}

StagedFiles::StagedFiles() = default;

// The QTemporaryFile members remove the files that were not committed.
StagedFiles::~StagedFiles() = default;

void StagedFiles::add(const QString &fileName, const QByteArray &bytes)
{
    // In the target's folder, so that the rename stays on one file system
    // and replaces the old file in one step.
    const QFileInfo info(fileName);
    auto temp = std::make_unique<QTemporaryFile>(info.absolutePath() + QStringLiteral("/.") +
                                                 info.fileName() + QStringLiteral(".XXXXXX"));
    if (info.fileName().isEmpty() || !temp->open())
        throw ReportError(fileWriteFailure(fileName));
    if (temp->write(bytes) != bytes.size() || !temp->flush()) {
        temp->close();
        throw ReportError(fileWriteFailure(fileName));
    }
    temp->close();
    // QTemporaryFile creates its files readable by the owner only; the
    // outputs are ordinary files.
    temp->setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    m_files.push_back({info.absoluteFilePath(), std::move(temp)});
}

void StagedFiles::commit()
{
    for (Staged &s : m_files) {
        // rename(2) replaces an existing target atomically, which QFile::rename refuses to do.
        const QByteArray from = QFile::encodeName(s.temp->fileName());
        const QByteArray to = QFile::encodeName(s.target);
        if (std::rename(from.constData(), to.constData()) != 0)
            throw ReportError(fileWriteFailure(s.target));
        s.temp->setAutoRemove(false);
    }
    m_files.clear();
}

} // namespace cellvex
