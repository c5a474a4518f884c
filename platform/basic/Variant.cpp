#include "platform/basic/Variant.h"

#include "platform/basic/Currency.h"

#include <QDateTime>

namespace orx::basic {

QVariant nullVariant()
{
    return QVariant::fromValue(nullptr);
}

QVariant missingVariant()
{
    return QVariant::fromValue(MissingArgument{});
}

bool isEmpty(const QVariant& v)
{
    return !v.isValid();
}

bool isNull(const QVariant& v)
{
    return v.metaType() == QMetaType::fromType<std::nullptr_t>();
}

bool isMissing(const QVariant& v)
{
    return v.metaType() == QMetaType::fromType<MissingArgument>();
}

bool isDateValue(const QVariant& v)
{
    switch (v.typeId()) {
    case QMetaType::QDateTime:
    case QMetaType::QDate:
    case QMetaType::QTime:
        return true;
    default:
        return false;
    }
}

bool isNumberValue(const QVariant& v)
{
    switch (v.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::UChar:
    case QMetaType::SChar:
        return true;
    default:
        return v.metaType() == QMetaType::fromType<Currency>();
    }
}

bool isStringValue(const QVariant& v)
{
    return v.typeId() == QMetaType::QString;
}

bool isBoolValue(const QVariant& v)
{
    return v.typeId() == QMetaType::Bool;
}

}  // namespace orx::basic
