#pragma once

#include "platform/basic/BasicError.h"
#include "platform/basic/Convert.h"
#include "platform/basic/Variant.h"
#include "viewreport/engine/Constants.h"
#include "viewreport/engine/RequestRules.h"

#include <QList>
#include <QObject>
#include <QPointer>

// The ordered, unkeyed list behind the request's four collections: 1-based
// positions, elements found by position or by name (upper-cased), duplicates
// allowed. Elements belong to the collection; one that is removed is deleted
// once control returns to the event loop, so that a caller still holding it
// from Item is not left with a dangling object in the middle of its code.
namespace orx::viewreport {

template <class T>
class ElementList {
public:
    explicit ElementList(QObject* owner)
        : owner_(owner)
    {
    }

    int count() const { return int(items_.size()); }

    // Item(Index): a number, or a string that reads as one, is a position (no
    // object above Count; below 1 the invalid-index error); anything else is
    // a name, the first element of that name is returned, or no object.
    T* item(const QVariant& index) const
    {
        if (basic::isNull(index) || basic::isMissing(index))
            return nullptr;
        if (basic::isNumeric(index)) {
            if (basic::cdbl(index) > double(count()))
                return nullptr;
            return at(basic::clng(index));
        }
        return named(basic::cstr(index));
    }

    bool exists(const QString& name) const { return named(name) != nullptr; }

    // The first element whose name equals `name` upper-cased, or null.
    T* named(const QString& name) const
    {
        for (T* e : items_) {
            if (sameName(e->Name(), name))
                return e;
        }
        return nullptr;
    }

    // Takes the element (it becomes a child of the collection).
    void append(T* element)
    {
        element->setParent(owner_);
        items_.append(element);
    }

    // Remove(Index): removes the element at Index when Index is not above
    // Count (below 1: the invalid-index error); returns the new Count.
    int remove(int index)
    {
        if (index <= count()) {
            T* e = at(index);
            items_.removeAt(index - 1);
            e->deleteLater();
        }
        return count();
    }

    void clear()
    {
        while (count() > 0)
            remove(count());
    }

    const QList<T*>& elements() const { return items_; }

private:
    T* at(qint64 position) const
    {
        if (position < 1 || position > count())
            basic::raiseError(basic::err::SubscriptOutOfRange, QString::fromLatin1(ProductName));
        return items_[qsizetype(position - 1)];
    }

    QObject* owner_;
    QList<T*> items_;
};

}  // namespace orx::viewreport
