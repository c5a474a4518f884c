#pragma once

#include "platform/basic/PlatformExport.h"

#include <QString>
#include <cstdint>
#include <optional>
#include <string>

// The classic runtime's number conversions: Format of a number, CStr, Str,
// the regional numeric parse behind CDbl and IsNumeric, Val, Round and the
// integer conversions. Everything that depends on the user's conventions
// reads orx::basic::regional() at the time of the call.
namespace orx::basic {

// A finite decimal number as a digit string, so that rounding happens on the
// decimal value the user sees and never on the binary one:
// value = (negative ? -1 : 1) * 0.d1 d2 ... dn * 10^exponent.
struct ORX_PLATFORM_EXPORT DecimalDigits {
    enum class Rounding { HalfAwayFromZero, HalfEven };

    bool negative = false;
    std::string digits;  // '0'..'9', no leading or trailing zeros; empty for zero
    int exponent = 0;    // digits before the decimal point (may be <= 0 or > size)

    bool isZero() const { return digits.empty(); }

    // The value rounded to `significant` significant digits (1..17).
    static DecimalDigits fromDouble(double value, int significant = 15);
    static DecimalDigits fromUnsigned(std::uint64_t magnitude, bool negative = false);

    // Rounds to `decimals` places after the decimal point (negative values
    // round to tens, hundreds...). A result of zero loses its sign.
    void roundTo(int decimals, Rounding mode);
    // Multiplies by 10^power.
    void shift(int power);

    // Nearest double; nullopt when the magnitude is beyond the Double range.
    // Values too small for a Double become zero.
    std::optional<double> toDouble() const;
    // The integer digits ("" for a value below one) and the first `count`
    // fraction digits, zero-padded.
    std::string integerDigits() const;
    std::string fractionDigits(int count) const;

    void normalize();  // drops leading and trailing zeros
};

// ---- Number to text -------------------------------------------------------

// Format(value, pattern) for a number. Raises overflow (6) for infinities
// and NaN, which no runtime Double can hold.
ORX_PLATFORM_EXPORT QString formatNumber(double value, const QString& pattern);
// The text of the fourth (Null) section of a pattern, or "" when it has none.
ORX_PLATFORM_EXPORT QString formatNullWithPattern(const QString& pattern);
// CStr of a Double: 15 significant digits, regional decimal separator.
ORX_PLATFORM_EXPORT QString numberToString(double value);
// CStr of a Single: 7 significant digits.
ORX_PLATFORM_EXPORT QString singleToString(float value);
// Str: always '.', a leading space for values that are not negative, and
// no zero before the point of a number between -1 and 1 (" .24", "-.5").
ORX_PLATFORM_EXPORT QString strText(double value);
// CStr of a Boolean: always the English words.
ORX_PLATFORM_EXPORT QString booleanToString(bool value);

// ---- Text to number -------------------------------------------------------

// The regional numeric grammar as an exact decimal (no Double range check),
// or nullopt when the whole text is not a number.
ORX_PLATFORM_EXPORT std::optional<DecimalDigits> scanNumber(const QString& text);
// The regional parse as a Double: nullopt when the text is not a number or
// is beyond the Double range.
ORX_PLATFORM_EXPORT std::optional<double> parseNumber(const QString& text);
// IsNumeric of a string.
ORX_PLATFORM_EXPORT bool isNumericText(const QString& text);
// CDbl of a string: type mismatch (13) when it is not a number, overflow (6)
// when it is beyond the Double range.
ORX_PLATFORM_EXPORT double cdbl(const QString& text);
// Val: '.' only, never an error for malformed text (overflow 6 only for a
// value beyond the Double range).
ORX_PLATFORM_EXPORT double val(const QString& text);

// CBool of a string: "True"/"False" in any case, or a number; else error 13.
ORX_PLATFORM_EXPORT std::optional<bool> parseBoolean(const QString& text);
ORX_PLATFORM_EXPORT bool cbool(const QString& text);
constexpr bool cbool(double value) { return value != 0.0; }
// Booleans as numbers: True is -1 as Integer and 255 as Byte.
constexpr std::int16_t booleanToInteger(bool value) { return value ? -1 : 0; }
constexpr std::uint8_t booleanToByte(bool value) { return value ? 255 : 0; }

// ---- Rounding and integer conversions -------------------------------------

// Round: halves to even on the 15-digit decimal value. Negative decimals
// raise error 5.
ORX_PLATFORM_EXPORT double roundHalfEven(double value, int decimals = 0);
// CInt, CLng, CByte: halves to even; overflow (6) outside the type's range.
ORX_PLATFORM_EXPORT std::int16_t cint(double value);
ORX_PLATFORM_EXPORT std::int32_t clng(double value);
ORX_PLATFORM_EXPORT std::uint8_t cbyte(double value);
// CSng: overflow (6) when a finite value exceeds the Single range.
ORX_PLATFORM_EXPORT float csng(double value);
// Int (floor) and Fix (truncation).
ORX_PLATFORM_EXPORT double intPart(double value);
ORX_PLATFORM_EXPORT double fixPart(double value);

}  // namespace orx::basic
