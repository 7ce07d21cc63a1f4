#include "ControlFixture.h"
#include "MemberCalls.h"
#include "control/CellvexObject.h"

#include <gtest/gtest.h>

using namespace cellvex;
using namespace cellvex::automation;

namespace {

const std::string_view kFollowed[] = {"OnInputChange", "OnSelectChange", "OnCellChanging", "OnCellChanged",
                                      "OnError"};

struct XmlMembers : ::testing::Test, test::ControlFixture
{
    XmlMembers() : ControlFixture(kFollowed) {}
    void SetUp() override { ASSERT_EQ(o->NewReport(3, 3), S_OK); }

    QString exportXml(int type, const QString &encoding)
    {
        return m()
            .call(MemberId::ExportXML, {Variant::fromLong(type), Variant::fromString(encoding)})
            .asString();
    }
    void importXml(const QString &text) { m().call(MemberId::ImportXML, {Variant::fromString(text)}); }
};

} // namespace

TEST_F(XmlMembers, ImportRaisesTheChangeEventsThenClearsTheSelection)
{
    ASSERT_EQ(o->SetCellValue(1, 1, QStringLiteral("old")), S_OK);
    ASSERT_EQ(o->put_Saved(true), S_OK);
    select(2, 2);
    importXml(QStringLiteral("<CellXML><Cell Col=\"3\" Row=\"1\">new</Cell></CellXML>"));
    EXPECT_EQ(sink.take(), QStringList({"changing 1,1=", "changed 1,1=", "changing 3,1=new",
                                        "changed 3,1=new", "input -1,-1", "select -1,-1,-1,-1"}));
    EXPECT_TRUE(saved());
    EXPECT_EQ(value(3, 1), QStringLiteral("new"));
    int col = 0, row = 0;
    m().GetInputingCell(col, row);
    EXPECT_EQ(col, 0); // no input cell
}

TEST_F(XmlMembers, CellScriptsRestWhileValuesArriveThenTheInitScriptRuns)
{
    ASSERT_EQ(o->SetCellScript(false, 1, 1, QStringLiteral("JavaScript"), QStringLiteral("setcell(2, 1, 'ran');")),
              S_OK);
    ASSERT_EQ(o->SetCellScript(true, 0, 0, QStringLiteral("VBScript"),
                               QStringLiteral("setcell 3, 1, getcell(1, 1, 1) * 2")),
              S_OK);
    importXml(QStringLiteral("<CellXML><Cell Col=\"1\" Row=\"1\">21</Cell></CellXML>"));
    EXPECT_EQ(value(2, 1), QString()); // the imported value ran no cell script
    EXPECT_EQ(value(3, 1), QStringLiteral("42"));
    EXPECT_TRUE(c().actions().scriptsEnabled());
    EXPECT_TRUE(sink.errors().isEmpty());

    // A failing init script is reported; the values stay imported and
    // scripts are back on.
    ASSERT_EQ(o->SetCellScript(true, 0, 0, QStringLiteral("JavaScript"), QStringLiteral("nosuch(")), S_OK);
    EXPECT_THROW(importXml(QStringLiteral("<CellXML><Cell Col=\"1\" Row=\"1\">7</Cell></CellXML>")),
                 ReportError);
    EXPECT_EQ(value(1, 1), QStringLiteral("7"));
    EXPECT_TRUE(c().actions().scriptsEnabled());
    ASSERT_EQ(o->SetCellValue(1, 1, QStringLiteral("8")), S_OK);
    EXPECT_EQ(value(2, 1), QStringLiteral("ran"));
}

TEST_F(XmlMembers, FailuresOfTheXmlLibraryFailTheMembersAndChangeNothing)
{
    ASSERT_EQ(o->SetCellValue(1, 1, QStringLiteral("keep")), S_OK);
    select(2, 2);
    EXPECT_THROW(importXml(QStringLiteral("<CellXML><Cell")), ReportError);
    EXPECT_THROW(exportXml(0, QStringLiteral("no-such-codec")), ReportError);
    EXPECT_TRUE(sink.log.empty());
    EXPECT_EQ(value(1, 1), QStringLiteral("keep"));
    int col = 0, row = 0;
    m().GetInputingCell(col, row);
    EXPECT_EQ(col, 2);
}

TEST_F(XmlMembers, ExportAndImportByAliasBetweenTwoControls)
{
    ASSERT_EQ(o->SetCellAlias(2, 3, QStringLiteral("Total")), S_OK);
    ASSERT_EQ(o->SetCellValue(2, 3, QStringLiteral("合计")), S_OK);
    const QString xml = exportXml(1, QStringLiteral("UTF-8"));
    EXPECT_TRUE(xml.startsWith(QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>")));
    test::ControlObject other;
    ASSERT_EQ(other.o->SetCellAlias(5, 5, QStringLiteral("Total")), S_OK);
    other.m().call(MemberId::ImportXML, {Variant::fromString(xml)});
    EXPECT_EQ(other.value(5, 5), QStringLiteral("合计"));
}

TEST_F(XmlMembers, AHandlerThatRebuildsTheReportDuringTheImportEndsItCleanly)
{
    ASSERT_EQ(o->SetCellValue(1, 1, QStringLiteral("old")), S_OK);
    sink.changing = [&](QString *) {
        sink.changing = nullptr;
        o->NewReport(1, 1);
    };
    EXPECT_THROW(importXml(QStringLiteral("<CellXML><Cell Col=\"3\" Row=\"3\">x</Cell></CellXML>")),
                 ReportError);
    EXPECT_EQ(m().ColCount(), 1);
    EXPECT_TRUE(c().report().scriptsEnabled());
}
