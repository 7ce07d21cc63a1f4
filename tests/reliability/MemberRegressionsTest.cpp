// Every input that once crashed the member fuzzer, or broke the report it
// checks, and the fuzzer's seeds, replayed through the driver it ran with.
// Under scripts/sanitize a memory fault among them stops the test as it
// stopped the fuzzer.
#include "MemberDriver.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cctype>

namespace {

QStringList inputsIn(const char *folder)
{
    QStringList out;
    const QDir dir(QString::fromUtf8(folder));
    for (const QString &name : dir.entryList(QDir::Files, QDir::Name))
        out << dir.filePath(name);
    return out;
}

class MemberInputs : public ::testing::TestWithParam<QString>
{
};

TEST_P(MemberInputs, LeaveTheReportWhole)
{
    QFile file(GetParam());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << GetParam().toStdString();
    const QByteArray bytes = file.readAll();
    QTemporaryDir files;
    ASSERT_TRUE(files.isValid());
    const QString broken = cellvex::fuzzing::driveMembers(
        reinterpret_cast<const std::uint8_t *>(bytes.constData()), std::size_t(bytes.size()), files.path());
    EXPECT_TRUE(broken.isEmpty()) << broken.toStdString();
}

std::string testName(const ::testing::TestParamInfo<QString> &info)
{
    std::string name = QFileInfo(info.param).dir().dirName().toStdString() + "_" +
                       QFileInfo(info.param).fileName().toStdString();
    for (char &ch : name)
        if (!std::isalnum(static_cast<unsigned char>(ch)))
            ch = '_';
    return name;
}

INSTANTIATE_TEST_SUITE_P(Found, MemberInputs,
                         ::testing::ValuesIn(inputsIn(CELLVEX_MEMBER_REGRESSIONS) +
                                             inputsIn(CELLVEX_MEMBER_SEEDS)),
                         testName);

} // namespace
