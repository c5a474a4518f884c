#include "platform/basic/BasicError.h"

namespace orx::basic {

QString standardDescription(int number)
{
    switch (number) {
    case err::InvalidProcedureCall: return QStringLiteral("Invalid procedure call or argument");
    case err::Overflow: return QStringLiteral("Overflow");
    case err::OutOfMemory: return QStringLiteral("Out of memory");
    case err::SubscriptOutOfRange: return QStringLiteral("Subscript out of range");
    case err::DivisionByZero: return QStringLiteral("Division by zero");
    case err::TypeMismatch: return QStringLiteral("Type mismatch");
    case err::BadFileNameOrNumber: return QStringLiteral("Bad file name or number");
    case err::FileNotFound: return QStringLiteral("File not found");
    case err::FileAlreadyOpen: return QStringLiteral("File already open");
    case err::DeviceIOError: return QStringLiteral("Device I/O error");
    case err::DiskFull: return QStringLiteral("Disk full");
    case err::PermissionDenied: return QStringLiteral("Permission denied");
    case err::PathFileAccessError: return QStringLiteral("Path/File access error");
    case err::PathNotFound: return QStringLiteral("Path not found");
    case err::ObjectNotSet: return QStringLiteral("Object variable or With block variable not set");
    case err::InvalidUseOfNull: return QStringLiteral("Invalid use of Null");
    case err::InvalidPropertyValue: return QStringLiteral("Invalid property value");
    case err::InvalidPropertyArrayIndex: return QStringLiteral("Invalid property array index");
    case err::SetNotSupportedAtRuntime: return QStringLiteral("Property cannot be set at run time");
    case err::SetNotSupportedReadOnly: return QStringLiteral("Property is read-only");
    case err::GetNotSupportedAtRuntime: return QStringLiteral("Property cannot be read at run time");
    case err::GetNotSupportedWriteOnly: return QStringLiteral("Property is write-only");
    case err::KeyAlreadyAssociated: return QStringLiteral("This key is already associated with an element of this collection");
    case err::CannotCreateObject: return QStringLiteral("ActiveX component can't create object");
    case err::ErrorSavingToFile: return QStringLiteral("Error saving to file");
    case err::ErrorLoadingFromFile: return QStringLiteral("Error loading from file");
    case err::InvalidPicture: return QStringLiteral("Invalid picture");
    default: return {};
    }
}

static std::string whatText(int number, const QString& source, const QString& description)
{
    return QStringLiteral("%1 (%2): %3").arg(number).arg(source, description).toStdString();
}

BasicError::BasicError(int number, QString source, QString description)
    : std::runtime_error(whatText(number, source, description))
    , number_(number)
    , source_(std::move(source))
    , description_(std::move(description))
{
}

void raiseError(int number, const QString& source, const QString& description)
{
    QString text = description;
    if (text.isEmpty())
        text = standardDescription(number);
    if (text.isEmpty())
        text = QStringLiteral("Application-defined or object-defined error");
    throw BasicError(number, source, text);
}

}  // namespace orx::basic
