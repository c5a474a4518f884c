#pragma once

#include "tools/common/ToolsExport.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QVariant>
#include <optional>

namespace orx::tools {

// A small ordered list of items, each paired with a key, with a current
// position. Positions are 1-based. The whole list reads and writes as one
// string in which "|" separates the elements. The text box keeps its
// drop-down entries in one; hosts get fresh ones from ORXTextBox.NewORXList.
//
// Items and keys are two parallel sequences that the operations keep in
// step, but that may differ in length (ListKeyString can supply fewer keys
// than there are items). Elements loaded from a string are registered under
// their own text, which must then be unique within the sequence (without
// regard to case, as for a keyed collection); loading a duplicate raises
// error 457 at the second one and keeps what was loaded before it.
class ORX_TOOLS_EXPORT ORXList : public QObject {
    Q_OBJECT
    Q_PROPERTY(int ListCount READ ListCount)
    Q_PROPERTY(int ListIndex READ ListIndex WRITE setListIndex)
    Q_PROPERTY(QString ListKeyString READ ListKeyString WRITE setListKeyString)
    Q_PROPERTY(QString ListString READ ListString WRITE setListString)
    Q_PROPERTY(int NewIndex READ NewIndex)

public:
    explicit ORXList(QObject* parent = nullptr);

    // The item at a position, or "" outside 1..ListCount.
    Q_INVOKABLE QVariant List(int Index) const;
    // Replaces the item at a position; outside 1..ListCount nothing happens.
    Q_INVOKABLE void SetList(int Index, const QVariant& Value);
    int ListCount() const { return int(items_.size()); }
    int ListIndex() const { return listIndex_; }
    // Only positions 1..ListCount are taken; others leave the position as it is.
    void setListIndex(int index);
    // The first position whose key equals Key, or 0.
    Q_INVOKABLE int ListIndexByKey(const QVariant& Key) const;
    // The key at a position, or "" outside 1..number of keys.
    Q_INVOKABLE QVariant ListKey(int Index) const;
    Q_INVOKABLE void SetListKey(int Index, const QVariant& Value);
    QString ListKeyString() const;
    // Replaces every key; keys beyond the number of items are dropped.
    void setListKeyString(const QString& text);
    QString ListString() const;
    // Clears the list and loads the items; the keys stay empty.
    void setListString(const QString& text);
    int NewIndex() const { return newIndex_; }

    // Inserts before Index when it is in 1..ListCount (KeyItem, when left
    // out, is the item itself); otherwise appends.
    Q_INVOKABLE void AddItem(const QVariant& Item, const QVariant& KeyItem = QVariant(), int Index = 0);
    Q_INVOKABLE void Clear();
    // Removes the item and the key at Index; outside 1..ListCount nothing happens.
    Q_INVOKABLE void RemoveItem(int Index);

    int keyCount() const { return int(keys_.size()); }

    // The joining and splitting rules of the string forms.
    static QString join(const QVariantList& elements);
    static QStringList split(const QString& text);

private:
    struct Element {
        QVariant value;
        std::optional<QString> registered;  // the look-up text, for elements loaded from a string
    };
    static void load(QList<Element>& sequence, const QString& text, const char* member);
    static QVariantList values(const QList<Element>& sequence);

    QList<Element> items_;
    QList<Element> keys_;
    int listIndex_ = 0;
    int newIndex_ = 0;
};

}  // namespace orx::tools
