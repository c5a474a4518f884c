#include "platform/basic/BasicError.h"

#include <QCoreApplication>

namespace orx::basic {

namespace {

// The runtime's own descriptions, translated under the context "BasicError".
const char* descriptionText(int number)
{
    switch (number) {
    case err::InvalidProcedureCall: return QT_TRANSLATE_NOOP("BasicError", "Invalid procedure call or argument");
    case err::Overflow: return QT_TRANSLATE_NOOP("BasicError", "Overflow");
    case err::OutOfMemory: return QT_TRANSLATE_NOOP("BasicError", "Out of memory");
    case err::SubscriptOutOfRange: return QT_TRANSLATE_NOOP("BasicError", "Subscript out of range");
    case err::DivisionByZero: return QT_TRANSLATE_NOOP("BasicError", "Division by zero");
    case err::TypeMismatch: return QT_TRANSLATE_NOOP("BasicError", "Type mismatch");
    case err::BadFileNameOrNumber: return QT_TRANSLATE_NOOP("BasicError", "Bad file name or number");
    case err::FileNotFound: return QT_TRANSLATE_NOOP("BasicError", "File not found");
    case err::FileAlreadyOpen: return QT_TRANSLATE_NOOP("BasicError", "File already open");
    case err::DeviceIOError: return QT_TRANSLATE_NOOP("BasicError", "Device I/O error");
    case err::DiskFull: return QT_TRANSLATE_NOOP("BasicError", "Disk full");
    case err::PermissionDenied: return QT_TRANSLATE_NOOP("BasicError", "Permission denied");
    case err::PathFileAccessError: return QT_TRANSLATE_NOOP("BasicError", "Path/File access error");
    case err::PathNotFound: return QT_TRANSLATE_NOOP("BasicError", "Path not found");
    case err::ObjectNotSet: return QT_TRANSLATE_NOOP("BasicError", "Object variable or With block variable not set");
    case err::InvalidUseOfNull: return QT_TRANSLATE_NOOP("BasicError", "Invalid use of Null");
    case err::InvalidPropertyValue: return QT_TRANSLATE_NOOP("BasicError", "Invalid property value");
    case err::InvalidPropertyArrayIndex: return QT_TRANSLATE_NOOP("BasicError", "Invalid property array index");
    case err::SetNotSupportedAtRuntime: return QT_TRANSLATE_NOOP("BasicError", "Property cannot be set at run time");
    case err::SetNotSupportedReadOnly: return QT_TRANSLATE_NOOP("BasicError", "Property is read-only");
    case err::GetNotSupportedAtRuntime: return QT_TRANSLATE_NOOP("BasicError", "Property cannot be read at run time");
    case err::GetNotSupportedWriteOnly: return QT_TRANSLATE_NOOP("BasicError", "Property is write-only");
    case err::KeyAlreadyAssociated:
        return QT_TRANSLATE_NOOP("BasicError", "This key is already associated with an element of this collection");
    case err::CannotCreateObject: return QT_TRANSLATE_NOOP("BasicError", "ActiveX component can't create object");
    case err::ErrorSavingToFile: return QT_TRANSLATE_NOOP("BasicError", "Error saving to file");
    case err::ErrorLoadingFromFile: return QT_TRANSLATE_NOOP("BasicError", "Error loading from file");
    case err::InvalidPicture: return QT_TRANSLATE_NOOP("BasicError", "Invalid picture");
    default: return nullptr;
    }
}

}  // namespace

QString standardDescription(int number)
{
    const char* text = descriptionText(number);
    return text ? QCoreApplication::translate("BasicError", text) : QString();
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
