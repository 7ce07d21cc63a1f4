// Writing files where the file system refuses them: a tiny tmpfs filled up,
// and one made read-only, mounted for the test (only root may mount; the
// test is skipped otherwise). Every kind of output the control writes must
// fail with a message naming the file, keep the file written before byte
// for byte, leave no temporary file behind and keep Saved as it was.
#include "ControlObject.h"
#include "control/ReportActions.h"
#include "export/ExportRange.h"
#include "export/StandaloneHtml.h"
#include "report/Report.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <map>
#include <sys/mount.h>
#include <unistd.h>

using namespace cellvex;
using namespace cellvex::automation;

namespace {

enum class Fault { Full, ReadOnly };

// A tmpfs of its own at `path`, unmounted when done.
class Tmpfs
{
public:
    explicit Tmpfs(const QString &path) : m_path(QFile::encodeName(path))
    {
        if (::mount("tmpfs", m_path.constData(), "tmpfs", 0, "size=256k") == 0)
            m_mounted = true;
        else
            m_error = QString::fromLocal8Bit(std::strerror(errno));
    }
    ~Tmpfs()
    {
        if (m_mounted)
            ::umount2(m_path.constData(), MNT_DETACH);
    }
    Tmpfs(const Tmpfs &) = delete;
    Tmpfs &operator=(const Tmpfs &) = delete;

    bool mounted() const { return m_mounted; }
    QString error() const { return m_error; }

    // Writes a filler file until the file system has no block left.
    bool fill()
    {
        const QByteArray name = m_path + "/filler";
        const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        if (fd < 0)
            return false;
        const QByteArray block(4096, 'f');
        ssize_t n = 0;
        while ((n = ::write(fd, block.constData(), size_t(block.size()))) > 0) {
        }
        const bool full = n < 0 && errno == ENOSPC;
        ::close(fd);
        return full;
    }
    bool makeReadOnly()
    {
        return ::mount("tmpfs", m_path.constData(), "tmpfs", MS_REMOUNT | MS_RDONLY, "size=256k") == 0;
    }

private:
    QByteArray m_path;
    bool m_mounted = false;
    QString m_error;
};

// Every file in the folder with its bytes, hidden ones (temporary files) included.
std::map<QString, QByteArray> contentsOf(const QString &folder)
{
    std::map<QString, QByteArray> out;
    const QDir dir(folder);
    for (const QString &name : dir.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        if (name == QLatin1String("filler"))
            continue;
        QFile f(dir.filePath(name));
        out[name] = f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(unreadable)");
    }
    return out;
}

struct Output
{
    const char *name;
    const char *file; // the name the failure must mention
    // Writes the report into the folder; the failure's description, or an
    // empty text when it worked.
    std::function<QString(test::ControlObject &, const QString &folder)> write;
};

QString failureOf(test::ControlObject &t, HResult hr)
{
    if (hr == S_OK)
        return QString();
    const QString d = t.o->errorInfo().description();
    return d.isEmpty() ? QStringLiteral("(failed without a description)") : d;
}

const Output kOutputs[] = {
    {"SaveReport", "report.cvd",
     [](test::ControlObject &t, const QString &folder) {
         return failureOf(t, t.o->SaveReport(folder + QStringLiteral("/report.cvd")));
     }},
    {"TransHtmlPictures", "page_C1C0",
     [](test::ControlObject &t, const QString &folder) {
         QString html;
         return failureOf(t, t.o->TransHtml(false, 0, 0, 0, 0, folder + QStringLiteral("/page"), &html));
     }},
    {"TransExcel", "book.xlsx",
     [](test::ControlObject &t, const QString &folder) {
         return failureOf(t, t.o->TransExcel(folder + QStringLiteral("/book.xlsx"), false, 0, 0, 0, 0));
     }},
    {"StandaloneHtml", "page_C1C0.png",
     [](test::ControlObject &t, const QString &folder) {
         const Report &report = t.c().report();
         try {
             writeStandaloneHtml(report, ExportRange{0, 0, report.colCount() - 1, report.rowCount() - 1},
                                 folder + QStringLiteral("/page.html"));
         } catch (const ReportError &e) {
             return e.message();
         }
         return QString();
     }},
};

class FileFaults : public ::testing::TestWithParam<std::tuple<Fault, Output>>, public test::ControlObject
{
protected:
    void SetUp() override
    {
        // A report with a picture, so that the HTML outputs write files of
        // their own beside the page.
        const QString source = pictures.filePath(QStringLiteral("source.bmp"));
        QImage image(4, 3, QImage::Format_RGB32);
        image.fill(Qt::blue);
        ASSERT_TRUE(image.save(source, "bmp"));
        ASSERT_EQ(o->NewReport(3, 2), S_OK);
        ASSERT_EQ(o->SetCellValue(1, 1, QStringLiteral("first")), S_OK);
        ASSERT_EQ(o->SetCellPicture(2, 1, source, false), S_OK);
    }

    QTemporaryDir pictures;
    QTemporaryDir base;
};

TEST_P(FileFaults, FailClearlyAndKeepTheOldFile)
{
    const auto &[fault, output] = GetParam();
    if (::geteuid() != 0)
        GTEST_SKIP() << "mounting a file system for the test needs root";
    const QString folder = base.filePath(QStringLiteral("mnt"));
    ASSERT_TRUE(QDir().mkpath(folder));
    Tmpfs fs(folder);
    if (!fs.mounted())
        GTEST_SKIP() << "tmpfs cannot be mounted here: " << fs.error().toStdString();

    ASSERT_EQ(output.write(*this, folder), QString()) << "the first write, with room";
    const std::map<QString, QByteArray> before = contentsOf(folder);
    ASSERT_FALSE(before.empty());

    // The report changes, so that a new file would differ from the old one.
    ASSERT_EQ(o->SetCellValue(1, 1, QString(5000, QLatin1Char('x'))), S_OK);
    ASSERT_EQ(o->SetCellValue(3, 2, QStringLiteral("second")), S_OK);
    ASSERT_EQ(o->put_Saved(false), S_OK);
    ASSERT_TRUE(fault == Fault::Full ? fs.fill() : fs.makeReadOnly());

    const QString message = output.write(*this, folder);
    EXPECT_TRUE(message.contains(QLatin1String(output.file))) << "message: " << message.toStdString();
    EXPECT_EQ(contentsOf(folder), before) << "the old files changed, or a temporary file was left";
    EXPECT_FALSE(saved());
    // The report itself is untouched by the failure.
    EXPECT_EQ(value(3, 2), QStringLiteral("second"));
}

INSTANTIATE_TEST_SUITE_P(Outputs, FileFaults,
                         ::testing::Combine(::testing::Values(Fault::Full, Fault::ReadOnly),
                                            ::testing::ValuesIn(kOutputs)),
                         [](const ::testing::TestParamInfo<std::tuple<Fault, Output>> &info) {
                             return std::string(std::get<0>(info.param) == Fault::Full ? "FullDisk_"
                                                                                       : "ReadOnly_") +
                                    std::get<1>(info.param).name;
                         });

} // namespace
