#pragma once

#include <QMetaType>
#include <QString>
#include <QVariant>

#include <memory>

namespace cellvex::vbs {

// How a script reaches a member. A script writing obj.Name (or calling
// obj.Name 1, 2) cannot tell a method from a property, so both come as Get,
// as they do to any late-bound object.
enum class VbsCallKind {
    Get,    // method call or property read; the result is wanted or not
    Put,    // obj.Name(args) = value: value is the last argument
    PutRef, // Set obj.Name(args) = object
};

// What a member call ends with: number 0 for success, otherwise the error the
// script sees (438 for a member the object lacks, 450 for a wrong argument
// count, 13 for an argument of the wrong type, ...). An empty description
// takes the language's own for the number.
struct VbsHostError
{
    int number = 0;
    QString description;
};

class VbsHostObject;
using VbsHostObjectPtr = std::shared_ptr<VbsHostObject>;

// An object a host hands to scripts. Values cross as QVariant: invalid for
// Empty, std::nullptr_t for Null, bool, int / qint16 / qint64, double,
// QString, QDateTime, QVariantList for arrays, VbsHostObjectPtr for objects.
// A member may write into args: the script sees the new value in a variable
// it passed (ByRef out arguments).
class VbsHostObject
{
public:
    virtual ~VbsHostObject() = default;
    virtual QString typeName() const { return QStringLiteral("Object"); }
    // name is as the script wrote it (compare without case); empty for the
    // default member.
    virtual VbsHostError invoke(const QString &name, VbsCallKind kind, QVariantList &args,
                                QVariant &result) = 0;
    // The items For Each visits; false when the object is no collection.
    virtual bool enumerate(QVariantList &items)
    {
        Q_UNUSED(items);
        return false;
    }
};

} // namespace cellvex::vbs

Q_DECLARE_METATYPE(cellvex::vbs::VbsHostObjectPtr)
