#include "tools/currency/ORXList.h"

#include "platform/basic/BasicError.h"
#include "platform/basic/Convert.h"
#include "platform/basic/Variant.h"

#include <QSet>

namespace orx::tools {

namespace {

const QChar kSeparator = QLatin1Char('|');

QString textOf(const QVariant& v)
{
    if (basic::isEmpty(v) || basic::isNull(v) || basic::isMissing(v))
        return QString();
    return basic::cstr(v);
}

bool sameKey(const QVariant& a, const QVariant& b)
{
    if (basic::isStringValue(a) && basic::isStringValue(b))
        return a.toString() == b.toString();
    if (basic::isNumberValue(a) && basic::isNumberValue(b))
        return a.toDouble() == b.toDouble();
    if (basic::isNull(a) || basic::isNull(b))
        return false;  // Null equals nothing, not even Null
    return a == b;
}

bool supplied(const QVariant& v)
{
    return !basic::isEmpty(v) && !basic::isMissing(v);
}

}  // namespace

ORXList::ORXList(QObject* parent)
    : QObject(parent)
{
}

QVariant ORXList::List(int Index) const
{
    if (Index < 1 || Index > items_.size())
        return QString();
    return items_[Index - 1].value;
}

void ORXList::SetList(int Index, const QVariant& Value)
{
    if (Index < 1 || Index > items_.size())
        return;
    items_[Index - 1].value = Value;
}

void ORXList::setListIndex(int index)
{
    if (index < 1 || index > items_.size())
        return;
    listIndex_ = index;
}

int ORXList::ListIndexByKey(const QVariant& Key) const
{
    for (int i = 0; i < keys_.size(); ++i) {
        if (sameKey(keys_[i].value, Key))
            return i + 1;
    }
    return 0;
}

QVariant ORXList::ListKey(int Index) const
{
    if (Index < 1 || Index > keys_.size())
        return QString();
    return keys_[Index - 1].value;
}

void ORXList::SetListKey(int Index, const QVariant& Value)
{
    if (Index < 1 || Index > keys_.size())
        return;
    keys_[Index - 1].value = Value;
}

QVariantList ORXList::values(const QList<Element>& sequence)
{
    QVariantList out;
    out.reserve(sequence.size());
    for (const Element& e : sequence)
        out.append(e.value);
    return out;
}

QString ORXList::ListKeyString() const
{
    return join(values(keys_));
}

QString ORXList::ListString() const
{
    return join(values(items_));
}

QString ORXList::join(const QVariantList& elements)
{
    // The separator goes in only after a non-empty prefix, so leading empty
    // elements leave no trace.
    QString out;
    for (const QVariant& e : elements) {
        if (!out.isEmpty())
            out += kSeparator;
        out += textOf(e);
    }
    return out;
}

QStringList ORXList::split(const QString& text)
{
    if (text.isEmpty())
        return {};
    return text.split(kSeparator);
}

void ORXList::load(QList<Element>& sequence, const QString& text, const char* member)
{
    // The keys so far, case-folded, so that a list of many thousands of
    // elements is checked in one pass rather than each against all before it.
    QSet<QString> registered;
    for (const Element& e : std::as_const(sequence)) {
        if (e.registered)
            registered.insert(e.registered->toCaseFolded());
    }
    for (const QString& part : split(text)) {
        // An empty text is no look-up key, so empty elements may repeat.
        if (!part.isEmpty()) {
            const QString folded = part.toCaseFolded();
            if (registered.contains(folded))
                basic::raiseError(basic::err::KeyAlreadyAssociated,
                                  QStringLiteral("ORXList.") + QLatin1String(member));
            registered.insert(folded);
        }
        sequence.append(Element{part, part.isEmpty() ? std::nullopt : std::optional<QString>(part)});
    }
}

void ORXList::setListKeyString(const QString& text)
{
    keys_.clear();
    load(keys_, text, "ListKeyString");
    while (keys_.size() > items_.size())
        keys_.removeLast();
}

void ORXList::setListString(const QString& text)
{
    Clear();
    load(items_, text, "ListString");
}

void ORXList::AddItem(const QVariant& Item, const QVariant& KeyItem, int Index)
{
    // Without a key the item is its own key, wherever it goes.
    const QVariant key = supplied(KeyItem) ? KeyItem : Item;
    if (Index >= 1 && Index <= items_.size()) {
        items_.insert(Index - 1, Element{Item, std::nullopt});
        keys_.insert(qMin<qsizetype>(Index - 1, keys_.size()), Element{key, std::nullopt});
        newIndex_ = Index;
        return;
    }
    items_.append(Element{Item, std::nullopt});
    keys_.append(Element{key, std::nullopt});
    newIndex_ = int(items_.size());
}

void ORXList::Clear()
{
    items_.clear();
    keys_.clear();
    listIndex_ = 0;
    newIndex_ = 0;
}

void ORXList::RemoveItem(int Index)
{
    if (Index < 1 || Index > items_.size())
        return;
    items_.removeAt(Index - 1);
    if (Index <= keys_.size())
        keys_.removeAt(Index - 1);
}

}  // namespace orx::tools
