#pragma once

#include "script/vbscript/VbsHostObject.h"

#include <QPointer>

class QObject;

namespace cellvex {

// A QObject as a VBScript object: its properties and Q_INVOKABLE methods by
// name, in any letter case. For objects whose methods report failure as a
// returned message (the Ui driver), a non-empty string result becomes a
// script error instead.
class VbsQObjectHost : public vbs::VbsHostObject
{
public:
    explicit VbsQObjectHost(QObject *object, bool messagesAreErrors = false)
        : m_object(object), m_messagesAreErrors(messagesAreErrors)
    {
    }
    QString typeName() const override;
    QObject *object() const { return m_object; }
    vbs::VbsHostError invoke(const QString &name, vbs::VbsCallKind kind, QVariantList &args,
                             QVariant &result) override;

private:
    QPointer<QObject> m_object;
    bool m_messagesAreErrors;
};

} // namespace cellvex
