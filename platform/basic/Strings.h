#pragma once

#include "platform/basic/PlatformExport.h"

#include <QString>

// Classic string functions whose rules differ from QString's.
namespace orx::basic {

// Trim, LTrim, RTrim: spaces only (tabs and line ends stay).
ORX_PLATFORM_EXPORT QString trimSpaces(const QString& text);
ORX_PLATFORM_EXPORT QString trimLeadingSpaces(const QString& text);
ORX_PLATFORM_EXPORT QString trimTrailingSpaces(const QString& text);
ORX_PLATFORM_EXPORT bool isBlank(const QString& text);  // empty after trimSpaces

// Binary comparison (Option Compare Binary): by UTF-16 code unit, so
// "A" < "Z" < "a". Returns -1, 0 or 1.
ORX_PLATFORM_EXPORT int compareBinary(const QString& a, const QString& b);

// Mid(text, start, length): 1-based; start past the end gives ""; a length
// past the end is clipped; a negative length means "to the end". start < 1
// raises error 5.
ORX_PLATFORM_EXPORT QString mid(const QString& text, qsizetype start, qsizetype length = -1);

}  // namespace orx::basic
