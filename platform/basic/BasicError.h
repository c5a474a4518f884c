#pragma once

#include "platform/basic/PlatformExport.h"

#include <QString>
#include <stdexcept>

namespace orx::basic {

// The object-error base: a component's own error numbers are this plus n.
inline constexpr int kObjectErrorBase = -2147221504;

constexpr int objectError(int n) { return kObjectErrorBase + n; }

// Run-time error numbers raised by the runtime and the components.
namespace err {
inline constexpr int InvalidProcedureCall = 5;
inline constexpr int Overflow = 6;
inline constexpr int OutOfMemory = 7;
inline constexpr int SubscriptOutOfRange = 9;  // also "invalid index"
inline constexpr int DivisionByZero = 11;
inline constexpr int TypeMismatch = 13;
inline constexpr int BadFileNameOrNumber = 52;
inline constexpr int FileNotFound = 53;
inline constexpr int FileAlreadyOpen = 55;
inline constexpr int DeviceIOError = 57;
inline constexpr int DiskFull = 61;
inline constexpr int PermissionDenied = 70;
inline constexpr int PathFileAccessError = 75;
inline constexpr int PathNotFound = 76;
inline constexpr int ObjectNotSet = 91;
inline constexpr int InvalidUseOfNull = 94;
inline constexpr int InvalidPropertyValue = 380;
inline constexpr int InvalidPropertyArrayIndex = 381;
inline constexpr int SetNotSupportedAtRuntime = 382;
inline constexpr int SetNotSupportedReadOnly = 383;
inline constexpr int GetNotSupportedAtRuntime = 393;
inline constexpr int GetNotSupportedWriteOnly = 394;
inline constexpr int InvalidPicture = 481;
inline constexpr int KeyAlreadyAssociated = 457;
inline constexpr int CannotCreateObject = 429;
inline constexpr int ErrorSavingToFile = 31036;
inline constexpr int ErrorLoadingFromFile = 31037;
}  // namespace err

// The standard description of a run-time error number, or an empty string
// for a number the runtime does not describe.
ORX_PLATFORM_EXPORT QString standardDescription(int number);

// An error raised to a caller: number, source and description, as a
// component reports it through its dispatch interface.
class ORX_PLATFORM_EXPORT BasicError : public std::runtime_error {
public:
    BasicError(int number, QString source, QString description);

    int number() const { return number_; }
    const QString& source() const { return source_; }
    const QString& description() const { return description_; }

private:
    int number_;
    QString source_;
    QString description_;
};

// Raises an error. An empty description takes the standard one.
[[noreturn]] ORX_PLATFORM_EXPORT void raiseError(int number, const QString& source = {},
                                                 const QString& description = {});

}  // namespace orx::basic
