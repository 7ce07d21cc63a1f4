#include "automation/TypeLibraryPrinter.h"
#include "automation/Enumerations.h"
#include "automation/EventTable.h"
#include "automation/MemberTable.h"
#include "automation/TypeLibrary.h"

#include <gtest/gtest.h>

#include <QStringList>

namespace cellvex::automation {
namespace {

QString text(std::string_view view)
{
    return QString::fromLatin1(view.data(), static_cast<qsizetype>(view.size()));
}

class TypeLibraryText : public testing::Test
{
protected:
    const QString library = typeLibraryText();
    const QStringList lines = library.split(QLatin1Char('\n'));

    int lineOf(const QString &needle) const
    {
        for (int i = 0; i < lines.size(); ++i) {
            if (lines[i].contains(needle))
                return i;
        }
        return -1;
    }
};

TEST_F(TypeLibraryText, ListsEveryMemberInSlotOrderWithItsIdAndKind)
{
    int previous = -1;
    for (const MemberRow &row : memberTable()) {
        SCOPED_TRACE(std::string(row.name));
        const int line = lineOf(QStringLiteral("/* slot %1 */").arg(row.slot));
        ASSERT_GE(line, 0);
        EXPECT_GT(line, previous);
        previous = line;
        const QString &entry = lines[line];
        EXPECT_TRUE(entry.contains(QStringLiteral(" HRESULT %1(").arg(text(row.name))));
        EXPECT_TRUE(entry.contains(QString::asprintf("id(0x%08X)", static_cast<unsigned>(row.dispId))));
        EXPECT_EQ(entry.contains(QLatin1String("propget")), row.kind == MemberKind::PropGet);
        EXPECT_EQ(entry.contains(QLatin1String("propput,")), row.kind == MemberKind::PropPut);
        EXPECT_EQ(entry.contains(QLatin1String("propputref")), row.kind == MemberKind::PropPutRef);
        EXPECT_EQ(entry.contains(QLatin1String("hidden")), row.hidden());
        for (const ArgInfo &arg : row.args())
            EXPECT_TRUE(entry.contains(QStringLiteral(" %1,").arg(text(arg.name))) ||
                        entry.contains(QStringLiteral(" %1)").arg(text(arg.name))))
                << arg.name;
        EXPECT_EQ(entry.contains(QLatin1String("[out, retval]")), row.hasResult());
    }
}

TEST_F(TypeLibraryText, WritesArgumentsInIdlForm)
{
    const QString getMergeRange = lines.value(lineOf(QStringLiteral("/* slot 169 */")));
    EXPECT_TRUE(getMergeRange.contains(QLatin1String("HRESULT GetMergeRange([out] long* MergeType, "
                                                     "[in, out] long* MergeCol1, [in, out] long* MergeRow1, "
                                                     "[out] long* MergeCol2, [out] long* MergeRow2);")))
        << getMergeRange.toStdString();
    const QString caption = lines.value(lineOf(QStringLiteral("/* slot 15 */")));
    EXPECT_TRUE(
        caption.contains(QLatin1String("[propget, id(0xFFFFFDFA)] HRESULT Caption([out, retval] BSTR* "
                                       "Value);")))
        << caption.toStdString();
    const QString editScript = lines.value(lineOf(QStringLiteral("/* slot 89 */")));
    EXPECT_TRUE(editScript.contains(QLatin1String("HRESULT EditCellScript(void);")))
        << editScript.toStdString();
}

TEST_F(TypeLibraryText, ListsEventsEnumerationsAndTheCoclass)
{
    for (const EventRow &event : eventTable())
        EXPECT_GE(lineOf(QStringLiteral("] void %1(").arg(text(event.name))), 0) << event.name;
    EXPECT_GE(lineOf(QLatin1String("void OnKeyPress([in, out] short* Key);")), 0);
    for (const EnumInfo &info : enumerations()) {
        EXPECT_GE(lineOf(QStringLiteral("enum %1").arg(text(info.name))), 0) << info.name;
        for (const EnumConstant &constant : info.constants)
            EXPECT_GE(lineOf(QStringLiteral("%1 = %2").arg(text(constant.name)).arg(constant.value)), 0)
                << constant.name;
    }
    EXPECT_GE(lineOf(QLatin1String("library Cellvexlib")), 0);
    EXPECT_GE(lineOf(QLatin1String("helpstring(\"Cellvex Library\")")), 0);
    EXPECT_GE(lineOf(QLatin1String("interface ICellvex : IDispatch")), 0);
    EXPECT_GE(lineOf(QLatin1String("dispinterface ICellvexEvents")), 0);
    EXPECT_GE(lineOf(QLatin1String("[default, source] dispinterface ICellvexEvents;")), 0);
    EXPECT_GE(lineOf(QLatin1String("coclass Cellvex")), 0);
}

TEST(TypeLibraryIds, NeverChange)
{
    // Hosts saved against these identifiers must keep binding: a change
    // here is a break of the binary interface, not a refactoring.
    EXPECT_EQ(TypeLibrary::kId.toString(), QLatin1String("373AE5FA-7210-4777-BCD2-F16A7EC201B3"));
    EXPECT_EQ(TypeLibrary::kCoclassId.toString(), QLatin1String("43D039F9-637D-47FC-A047-1D2D5E373E31"));
    EXPECT_EQ(TypeLibrary::kInterfaceId.toString(), QLatin1String("74FAEB2A-F823-4CEE-BC1A-CB2FEC91BC30"));
    EXPECT_EQ(TypeLibrary::kEventsId.toString(), QLatin1String("A263B232-55AE-4112-9F02-746DB07533E2"));
    EXPECT_EQ(TypeLibrary::kIDispatchId.toString(), QLatin1String("00020400-0000-0000-C000-000000000046"));
}

} // namespace
} // namespace cellvex::automation
