#pragma once

#include "script/vbscript/Object.h"

#include <QRegularExpression>

namespace cellvex::vbs {

// New RegExp: Pattern, IgnoreCase, Global, Multiline; Test, Execute
// (a Matches list of Match objects) and Replace ($1..$9, $&, $$ in the
// replacement).
class RegExpObject final : public Object
{
public:
    QString typeName() const override { return QStringLiteral("IRegExp2"); }
    Value invoke(Runtime &rt, const Name &member, InvokeKind kind, ArgRefs &args,
                 const Value *assigned) override;

private:
    const QRegularExpression &compiled();
    Value execute(const QString &text);
    QString replace(const QString &text, const QString &with);

    QString m_pattern;
    bool m_ignoreCase = false;
    bool m_global = false;
    bool m_multiline = false;
    QRegularExpression m_re;
    bool m_dirty = true;
};

} // namespace cellvex::vbs
