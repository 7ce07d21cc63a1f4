#include "VbsQObjectHost.h"

#include <QMetaMethod>
#include <QMetaProperty>
#include <QObject>

namespace cellvex {

using vbs::VbsCallKind;
using vbs::VbsHostError;

QString VbsQObjectHost::typeName() const
{
    return m_object
               ? QString::fromLatin1(m_object->metaObject()->className()).section(QLatin1String("::"), -1)
               : QStringLiteral("Nothing");
}

VbsHostError VbsQObjectHost::invoke(const QString &name, VbsCallKind kind, QVariantList &args,
                                    QVariant &result)
{
    if (!m_object) {
        return {91, {}};
    }
    const QMetaObject *meta = m_object->metaObject();
    for (int i = 0; i < meta->propertyCount(); ++i) {
        QMetaProperty p = meta->property(i);
        if (name.compare(QLatin1String(p.name()), Qt::CaseInsensitive) != 0) {
            continue;
        }
        if (kind == VbsCallKind::Get) {
            if (!args.isEmpty()) {
                return {450, {}};
            }
            result = p.read(m_object);
            return {};
        }
        if (args.size() != 1 || !p.write(m_object, args[0])) {
            return {450, {}};
        }
        return {};
    }
    if (kind != VbsCallKind::Get) {
        return {438, {}};
    }
    // The method of that name taking the fewest arguments not below those
    // given; parameters the script leaves out take their type's empty value
    // (Ui.clickCell 1, 2 clicks with the default button).
    int best = -1;
    for (int i = meta->methodOffset(); i < meta->methodCount(); ++i) {
        QMetaMethod m = meta->method(i);
        if ((m.methodType() == QMetaMethod::Method || m.methodType() == QMetaMethod::Slot) &&
            name.compare(QLatin1String(m.name()), Qt::CaseInsensitive) == 0 &&
            m.parameterCount() >= args.size() &&
            (best < 0 || m.parameterCount() < meta->method(best).parameterCount())) {
            best = i;
        }
    }
    if (best >= 0) {
        QMetaMethod m = meta->method(best);
        if (m.parameterCount() > 6) {
            return {450, {}};
        }
        // Each argument converted to the parameter's type, held while the call runs.
        QVariantList converted;
        for (int k = 0; k < m.parameterCount(); ++k) {
            QVariant v = k < args.size() && args[k].isValid() ? args[k] : QVariant(m.parameterMetaType(k));
            if (!v.convert(m.parameterMetaType(k))) {
                return {13, {}};
            }
            converted << v;
        }
        QGenericArgument a[6];
        for (int k = 0; k < converted.size(); ++k) {
            a[k] = QGenericArgument(converted[k].typeName(), converted[k].constData());
        }
        QVariant ret = m.returnMetaType().isValid() && m.returnMetaType().id() != QMetaType::Void
                           ? QVariant(m.returnMetaType())
                           : QVariant();
        QGenericReturnArgument r =
            ret.isValid() ? QGenericReturnArgument(m.typeName(), ret.data()) : QGenericReturnArgument();
        if (!m.invoke(m_object, Qt::DirectConnection, r, a[0], a[1], a[2], a[3], a[4], a[5])) {
            return {5, {}};
        }
        if (m_messagesAreErrors && ret.metaType().id() == QMetaType::QString) {
            if (!ret.toString().isEmpty()) {
                return {5, ret.toString()};
            }
            ret = QVariant();
        }
        result = ret;
        return {};
    }
    return {438, {}};
}

} // namespace cellvex
