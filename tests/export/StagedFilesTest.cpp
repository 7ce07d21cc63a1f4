#include "export/StagedFiles.h"

#include "common/ReportError.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace cellvex;

namespace {

struct Staged : ::testing::Test
{
    QString path(const char *name) const { return dir.filePath(QString::fromUtf8(name)); }
    QStringList entries() const
    {
        return QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    }
    QByteArray content(const char *name) const
    {
        QFile f(path(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
    void write(const char *name, const QByteArray &bytes) const
    {
        QFile f(path(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }

    QTemporaryDir dir;
};

} // namespace

TEST_F(Staged, NothingAppearsBeforeTheCommitAndNothingStaysWithout)
{
    write("b.txt", "old");
    {
        StagedFiles files;
        files.add(path("a.txt"), "new a");
        files.add(path("b.txt"), "new b");
        EXPECT_EQ(content("b.txt"), "old");
        EXPECT_FALSE(QFile::exists(path("a.txt")));
    } // given up: a failure elsewhere
    EXPECT_EQ(entries(), QStringList{"b.txt"});
    EXPECT_EQ(content("b.txt"), "old");
}

TEST_F(Staged, CommitReplacesOldFilesAndLeavesNoTemporaryOnes)
{
    write("b.txt", "old");
    StagedFiles files;
    files.add(path("a.txt"), "new a");
    files.add(path("b.txt"), "new b");
    files.commit();
    EXPECT_EQ(entries(), (QStringList{"a.txt", "b.txt"}));
    EXPECT_EQ(content("a.txt"), "new a");
    EXPECT_EQ(content("b.txt"), "new b");
    EXPECT_TRUE(QFile::permissions(path("a.txt")) & QFile::ReadOther);
}

TEST_F(Staged, AFileThatCannotBeWrittenFailsWithItsName)
{
    StagedFiles files;
    files.add(path("a.txt"), "a");
    try {
        files.add(path("no/such/folder/b.txt"), "b");
        FAIL() << "no error";
    } catch (const ReportError &e) {
        EXPECT_TRUE(QString::fromUtf8(e.what()).contains(QStringLiteral("b.txt"))) << e.what();
    }
    EXPECT_THROW(files.add(dir.path() + QStringLiteral("/"), "folder"), ReportError);
}
