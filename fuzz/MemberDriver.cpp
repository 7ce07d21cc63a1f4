// The member driver shared by the fuzzer and the test that replays what the
// fuzzer found.
#include "MemberDriver.h"

#include "automation/EventSink.h"
#include "automation/MemberTable.h"
#include "automation/Variant.h"
#include "cells/Cell.h"
#include "control/CellvexControl.h"
#include "control/CellvexObject.h"
#include "control/ReportActions.h"
#include "platform/FileShell.h"
#include "print/dialogs/DialogRunner.h"
#include "report/Report.h"

#include <QDialog>

#include <algorithm>
#include <climits>
#include <memory>
#include <string_view>
#include <vector>

namespace cellvex::fuzzing {

using namespace automation;

namespace {

class Bytes
{
public:
    Bytes(const std::uint8_t *data, std::size_t size) : m_data(data), m_size(size) {}
    bool empty() const { return m_pos >= m_size; }
    std::uint8_t byte() { return m_pos < m_size ? m_data[m_pos++] : 0; }
    std::int32_t word()
    {
        std::uint32_t v = 0;
        for (int i = 0; i < 4; ++i)
            v = v << 8 | byte();
        return std::int32_t(v);
    }
    QByteArray chunk(std::size_t most)
    {
        const std::size_t n = std::min<std::size_t>(byte() % (most + 1), m_size - std::min(m_pos, m_size));
        QByteArray out(reinterpret_cast<const char *>(m_data + m_pos), qsizetype(n));
        m_pos += n;
        return out;
    }

private:
    const std::uint8_t *m_data;
    std::size_t m_size;
    std::size_t m_pos = 0;
};

// Texts the members understand: formulas, scripts, stored reports, cell
// XML and clipboard blocks, action lists, aliases and formats.
const char *const kTexts[] = {
    "",
    "1",
    "-1",
    "3.14159",
    "1e308",
    "abc",
    "宋体",
    "合计",
    "=A1+B2",
    "=SUM(A1:C3)",
    "=1/0",
    "=A1*2+IF(B1>0,1,2)",
    "JavaScript",
    "VBScript",
    "setcell(1, 1, getcell(2, 2, 1) + 1);",
    "setcell 2, 2, getcell(1, 1, 1) & \"x\"",
    "executebutton(1, 1);",
    "while (true) {}",
    "Do : Loop",
    "<CellXML><Cell Col=\"1\" Row=\"1\">v</Cell><Cell Col=\"2\" Row=\"2\">w</Cell></CellXML>",
    "<CellXML><Cell Alias=\"A\">x</Cell></CellXML>",
    "<CellXML><Cell Col=\"99999999\" Row=\"1\">v</Cell></CellXML>",
    "ClpText--<ClipbrdXML><Cell Col=\"0\" Row=\"0\" ColSpan=\"3\" RowSpan=\"3\">a</Cell></ClipbrdXML>",
    "ClpCell--<ClipbrdXML Cols=\"2\" Rows=\"2\"></ClipbrdXML>",
    "1,1,1;2,2,2",
    "0;1;2;3;4;5;6;7;8;9;10",
    "9|A|1|2",
    "0.00",
    "yyyy-mm-dd",
    "#,##0.00",
    "\xa1\xa1\xfe\xfe\x80\xff",
    "%s%n%x",
    "A",
    "Total",
};

// Numbers near every edge a member checks.
const std::int32_t kNumbers[] = {0,           1,      2,       3,        -1,      -2,      5,
                                 6,           7,      10,      30,       31,      100,     255,
                                 256,         1000,   65535,   65536,    INT_MAX, INT_MIN, INT_MAX - 1,
                                 INT_MIN + 1, 0x7FFF, -0x8000, 0xFFFFFF, 99999};

QString text(Bytes &in)
{
    switch (in.byte() % 4) {
    case 0:
    case 1:
        return QString::fromUtf8(kTexts[in.byte() % std::size(kTexts)]);
    case 2:
        return QString::fromUtf8(in.chunk(64));
    default: {
        // Local 8-bit bytes as the GBK a host might pass through, repeated.
        QString s = QString::fromLatin1(in.chunk(16));
        const int times = in.byte() % 8;
        QString out;
        for (int i = 0; i < times; ++i)
            out += s;
        return out;
    }
    }
}

std::int32_t number(Bytes &in)
{
    const std::uint8_t how = in.byte();
    if (how < 128)
        return how % 12; // most calls name cells that exist
    if (how < 224)
        return kNumbers[in.byte() % std::size(kNumbers)];
    return in.word();
}

Variant argument(Bytes &in, ArgType type, const QString &fileDir)
{
    // Now and then a value of another type, or nothing: the boundary
    // converts or refuses it.
    const std::uint8_t twist = in.byte();
    if (twist > 245)
        return Variant();
    if (twist > 235)
        return Variant::fromString(text(in));
    switch (type) {
    case ArgType::Long:
    case ArgType::TxActiveFormBorderStyle:
    case ArgType::TxPrintScale:
    case ArgType::TxHelpType:
        return Variant::fromLong(number(in));
    case ArgType::Short:
        return Variant::fromShort(std::int16_t(number(in)));
    case ArgType::Boolean:
        return Variant::fromBool(in.byte() & 1);
    case ArgType::Double: {
        const double values[] = {0, 1, -1, 0.5, 1e300, -1e300, 1e-300, 72, 210, 297};
        return Variant::fromDouble(values[in.byte() % std::size(values)]);
    }
    case ArgType::String:
        if (!fileDir.isEmpty()) {
            // File names stay inside the run's own folder.
            const char *names[] = {"a.cvd", "b.html", "c.txt", "d.xlsx", "e.png", "", "sub/f.cvd"};
            return Variant::fromString(fileDir + QLatin1Char('/') +
                                       QLatin1String(names[in.byte() % std::size(names)]));
        }
        return Variant::fromString(text(in));
    case ArgType::OleColor:
        return Variant::fromColor(OleColor(in.word()));
    case ArgType::Font:
    case ArgType::FontRef:
    case ArgType::Void:
        return Variant();
    }
    return Variant();
}

// Arguments that name files to write or read: kept inside the run's folder,
// never relative to the working directory.
bool takesFileName(std::string_view name)
{
    return name == "aFileName" || name == "FileName" || name == "aFile" || name == "aPicturePath";
}

// Members that would wait for a person or talk to a printer.
bool leftOut(std::string_view name)
{
    return name == "Print" || name == "Preview" || name == "PrintSetup" || name == "PrintReport";
}

class NoShell : public FileShell
{
public:
    void run(Verb, const QString &, int) override {}
};

class CancellingRunner : public DialogRunner
{
public:
    int exec(QDialog &) override { return QDialog::Rejected; }
};

// Calls back into the control from its events, now and then replacing the
// report under the caller's feet.
class ReenteringSink : public IEventSink
{
public:
    CellvexObject *object = nullptr;
    int depth = 0;
    unsigned seed = 0;

