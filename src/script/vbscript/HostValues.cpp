#include "script/vbscript/HostValues.h"

#include "script/vbscript/Array.h"
#include "script/vbscript/DateMath.h"
#include "script/vbscript/HostObjectAdapter.h"
#include "script/vbscript/Runtime.h"

#include <QDateTime>

#include <cmath>

namespace cellvex::vbs {

namespace {

constexpr int kMaxNesting = 64;

QVariant toVariantAt(const Value &v, int depth);

QVariant arrayVariant(const Array &a, std::size_t dim, std::size_t &offset, int depth)
{
    QVariantList list;
    if (a.upper.empty()) {
        return list;
    }
    const std::int32_t n = a.upper[dim] + 1;
    for (std::int32_t i = 0; i < n; ++i) {
        if (dim + 1 == a.upper.size()) {
            list << toVariantAt(a.items[offset++], depth + 1);
        } else {
            list << arrayVariant(a, dim + 1, offset, depth);
        }
    }
    return list;
}

QVariant toVariantAt(const Value &v, int depth)
{
    if (depth > kMaxNesting) {
        return {};
    }
    switch (v.type) {
    case VarType::Empty:
        return {};
    case VarType::Null:
        return QVariant::fromValue(nullptr);
    case VarType::Integer:
        return QVariant::fromValue(qint16(v.i));
    case VarType::Long:
        return QVariant(int(v.i));
    case VarType::Byte:
        return QVariant::fromValue(uchar(v.i));
    case VarType::Boolean:
        return QVariant(v.i != 0);
    case VarType::Error:
        return QVariant(int(v.i));
    case VarType::Currency:
        return QVariant(double(v.i) / 10000.0);
    case VarType::Single:
        return QVariant(float(v.d));
    case VarType::Double:
        return QVariant(v.d);
    case VarType::Date: {
        DateParts p = date::partsOf(v.d);
        return QDateTime(QDate(p.year, p.month, p.day), QTime(p.hour, p.minute, p.second));
    }
    case VarType::String:
        return v.s;
    case VarType::Object:
        if (auto *h = dynamic_cast<HostObjectAdapter *>(v.asObject())) {
            return QVariant::fromValue(h->object());
        }
        return {};
    case VarType::Array: {
        std::size_t offset = 0;
        return arrayVariant(*v.asArray(), 0, offset, depth);
    }
    }
    return {};
}

Value fromVariantAt(const QVariant &v, int depth)
{
    if (!v.isValid() || depth > kMaxNesting) {
        return {};
    }
    const int type = v.metaType().id();
    switch (type) {
    case QMetaType::Nullptr:
        return Value::null();
    case QMetaType::Bool:
        return Value::boolean(v.toBool());
    case QMetaType::Short:
    case QMetaType::UChar:
    case QMetaType::Char:
    case QMetaType::SChar:
        return Value::integer(std::int16_t(v.toInt()));
    case QMetaType::Int:
        return Value::longValue(v.toInt());
    case QMetaType::UShort:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Long:
    case QMetaType::ULong: {
        double d = v.toDouble();
        if (d >= INT32_MIN && d <= INT32_MAX) {
            return Value::longValue(std::int32_t(v.toLongLong()));
        }
        return Value::real(d);
    }
    case QMetaType::Float:
        return Value::single(v.toFloat());
    case QMetaType::Double:
        return Value::real(v.toDouble());
    case QMetaType::QString:
        return Value::string(v.toString());
    case QMetaType::QChar:
        return Value::string(QString(v.toChar()));
    case QMetaType::QDate:
    case QMetaType::QDateTime: {
        QDateTime dt = v.toDateTime();
        QDate d = dt.date();
        QTime t = dt.time();
        return Value::date(date::compose(date::serialDay(d.year(), d.month(), d.day()),
                                         (t.hour() * 3600 + t.minute() * 60 + t.second()) / 86400.0));
    }
    case QMetaType::QTime: {
        QTime t = v.toTime();
        return Value::date((t.hour() * 3600 + t.minute() * 60 + t.second()) / 86400.0);
    }
    case QMetaType::QStringList:
    case QMetaType::QVariantList: {
        QVariantList list = v.toList();
        auto *a = new Array;
        a->upper.push_back(std::int32_t(std::min<qsizetype>(list.size(), Array::kMaxElements)) - 1);
        for (qsizetype i = 0; i <= a->upper[0]; ++i) {
            a->items.push_back(fromVariantAt(list[i], depth + 1));
        }
        return Value::array(a);
    }
    default:
        break;
    }
    if (v.canConvert<VbsHostObjectPtr>()) {
        VbsHostObjectPtr p = v.value<VbsHostObjectPtr>();
        return HostObjectAdapter::wrap(Runtime::current(), std::move(p));
    }
    if (v.canConvert<QString>()) {
        return Value::string(v.toString());
    }
    return {};
}

} // namespace

QVariant toVariant(const Value &v)
{
    return toVariantAt(v, 0);
}

Value fromVariant(const QVariant &v)
{
    return fromVariantAt(v, 0);
}

} // namespace cellvex::vbs
