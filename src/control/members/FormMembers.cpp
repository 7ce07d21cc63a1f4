// The standard properties of the control's form window. They read and write
// the window's own attributes and never touch the report.
#include "control/CellvexControl.h"
#include "control/FontObject.h"
#include "control/MemberCall.h"
#include "control/MemberRegistry.h"

#include <QPalette>

namespace cellvex {

using automation::Variant;

namespace {

// A stored form attribute: get returns it, put stores it.
#define CVX_STORED_BOOL(Name, field)                                                                         \
    r.add(MemberId::get_##Name, [](CellvexControl &c, MemberCall &m) { m.retBool(c.form().field); });        \
    r.add(MemberId::put_##Name, [](CellvexControl &c, MemberCall &m) { c.form().field = m.b(0); })
#define CVX_STORED_LONG(Name, field)                                                                         \
    r.add(MemberId::get_##Name, [](CellvexControl &c, MemberCall &m) { m.retLong(c.form().field); });        \
    r.add(MemberId::put_##Name, [](CellvexControl &c, MemberCall &m) { c.form().field = m.i32(0); })
#define CVX_STORED_STRING(Name, field)                                                                       \
    r.add(MemberId::get_##Name, [](CellvexControl &c, MemberCall &m) { m.retString(c.form().field); });      \
    r.add(MemberId::put_##Name, [](CellvexControl &c, MemberCall &m) { c.form().field = m.s(0); })

} // namespace

void registerFormMembers(MemberRegistry &r)
{
    r.add(MemberId::get_Visible, [](CellvexControl &c, MemberCall &m) { m.retBool(c.isVisible()); });
    r.add(MemberId::put_Visible, [](CellvexControl &c, MemberCall &m) { c.setVisible(m.b(0)); });
    CVX_STORED_BOOL(AutoScroll, autoScroll);
    CVX_STORED_BOOL(AutoSize, autoSize);
    CVX_STORED_LONG(AxBorderStyle, axBorderStyle);
    r.add(MemberId::get_Caption, [](CellvexControl &c, MemberCall &m) { m.retString(c.windowTitle()); });
    r.add(MemberId::put_Caption, [](CellvexControl &c, MemberCall &m) { c.setWindowTitle(m.s(0)); });
    r.add(MemberId::get_Color, [](CellvexControl &c, MemberCall &m) { m.retColor(c.formColor()); });
    r.add(MemberId::put_Color, [](CellvexControl &c, MemberCall &m) { c.setFormColor(m.color(0)); });
    r.add(MemberId::get_Font,
          [](CellvexControl &c, MemberCall &m) { m.ret(Variant::fromObject(&c.fontObject())); });
    auto putFont = [](CellvexControl &c, MemberCall &m) {
        auto *source = dynamic_cast<FontObject *>(m.args.at(0).asObject());
        if (!source)
            throw std::invalid_argument("字体对象无效");
        if (source != &c.fontObject())
            c.fontObject().copyFrom(*source);
    };
    r.add(MemberId::put_Font, putFont);
    r.add(MemberId::putref_Font, putFont);
    CVX_STORED_BOOL(KeyPreview, keyPreview);
    CVX_STORED_LONG(PixelsPerInch, pixelsPerInch);
    CVX_STORED_LONG(PrintScale, printScale);
    CVX_STORED_BOOL(Scaled, scaled);
    r.add(MemberId::get_Active, [](CellvexControl &c, MemberCall &m) { m.retBool(c.isActiveForm()); });
    CVX_STORED_BOOL(DropTarget, dropTarget);
    CVX_STORED_STRING(HelpFile, helpFile);
    CVX_STORED_BOOL(DoubleBuffered, doubleBuffered);
    r.add(MemberId::get_AlignDisabled, [](CellvexControl &, MemberCall &m) { m.retBool(false); });
    r.add(MemberId::get_VisibleDockClientCount, [](CellvexControl &, MemberCall &m) { m.retLong(0); });
    r.add(MemberId::get_Enabled, [](CellvexControl &c, MemberCall &m) { m.retBool(c.isEnabled()); });
    r.add(MemberId::put_Enabled, [](CellvexControl &c, MemberCall &m) { c.setEnabled(m.b(0)); });
    r.add(MemberId::get_Cursor, [](CellvexControl &c, MemberCall &m) { m.retShort(c.form().cursor); });
    r.add(MemberId::put_Cursor, [](CellvexControl &c, MemberCall &m) { c.setFormCursor(m.i16(0)); });
    CVX_STORED_LONG(HelpType, helpType);
    CVX_STORED_STRING(HelpKeyword, helpKeyword);
}

} // namespace cellvex
