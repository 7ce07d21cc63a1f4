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
    r.get(#Name, [](CellvexControl &c, MemberCall &m) { m.retBool(c.form().field); });                       \
    r.put(#Name, [](CellvexControl &c, MemberCall &m) { c.form().field = m.b(0); })
#define CVX_STORED_LONG(Name, field)                                                                         \
    r.get(#Name, [](CellvexControl &c, MemberCall &m) { m.retLong(c.form().field); });                       \
    r.put(#Name, [](CellvexControl &c, MemberCall &m) { c.form().field = m.i32(0); })
#define CVX_STORED_STRING(Name, field)                                                                       \
    r.get(#Name, [](CellvexControl &c, MemberCall &m) { m.retString(c.form().field); });                     \
    r.put(#Name, [](CellvexControl &c, MemberCall &m) { c.form().field = m.s(0); })

} // namespace

void registerFormMembers(MemberRegistry &r)
{
    r.get("Visible", [](CellvexControl &c, MemberCall &m) { m.retBool(c.isVisible()); });
    r.put("Visible", [](CellvexControl &c, MemberCall &m) { c.setVisible(m.b(0)); });
    CVX_STORED_BOOL(AutoScroll, autoScroll);
    CVX_STORED_BOOL(AutoSize, autoSize);
    CVX_STORED_LONG(AxBorderStyle, axBorderStyle);
    r.get("Caption", [](CellvexControl &c, MemberCall &m) { m.retString(c.windowTitle()); });
    r.put("Caption", [](CellvexControl &c, MemberCall &m) { c.setWindowTitle(m.s(0)); });
    r.get("Color", [](CellvexControl &c, MemberCall &m) { m.retColor(c.formColor()); });
    r.put("Color", [](CellvexControl &c, MemberCall &m) { c.setFormColor(m.color(0)); });
    r.get("Font", [](CellvexControl &c, MemberCall &m) { m.ret(Variant::fromObject(&c.fontObject())); });
    auto putFont = [](CellvexControl &c, MemberCall &m) {
        auto *source = dynamic_cast<FontObject *>(m.args.at(0).asObject());
        if (!source)
            throw std::invalid_argument("字体对象无效");
        if (source != &c.fontObject())
            c.fontObject().copyFrom(*source);
    };
    r.put("Font", putFont);
    r.add("Font", automation::MemberKind::PropPutRef, putFont);
    CVX_STORED_BOOL(KeyPreview, keyPreview);
    CVX_STORED_LONG(PixelsPerInch, pixelsPerInch);
    CVX_STORED_LONG(PrintScale, printScale);
    CVX_STORED_BOOL(Scaled, scaled);
    r.get("Active", [](CellvexControl &c, MemberCall &m) { m.retBool(c.isActiveForm()); });
    CVX_STORED_BOOL(DropTarget, dropTarget);
    CVX_STORED_STRING(HelpFile, helpFile);
    CVX_STORED_BOOL(DoubleBuffered, doubleBuffered);
    r.get("AlignDisabled", [](CellvexControl &, MemberCall &m) { m.retBool(false); });
    r.get("VisibleDockClientCount", [](CellvexControl &, MemberCall &m) { m.retLong(0); });
    r.get("Enabled", [](CellvexControl &c, MemberCall &m) { m.retBool(c.isEnabled()); });
    r.put("Enabled", [](CellvexControl &c, MemberCall &m) { c.setEnabled(m.b(0)); });
    r.get("Cursor", [](CellvexControl &c, MemberCall &m) { m.retShort(c.form().cursor); });
    r.put("Cursor", [](CellvexControl &c, MemberCall &m) { c.setFormCursor(m.i16(0)); });
    CVX_STORED_LONG(HelpType, helpType);
    CVX_STORED_STRING(HelpKeyword, helpKeyword);
}

} // namespace cellvex
