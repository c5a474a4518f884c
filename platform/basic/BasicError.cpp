#include "platform/basic/BasicError.h"

#include <QCoreApplication>

namespace orx::basic {

QString standardDescription(int number)
{
    switch (number) {
    case err::InvalidProcedureCall: return QCoreApplication::translate("BasicError", "Invalid procedure call or argument");
    case err::Overflow: return QStringLiteral("Overflow");
    case err::OutOfMemory: return QCoreApplication::translate("BasicError", "Out of memory");
    case err::SubscriptOutOfRange: return QCoreApplication::translate("BasicError", "Subscript out of range");
    case err::DivisionByZero: return QCoreApplication::translate("BasicError", "Division by zero");
    case err::TypeMismatch: return QCoreApplication::translate("BasicError", "Type mismatch");
    case err::BadFileNameOrNumber: return QCoreApplication::translate("BasicError", "Bad file name or number");
    case err::FileNotFound: return QCoreApplication::translate("BasicError", "File not found");
    case err::FileAlreadyOpen: return QCoreApplication::translate("BasicError", "File already open");
    case err::DeviceIOError: return QCoreApplication::translate("BasicError", "Device I/O error");
    case err::DiskFull: return QCoreApplication::translate("BasicError", "Disk full");
    case err::PermissionDenied: return QCoreApplication::translate("BasicError", "Permission denied");
    case err::PathFileAccessError: return QCoreApplication::translate("BasicError", "Path/File access error");
    case err::PathNotFound: return QCoreApplication::translate("BasicError", "Path not found");
    case err::ObjectNotSet: return QCoreApplication::translate("BasicError", "Object variable or With block variable not set");
    case err::InvalidUseOfNull: return QCoreApplication::translate("BasicError", "Invalid use of Null");
    case err::InvalidPropertyValue: return QCoreApplication::translate("BasicError", "Invalid property value");
    case err::InvalidPropertyArrayIndex: return QCoreApplication::translate("BasicError", "Invalid property array index");
    case err::SetNotSupportedAtRuntime: return QCoreApplication::translate("BasicError", "Property cannot be set at run time");
    case err::SetNotSupportedReadOnly: return QCoreApplication::translate("BasicError", "Property is read-only");
    case err::GetNotSupportedAtRuntime: return QCoreApplication::translate("BasicError", "Property cannot be read at run time");
    case err::GetNotSupportedWriteOnly: return QCoreApplication::translate("BasicError", "Property is write-only");
    case err::KeyAlreadyAssociated: return QCoreApplication::translate("BasicError", "This key is already associated with an element of this collection");
    case err::CannotCreateObject: return QCoreApplication::translate("BasicError", "ActiveX component can't create object");
    case err::ErrorSavingToFile: return QCoreApplication::translate("BasicError", "Error saving to file");
    case err::ErrorLoadingFromFile: return QCoreApplication::translate("BasicError", "Error loading from file");
    case err::InvalidPicture: return QCoreApplication::translate("BasicError", "Invalid picture");
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
        text = QCoreApplication::translate("BasicError", "Application-defined or object-defined error");
    throw BasicError(number, source, text);
}

}  // namespace orx::basic
