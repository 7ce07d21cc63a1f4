#pragma once

#include "MemberCalls.h"
#include "control/CellvexObject.h"

#include <QString>

#include <gtest/gtest.h>

namespace cellvex::test {

// A control object of the test's own, released when the test is done; the
// default report has 6 columns of 80 and 30 rows of 19 pixels.
class ControlObject
{
public:
    ControlObject() = default;
    ~ControlObject() { release(); }
    ControlObject(const ControlObject &) = delete;
    ControlObject &operator=(const ControlObject &) = delete;

    CellvexObject *o = new CellvexObject();

    CellvexControl &c() { return *o->control(); }
    // The control's members under their interface names, 1-based.
    MemberCalls m() { return MemberCalls(c()); }
    // Releases the object now; a test may also release it and set o to nullptr.
    void release()
    {
        if (o)
            o->Release();
        o = nullptr;
    }
    // Resized, then shown, so that the children have their geometry.
    void show(int width = 640, int height = 480)
    {
        c().resize(width, height);
        c().show();
    }

    QString value(int col, int row)
    {
        QString v;
        EXPECT_EQ(o->GetCellValue(col, row, &v), automation::S_OK);
        return v;
    }
    bool saved()
    {
        bool s = false;
        EXPECT_EQ(o->get_Saved(&s), automation::S_OK);
        return s;
    }
};

} // namespace cellvex::test
