#include "platform/host/PropertyBag.h"

#include "platform/basic/BasicError.h"
#include "platform/basic/Currency.h"
#include "platform/basic/Variant.h"
#include "platform/host/OleColor.h"
#include "platform/host/StdFont.h"

#include <cmath>
#include <QBuffer>
#include <QCoreApplication>
#include <QDateTime>
#include <QImage>
#include <QJsonArray>

namespace orx::host {

using basic::Currency;

namespace {

enum class Kind { Empty, Null, Bool, Number, Color, String, Font, Picture, Date, Currency, Other };

Kind kindOf(const QVariant& v)
{
    if (basic::isEmpty(v))
        return Kind::Empty;
    if (basic::isNull(v))
        return Kind::Null;
    if (v.metaType() == QMetaType::fromType<OleColor>())
        return Kind::Color;
    if (v.metaType() == QMetaType::fromType<StdFont>())
        return Kind::Font;
    if (v.metaType() == QMetaType::fromType<Currency>())
        return Kind::Currency;
    if (v.typeId() == QMetaType::QImage)
        return Kind::Picture;
    if (basic::isBoolValue(v))
        return Kind::Bool;
    if (basic::isNumberValue(v))
        return Kind::Number;
    if (basic::isStringValue(v))
        return Kind::String;
    if (basic::isDateValue(v))
        return Kind::Date;
    return Kind::Other;
}

const char* kindName(Kind k)
{
    switch (k) {
    case Kind::Empty: return "nothing";
    case Kind::Null: return "Null";
    case Kind::Bool: return "a boolean";
    case Kind::Number: return "a number";
    case Kind::Color: return "a colour";
    case Kind::String: return "a string";
    case Kind::Font: return "a font";
    case Kind::Picture: return "a picture";
    case Kind::Date: return "a date";
    case Kind::Currency: return "a currency amount";
    case Kind::Other: return "a value of another type";
    }
    return "";
}

// The number a numeric-like value stands for (booleans -1/0).
double numberOf(const QVariant& v)
{
    switch (kindOf(v)) {
    case Kind::Bool: return v.toBool() ? -1.0 : 0.0;
    case Kind::Color: return double(v.value<OleColor>().value);
    case Kind::Currency: return v.value<Currency>().toDouble();
    default: return v.toDouble();
    }
}

bool isNumeric(Kind k)
{
    return k == Kind::Bool || k == Kind::Number || k == Kind::Color || k == Kind::Currency;
}

// Converts a stored value to the metatype of `like`; nullopt when it cannot.
std::optional<QVariant> convertLike(const QVariant& stored, const QVariant& like)
{
    const Kind want = kindOf(like);
    const Kind have = kindOf(stored);
    if (want == Kind::Empty || want == Kind::Other || (have == want && stored.metaType() == like.metaType()))
        return stored;
    if (have == Kind::Null)
        return want == Kind::Picture ? std::optional<QVariant>(QVariant(QImage())) : std::optional<QVariant>(stored);
    if (isNumeric(want)) {
        double n = 0;
        if (isNumeric(have)) {
            n = numberOf(stored);
        } else if (have == Kind::String) {
            bool ok = false;
            n = stored.toString().trimmed().toDouble(&ok);
            if (!ok) {
                const QString t = stored.toString().trimmed();
                if (t.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
                    n = -1, ok = true;
                else if (t.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
                    n = 0, ok = true;
            }
            if (!ok)
                return std::nullopt;
        } else {
            return std::nullopt;
        }
        switch (want) {
        case Kind::Bool: return QVariant(n != 0.0);
        case Kind::Color:
            if (n < 0 || n > 4294967295.0)
                return std::nullopt;
            return QVariant::fromValue(OleColor{std::uint32_t(n)});
        case Kind::Currency: return QVariant::fromValue(Currency::fromDouble(n));
        default: {
            QVariant out(n);
            if (out.convert(like.metaType()) && (like.typeId() == QMetaType::Double || like.typeId() == QMetaType::Float
                                                  || std::abs(out.toDouble() - n) < 1.0))
                return out;
            return std::nullopt;
        }
        }
    }
    if (want == Kind::String && (isNumeric(have) || have == Kind::Date))
        return QVariant(stored.toString());
    if (want == Kind::Date && have == Kind::String) {
        const QDateTime dt = QDateTime::fromString(stored.toString(), Qt::ISODate);
        if (dt.isValid())
            return QVariant(dt);
    }
    return std::nullopt;
}

QString pictureToBase64(const QImage& image)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return QString::fromLatin1(png.toBase64());
}

}  // namespace

bool samePropertyValue(const QVariant& a, const QVariant& b)
{
    const Kind ka = kindOf(a);
    const Kind kb = kindOf(b);
    if (isNumeric(ka) && isNumeric(kb))
        return numberOf(a) == numberOf(b);
    if (ka != kb)
        return false;
    switch (ka) {
    case Kind::Empty:
    case Kind::Null: return true;
    case Kind::String: return a.toString() == b.toString();
    case Kind::Font: return a.value<StdFont>() == b.value<StdFont>();
    case Kind::Picture: return a.value<QImage>() == b.value<QImage>();
    case Kind::Date: return a.toDateTime() == b.toDateTime();
    default: return a == b;
    }
}

PropertyBag::PropertyBag(QString context)
    : context_(std::move(context))
{
}

qsizetype PropertyBag::indexOf(const QString& key) const
{
    for (qsizetype i = 0; i < entries_.size(); ++i) {
        if (entries_[i].first.compare(key, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

QVariant PropertyBag::ReadProperty(const QString& key, const QVariant& defaultValue) const
{
    const qsizetype i = indexOf(key);
    if (i < 0)
        return defaultValue;
    const QVariant& stored = entries_[i].second;
    if (const std::optional<QVariant> converted = convertLike(stored, defaultValue))
        return *converted;
    const QString where = context_.isEmpty() ? QString() : context_ + QStringLiteral(", ");
    basic::raiseError(basic::err::TypeMismatch, QStringLiteral("PropertyBag.ReadProperty"),
                      QCoreApplication::translate("PropertyBag", "%1key \"%2\": %3 was expected, the bag holds %4")
                          .arg(where, key, QString::fromLatin1(kindName(kindOf(defaultValue))),
                               QString::fromLatin1(kindName(kindOf(stored)))));
}

void PropertyBag::WriteProperty(const QString& key, const QVariant& value, const QVariant& defaultValue)
{
    if (samePropertyValue(value, defaultValue)) {
        remove(key);
        return;
    }
    setValue(key, value);
}

bool PropertyBag::contains(const QString& key) const
{
    return indexOf(key) >= 0;
}

QStringList PropertyBag::keys() const
{
    QStringList out;
    for (const auto& e : entries_)
        out << e.first;
    return out;
}

QVariant PropertyBag::value(const QString& key) const
{
    const qsizetype i = indexOf(key);
    return i < 0 ? QVariant() : entries_[i].second;
}

void PropertyBag::setValue(const QString& key, const QVariant& value)
{
    const qsizetype i = indexOf(key);
    if (i < 0)
        entries_.append({key, value});
    else
        entries_[i].second = value;
}

void PropertyBag::remove(const QString& key)
{
    const qsizetype i = indexOf(key);
    if (i >= 0)
        entries_.removeAt(i);
}

QJsonValue PropertyBag::valueToJson(const QVariant& v)
{
    switch (kindOf(v)) {
    case Kind::Empty: return QJsonObject{{QStringLiteral("type"), QStringLiteral("empty")}};
    case Kind::Null: return QJsonValue(QJsonValue::Null);
    case Kind::Bool: return QJsonValue(v.toBool());
    case Kind::Number: return QJsonValue(v.toDouble());
    case Kind::String: return QJsonValue(v.toString());
    case Kind::Color:
        return QJsonObject{{QStringLiteral("type"), QStringLiteral("color")},
                           {QStringLiteral("value"), double(v.value<OleColor>().value)}};
    case Kind::Currency:
        return QJsonObject{{QStringLiteral("type"), QStringLiteral("currency")},
                           {QStringLiteral("raw"), QString::number(v.value<Currency>().raw())}};
    case Kind::Date:
        return QJsonObject{{QStringLiteral("type"), QStringLiteral("date")},
                           {QStringLiteral("value"), v.toDateTime().toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss"))}};
    case Kind::Font: {
        const StdFont f = v.value<StdFont>();
        return QJsonObject{{QStringLiteral("type"), QStringLiteral("font")},
                           {QStringLiteral("name"), f.name},
                           {QStringLiteral("size"), f.size},
                           {QStringLiteral("bold"), f.bold()},
                           {QStringLiteral("italic"), f.italic},
                           {QStringLiteral("underline"), f.underline},
                           {QStringLiteral("strikethrough"), f.strikethrough},
                           {QStringLiteral("weight"), f.weight},
                           {QStringLiteral("charset"), f.charset}};
    }
    case Kind::Picture: {
        const QImage image = v.value<QImage>();
        QJsonObject o{{QStringLiteral("type"), QStringLiteral("picture")}};
        if (!image.isNull())
            o.insert(QStringLiteral("png"), pictureToBase64(image));
        return o;
    }
    case Kind::Other: break;
    }
    return QJsonValue(v.toString());
}

QVariant PropertyBag::valueFromJson(const QJsonValue& json, bool* ok)
{
    *ok = true;
    switch (json.type()) {
    case QJsonValue::Null: return basic::nullVariant();
    case QJsonValue::Bool: return QVariant(json.toBool());
    case QJsonValue::String: return QVariant(json.toString());
    case QJsonValue::Double: {
        const double d = json.toDouble();
        if (std::floor(d) == d && std::abs(d) <= 2147483647.0)
            return QVariant(int(d));
        return QVariant(d);
    }
    case QJsonValue::Object: break;
    default: *ok = false; return {};
    }
    const QJsonObject o = json.toObject();
    const QString type = o.value(QStringLiteral("type")).toString();
    if (type == QLatin1String("empty"))
        return QVariant();
    if (type == QLatin1String("color")) {
        const double d = o.value(QStringLiteral("value")).toDouble(-1);
        if (d < 0 || d > 4294967295.0 || std::floor(d) != d)
            return *ok = false, QVariant();
        return QVariant::fromValue(OleColor{std::uint32_t(d)});
    }
    if (type == QLatin1String("currency")) {
        bool good = false;
        const qint64 raw = o.value(QStringLiteral("raw")).toString().toLongLong(&good);
        if (!good)
            return *ok = false, QVariant();
        return QVariant::fromValue(Currency::fromRaw(raw));
    }
    if (type == QLatin1String("date")) {
        QDateTime dt = QDateTime::fromString(o.value(QStringLiteral("value")).toString(), Qt::ISODate);
        if (!dt.isValid())
            return *ok = false, QVariant();
        dt.setTimeSpec(Qt::UTC);
        return QVariant(dt);
    }
    if (type == QLatin1String("font")) {
        StdFont f;
        if (!o.value(QStringLiteral("name")).isString() || !o.value(QStringLiteral("size")).isDouble())
            return *ok = false, QVariant();
        f.name = o.value(QStringLiteral("name")).toString();
        f.size = o.value(QStringLiteral("size")).toDouble();
        f.italic = o.value(QStringLiteral("italic")).toBool();
        f.underline = o.value(QStringLiteral("underline")).toBool();
        f.strikethrough = o.value(QStringLiteral("strikethrough")).toBool();
        f.weight = o.value(QStringLiteral("weight")).toInt(o.value(QStringLiteral("bold")).toBool() ? 700 : 400);
        f.charset = o.value(QStringLiteral("charset")).toInt(0);
        return QVariant::fromValue(f);
    }
    if (type == QLatin1String("picture")) {
        if (!o.contains(QStringLiteral("png")))
            return QVariant(QImage());
        QImage image;
        const QByteArray png = QByteArray::fromBase64(o.value(QStringLiteral("png")).toString().toLatin1(),
                                                      QByteArray::AbortOnBase64DecodingErrors);
        if (png.isEmpty() || !image.loadFromData(png, "PNG"))
            return *ok = false, QVariant();
        return QVariant(image);
    }
    *ok = false;
    return {};
}

QJsonObject PropertyBag::toJson() const
{
    QJsonObject o;
    for (const auto& [key, value] : entries_)
        o.insert(key, valueToJson(value));
    return o;
}

PropertyBag PropertyBag::fromJson(const QJsonObject& json, const QString& context)
{
    PropertyBag bag(context);
    for (auto it = json.begin(); it != json.end(); ++it) {
        bool ok = false;
        const QVariant v = valueFromJson(it.value(), &ok);
        if (!ok) {
            basic::raiseError(basic::err::TypeMismatch, QStringLiteral("PropertyBag"),
                              QCoreApplication::translate("PropertyBag", "%1, key \"%2\": the value cannot be read")
                                  .arg(context, it.key()));
        }
        bag.setValue(it.key(), v);
    }
    return bag;
}

}  // namespace orx::host
