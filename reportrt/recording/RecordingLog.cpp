#include "reportrt/recording/RecordingLog.h"

#include "platform/basic/Variant.h"
#include "reportrt/RuntimeError.h"

#include <QDateTime>

namespace orx::reportrt::recording {

void RecordingLog::call(const QString& text)
{
    add(text, false);
}

void RecordingLog::read(const QString& text)
{
    add(text, true);
}

void RecordingLog::add(const QString& text, bool read)
{
    entries_.append(Entry{text, read});
    if (onLine)
        onLine(text);
    for (qsizetype i = 0; i < failures_.size(); ++i) {
        if (text.startsWith(failures_[i].lineStart)) {
            const Failure f = failures_.takeAt(i);
            raiseRuntimeError(f.number, f.source, f.description);
        }
    }
}

QStringList RecordingLog::lines() const
{
    QStringList out;
    for (const Entry& e : entries_)
        out << e.text;
    return out;
}

QStringList RecordingLog::actions() const
{
    QStringList out;
    for (const Entry& e : entries_) {
        if (!e.read)
            out << e.text;
    }
    return out;
}

QStringList RecordingLog::matching(const QString& prefix) const
{
    QStringList out;
    for (const Entry& e : entries_) {
        if (e.text.startsWith(prefix))
            out << e.text;
    }
    return out;
}

QStringList RecordingLog::actionsMatching(const QString& prefix) const
{
    QStringList out;
    for (const Entry& e : entries_) {
        if (!e.read && e.text.startsWith(prefix))
            out << e.text;
    }
    return out;
}

void RecordingLog::failAt(const QString& lineStart, int number, const QString& description, const QString& source)
{
    failures_.append(Failure{lineStart, number, source, description});
}

QString quoted(const QString& text)
{
    QString out = QStringLiteral("\"");
    for (const QChar c : text) {
        switch (c.unicode()) {
        case '"': out += QStringLiteral("\"\""); break;
        case 0: out += QStringLiteral("<NUL>"); break;
        case 9: out += QStringLiteral("<TAB>"); break;
        case 10: out += QStringLiteral("<LF>"); break;
        case 12: out += QStringLiteral("<FF>"); break;
        case 13: out += QStringLiteral("<CR>"); break;
        default:
            if (c.unicode() < 32)
                out += QStringLiteral("<#%1>").arg(c.unicode());
            else
                out += c;
        }
    }
    out += QLatin1Char('"');
    return out;
}

QString describe(const QVariant& value)
{
    if (basic::isEmpty(value))
        return QStringLiteral("Empty");
    if (basic::isNull(value))
        return QStringLiteral("Null");
    if (basic::isMissing(value))
        return QStringLiteral("Missing");
    switch (value.typeId()) {
    case QMetaType::Bool:
        return value.toBool() ? QStringLiteral("Boolean(True)") : QStringLiteral("Boolean(False)");
    case QMetaType::Double:
        return QStringLiteral("Double(%1)").arg(QString::number(value.toDouble(), 'g', 15));
    case QMetaType::Float:
        return QStringLiteral("Single(%1)").arg(QString::number(value.toDouble(), 'g', 7));
    case QMetaType::Short:
        return QStringLiteral("Integer(%1)").arg(value.toInt());
    case QMetaType::Int:
        return QStringLiteral("Long(%1)").arg(value.toInt());
    case QMetaType::LongLong:
        return QStringLiteral("LongLong(%1)").arg(value.toLongLong());
    case QMetaType::QString:
        return QStringLiteral("String(%1)").arg(quoted(value.toString()));
    case QMetaType::QDateTime:
        return QStringLiteral("Date(%1)").arg(value.toDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
    case QMetaType::QDate:
        return QStringLiteral("Date(%1)").arg(value.toDate().toString(QStringLiteral("yyyy-MM-dd")));
    default:
        return QStringLiteral("%1(%2)").arg(QString::fromLatin1(value.typeName()), value.toString());
    }
}

}  // namespace orx::reportrt::recording
