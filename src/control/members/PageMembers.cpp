// Page settings of the report, each put checked and applied by the page
// setup model (which re-paginates where the page layout changes).
#include "control/MemberCall.h"
#include "control/MemberRegistry.h"
#include "control/ReportActions.h"
#include "print/PageSetup.h"

namespace cellvex {

#define CVX_PAGE_PROP(Name, getter, setter, ret, arg)                                                        \
    r.add(MemberId::get_##Name, [](ReportActions &a, MemberCall &m) { m.ret(a.pageSetup().getter()); });     \
    r.add(MemberId::put_##Name, [](ReportActions &a, MemberCall &m) { a.pageSetup().setter(m.arg(0)); })

void registerPageMembers(MemberRegistry &r)
{
    CVX_PAGE_PROP(PrintBorders, printBorders, setPrintBorders, retBool, b);
    CVX_PAGE_PROP(PrintBackColor, printBackColor, setPrintBackColor, retBool, b);
    CVX_PAGE_PROP(PrintCopies, printCopies, setPrintCopies, retLong, i32);
    CVX_PAGE_PROP(PrintOrientation, printOrientation, setPrintOrientation, retBool, b);
    CVX_PAGE_PROP(PageName, pageName, setPageName, retLong, i32);
    CVX_PAGE_PROP(PrintWidth, printWidth, setPrintWidth, retDouble, d);
    CVX_PAGE_PROP(PrintHeight, printHeight, setPrintHeight, retDouble, d);
    CVX_PAGE_PROP(PageHeaderFooterFontName, pageHeaderFooterFontName, setPageHeaderFooterFontName, retString,
                  s);
    CVX_PAGE_PROP(PageHeaderFooterFontSize, pageHeaderFooterFontSize, setPageHeaderFooterFontSize, retLong,
                  i32);
    CVX_PAGE_PROP(PageHeaderContent, pageHeaderContent, setPageHeaderContent, retString, s);
    CVX_PAGE_PROP(PageFooterContent, pageFooterContent, setPageFooterContent, retString, s);
    CVX_PAGE_PROP(PageHeaderMargin, pageHeaderMargin, setPageHeaderMargin, retDouble, d);
    CVX_PAGE_PROP(PageFooterMargin, pageFooterMargin, setPageFooterMargin, retDouble, d);
    CVX_PAGE_PROP(PageLeftMargin, pageLeftMargin, setPageLeftMargin, retDouble, d);
    CVX_PAGE_PROP(PageTopMargin, pageTopMargin, setPageTopMargin, retDouble, d);
    CVX_PAGE_PROP(PageRightMargin, pageRightMargin, setPageRightMargin, retDouble, d);
    CVX_PAGE_PROP(PageBottomMargin, pageBottomMargin, setPageBottomMargin, retDouble, d);
}

} // namespace cellvex
