// The standard properties of the control's form window. They read and write
// the window's own attributes and never touch the report.
#include "control/FontObject.h"
#include "control/MemberCall.h"
#include "control/MemberRegistry.h"
#include "control/ReportActions.h"

#include "control/FormProperties.h"

#include <QPalette>
#include <QWidget>

namespace cellvex {

using automation::Variant;

namespace {

// A stored form attribute: get returns it, put stores it.
#define CVX_STORED_BOOL(Name, field)                                                                         \
    r.add(MemberId::get_##Name, [](ReportActions &a, MemberCall &m) { m.retBool(a.frame().form().field); }); \
    r.add(MemberId::put_##Name, [](ReportActions &a, MemberCall &m) { a.frame().form().field = m.b(0); })
#define CVX_STORED_LONG(Name, field)                                                                         \
    r.add(MemberId::get_##Name, [](ReportActions &a, MemberCall &m) { m.retLong(a.frame().form().field); }); \
    r.add(MemberId::put_##Name, [](ReportActions &a, MemberCall &m) { a.frame().form().field = m.i32(0); })
#define CVX_STORED_STRING(Name, field)                                                                       \
    r.add(MemberId::get_##Name,                                                                              \
          [](ReportActions &a, MemberCall &m) { m.retString(a.frame().form().field); });                     \
    r.add(MemberId::put_##Name, [](ReportActions &a, MemberCall &m) { a.frame().form().field = m.s(0); })

} // namespace

void registerFormMembers(MemberRegistry &r)
{
    r.add(MemberId::get_Visible,
          [](ReportActions &a, MemberCall &m) { m.retBool(a.frame().formWidget().isVisible()); });
    r.add(MemberId::put_Visible,
          [](ReportActions &a, MemberCall &m) { a.frame().formWidget().setVisible(m.b(0)); });
    CVX_STORED_BOOL(AutoScroll, autoScroll);
    CVX_STORED_BOOL(AutoSize, autoSize);
    CVX_STORED_LONG(AxBorderStyle, axBorderStyle);
    r.add(MemberId::get_Caption,
          [](ReportActions &a, MemberCall &m) { m.retString(a.frame().formWidget().windowTitle()); });
    r.add(MemberId::put_Caption,
          [](ReportActions &a, MemberCall &m) { a.frame().formWidget().setWindowTitle(m.s(0)); });
    r.add(MemberId::get_Color, [](ReportActions &a, MemberCall &m) { m.retColor(a.frame().formColor()); });
    r.add(MemberId::put_Color, [](ReportActions &a, MemberCall &m) { a.frame().setFormColor(m.color(0)); });
    r.add(MemberId::get_Font,
          [](ReportActions &a, MemberCall &m) { m.ret(Variant::fromObject(&a.frame().fontObject())); });
    auto putFont = [](ReportActions &a, MemberCall &m) {
        auto *source = dynamic_cast<FontObject *>(m.args.at(0).asObject());
        if (!source)
            throw std::invalid_argument("字体对象无效");
        if (source != &a.frame().fontObject())
            a.frame().fontObject().copyFrom(*source);
    };
    r.add(MemberId::put_Font, putFont);
    r.add(MemberId::putref_Font, putFont);
    CVX_STORED_BOOL(KeyPreview, keyPreview);
    CVX_STORED_LONG(PixelsPerInch, pixelsPerInch);
    CVX_STORED_LONG(PrintScale, printScale);
    CVX_STORED_BOOL(Scaled, scaled);
    r.add(MemberId::get_Active, [](ReportActions &a, MemberCall &m) { m.retBool(a.frame().isActiveForm()); });
    CVX_STORED_BOOL(DropTarget, dropTarget);
    CVX_STORED_STRING(HelpFile, helpFile);
    CVX_STORED_BOOL(DoubleBuffered, doubleBuffered);
    r.add(MemberId::get_AlignDisabled, [](ReportActions &, MemberCall &m) { m.retBool(false); });
    r.add(MemberId::get_VisibleDockClientCount, [](ReportActions &, MemberCall &m) { m.retLong(0); });
    r.add(MemberId::get_Enabled,
          [](ReportActions &a, MemberCall &m) { m.retBool(a.frame().formWidget().isEnabled()); });
    r.add(MemberId::put_Enabled,
          [](ReportActions &a, MemberCall &m) { a.frame().formWidget().setEnabled(m.b(0)); });
    r.add(MemberId::get_Cursor, [](ReportActions &a, MemberCall &m) { m.retShort(a.frame().form().cursor); });
    r.add(MemberId::put_Cursor, [](ReportActions &a, MemberCall &m) { a.frame().setFormCursor(m.i16(0)); });
    CVX_STORED_LONG(HelpType, helpType);
    CVX_STORED_STRING(HelpKeyword, helpKeyword);
}

} // namespace cellvex
