#pragma once

#include "platform/basic/PlatformExport.h"

#include <QMetaType>
#include <QVariant>
#include <cstdint>

// Variants on QVariant. Three states that QVariant alone does not tell apart:
//   Empty   - never assigned: an invalid QVariant();
//   Null    - "no value": a QVariant holding std::nullptr_t;
//   Missing - an optional argument the caller left out: a QVariant holding
//             orx::basic::MissingArgument.
// Date values travel as QDateTime with Qt::UTC as a zone-free wall clock
// (never converted between zones), so that a date never falls into a
// daylight-saving gap; QDate and QTime are accepted wherever a date is read.
namespace orx::basic {

struct ORX_PLATFORM_EXPORT MissingArgument {
    bool operator==(const MissingArgument&) const { return true; }
};

// 16-bit booleans at the component boundary.
using VBool = std::int16_t;
inline constexpr VBool VTrue = -1;
inline constexpr VBool VFalse = 0;
constexpr VBool toVBool(bool b) { return b ? VTrue : VFalse; }
constexpr bool fromVBool(VBool v) { return v != 0; }

inline QVariant emptyVariant() { return QVariant(); }
ORX_PLATFORM_EXPORT QVariant nullVariant();
ORX_PLATFORM_EXPORT QVariant missingVariant();

ORX_PLATFORM_EXPORT bool isEmpty(const QVariant& v);    // never assigned (invalid QVariant)
ORX_PLATFORM_EXPORT bool isNull(const QVariant& v);     // "no value"
ORX_PLATFORM_EXPORT bool isMissing(const QVariant& v);  // optional argument left out

// True for QDateTime, QDate and QTime.
ORX_PLATFORM_EXPORT bool isDateValue(const QVariant& v);
// True for the integer, floating and fixed-point currency types (not bool, not strings).
ORX_PLATFORM_EXPORT bool isNumberValue(const QVariant& v);
ORX_PLATFORM_EXPORT bool isStringValue(const QVariant& v);
ORX_PLATFORM_EXPORT bool isBoolValue(const QVariant& v);

}  // namespace orx::basic

Q_DECLARE_METATYPE(orx::basic::MissingArgument)
