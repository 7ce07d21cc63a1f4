#include "MemberRegistry.h"

namespace cellvex {

const MemberRegistry &MemberRegistry::instance()
{
    static const MemberRegistry registry = [] {
        MemberRegistry r;
        registerFormMembers(r);
        registerReportMembers(r);
        registerCellMembers(r);
        registerKindMembers(r);
        registerPageMembers(r);
        registerValueMembers(r);
        registerPrintMembers(r);
        registerLayoutMembers(r);
        registerSelectionMembers(r);
        registerFormulaMembers(r);
        registerStructureMembers(r);
        registerDocumentMembers(r);
        registerExportMembers(r);
        registerChartMembers(r);
        registerScriptMembers(r);
        registerClipboardMembers(r);
        return r;
    }();
    return registry;
}

} // namespace cellvex