    HResult Invoke(DispId, std::vector<Variant> &) override
    {
        if (!object || depth > 2)
            return S_OK;
        ++depth;
        seed = seed * 1103515245u + 12345u;
        switch ((seed >> 16) % 16) {
        case 0:
            object->NewReport(3, 3);
            break;
        case 1:
            object->SetCellValue(1, 1, QStringLiteral("7"));
            break;
        case 2:
            object->DeleteRow(1, 1);
            break;
        case 3:
            object->InsertCol(1, 1);
            break;
        default:
            break;
        }
        --depth;
        return S_OK;
    }
};

// What no longer holds together in the report, or nullptr.
const char *brokenInvariant(CellvexObject &object)
{
    const Report &report = object.control()->report();
    std::int32_t cols = 0, rows = 0;
    object.get_ColCount(&cols);
    object.get_RowCount(&rows);
    if (cols != report.cells().colCount() || rows != report.cells().rowCount())
        return "ColCount x RowCount cells";
    for (int c = 0; c < cols; ++c)
        for (int r = 0; r < rows; ++r) {
            const Cell &cell = report.cells().at(c, r);
            if (cell.sign() == MergeSign::None)
                continue;
            const BlockBounds b = cell.block();
            if (b.left < 0 || b.top < 0 || b.right >= cols || b.bottom >= rows || b.left > c || c > b.right ||
                b.top > r || r > b.bottom)
                return "cell outside its merged block";
            const Cell &master = report.cells().at(b.left, b.top);
            const bool isMaster = c == b.left && r == b.top;
            if ((cell.sign() == MergeSign::Master) != isMaster || master.sign() != MergeSign::Master)
                return "merged block without its master";
            const BlockBounds m = master.block();
            if (m.left != b.left || m.top != b.top || m.right != b.right || m.bottom != b.bottom)
                return "merged block cells disagree";
        }
    const int ic = report.inputCol(), ir = report.inputRow();
    if (!((ic == -1 && ir == -1) || (ic >= 0 && ir >= 0 && ic < cols && ir < rows)))
        return "input cell outside the grid";
    const QRect s = report.selection();
    if (s.left() != -1 || s.top() != -1) {
        if (s.left() < 0 || s.top() < 0 || s.right() >= cols || s.bottom() >= rows || s.left() > s.right() ||
            s.top() > s.bottom())
            return "selection outside the grid";
    }
    return nullptr;
}

} // namespace

QString driveMembers(const std::uint8_t *data, std::size_t size, const QString &fileDir)
{
    Bytes in(data, size);
    auto *object = new CellvexObject();
    object->control()->setDialogRunner(std::make_shared<CancellingRunner>());
    object->control()->actions().setFileShell(std::make_shared<NoShell>());
    ReenteringSink sink;
    sink.object = object;
    sink.seed = size;
    std::uint32_t cookie = 0;
    if (in.byte() & 1)
        object->Advise(&sink, &cookie);

    const auto table = memberTable();
    QString broken;
    for (int call = 0; call < 48 && !in.empty(); ++call) {
        const MemberRow &row = table[(std::size_t(in.byte()) << 8 | in.byte()) % table.size()];
        if (leftOut(row.name))
            continue;
        std::vector<Variant> args;
        for (const ArgInfo &a : row.args())
            args.push_back(a.direction == Direction::Out
                               ? Variant()
                               : argument(in, a.type, takesFileName(a.name) ? fileDir : QString()));
        // Sometimes one argument short or one too many.
        const std::uint8_t count = in.byte();
        if (count > 250 && !args.empty())
            args.pop_back();
        else if (count > 245)
            args.emplace_back();
        std::uint16_t flags = DISPATCH_METHOD;
        if (row.kind == MemberKind::PropGet)
            flags = DISPATCH_PROPERTYGET;
        else if (row.kind == MemberKind::PropPut)
            flags = DISPATCH_PROPERTYPUT;
        else if (row.kind == MemberKind::PropPutRef)
            flags = DISPATCH_PROPERTYPUTREF;
        Variant result;
        std::uint32_t argError = 0;
        object->Invoke(row.dispId, 0x409, flags, args, &result, &argError);
        if (const char *what = brokenInvariant(*object)) {
            broken =
                QStringLiteral("call %1 (%2): %3")
                    .arg(call)
                    .arg(QLatin1String(row.name.data(), qsizetype(row.name.size())), QLatin1String(what));
            break;
        }
    }
    if (cookie)
        object->Unadvise(cookie);
    sink.object = nullptr;
    object->Release();
    return broken;
}

} // namespace cellvex::fuzzing
