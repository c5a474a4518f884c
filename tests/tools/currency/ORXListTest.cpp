#include "platform/basic/BasicError.h"
#include "platform/com/Dispatch.h"
#include "tools/currency/ORXList.h"

#include <gtest/gtest.h>

using orx::tools::ORXList;

namespace {

QStringList itemsOf(const ORXList& l)
{
    QStringList out;
    for (int i = 1; i <= l.ListCount(); ++i)
        out << l.List(i).toString();
    return out;
}

QStringList keysOf(const ORXList& l)
{
    QStringList out;
    for (int i = 1; i <= l.keyCount(); ++i)
        out << l.ListKey(i).toString();
    return out;
}

}  // namespace

TEST(ORXList, JoinLeavesNoTraceOfLeadingEmptyElements)
{
    struct Case {
        QVariantList elements;
        QString joined;
    };
    const Case cases[] = {
        {{}, ""},
        {{"", "", "a"}, "a"},
        {{"a", "", "b"}, "a||b"},
        {{"a", "b"}, "a|b"},
        {{"a", ""}, "a|"},
        {{"", ""}, ""},
        {{1, 2.5}, "1|2.5"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ORXList::join(c.elements), c.joined) << c.joined.toStdString();
}

TEST(ORXList, SplitKeepsEveryElementBetweenSeparators)
{
    struct Case {
        QString text;
        QStringList elements;
    };
    const Case cases[] = {
        {"", {}},
        {"a|b", {"a", "b"}},
        {"a|", {"a", ""}},
        {"|", {"", ""}},
        {"a||b", {"a", "", "b"}},
        {"single", {"single"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ORXList::split(c.text), c.elements) << c.text.toStdString();
}

TEST(ORXList, AddItemPlacesItemAndKey)
{
    struct Step {
        QVariant item;
        QVariant key;  // invalid: left out
        int index;
    };
    struct Case {
        const char* name;
        QList<Step> steps;
        QStringList items;
        QStringList keys;
        int newIndex;
    };
    const Case cases[] = {
        {"append without key uses the item", {{"x", {}, 0}}, {"x"}, {"x"}, 1},
        {"insert at 1 before x", {{"x", {}, 0}, {"y", "k", 1}}, {"y", "x"}, {"k", "x"}, 1},
        {"index past the end appends", {{"a", "1", 0}, {"b", "2", 5}}, {"a", "b"}, {"1", "2"}, 2},
        {"negative index appends", {{"a", "1", 0}, {"b", "2", -1}}, {"a", "b"}, {"1", "2"}, 2},
        {"insert in the middle", {{"a", "1", 0}, {"c", "3", 0}, {"b", "2", 2}}, {"a", "b", "c"}, {"1", "2", "3"}, 2},
        {"insert without key keeps the item as key", {{"a", "1", 0}, {"b", {}, 1}}, {"b", "a"}, {"b", "1"}, 1},
        {"repeated items are allowed", {{"a", {}, 0}, {"a", {}, 0}}, {"a", "a"}, {"a", "a"}, 2},
    };
    for (const Case& c : cases) {
        ORXList l;
        for (const Step& s : c.steps)
            l.AddItem(s.item, s.key, s.index);
        EXPECT_EQ(itemsOf(l), c.items) << c.name;
        EXPECT_EQ(keysOf(l), c.keys) << c.name;
        EXPECT_EQ(l.NewIndex(), c.newIndex) << c.name;
    }
}

TEST(ORXList, OutOfRangePositionsNeverRaise)
{
    struct Case {
        int index;
        bool inRange;
    };
    const Case cases[] = {{0, false}, {-1, false}, {1, true}, {3, true}, {4, false}};
    for (const Case& c : cases) {
        ORXList l;
        l.setListString("a|b|c");
        l.setListKeyString("ka|kb|kc");
        l.setListIndex(2);
        EXPECT_EQ(l.List(c.index).toString().isEmpty(), !c.inRange) << c.index;
        EXPECT_EQ(l.ListKey(c.index).toString().isEmpty(), !c.inRange) << c.index;
        l.SetList(c.index, "z");
        l.SetListKey(c.index, "kz");
        EXPECT_EQ(l.ListString().contains('z'), c.inRange) << c.index;
        EXPECT_EQ(l.ListKeyString().contains("kz"), c.inRange) << c.index;
        l.setListIndex(c.index);
        EXPECT_EQ(l.ListIndex(), c.inRange ? c.index : 2) << c.index;
        l.RemoveItem(c.index);
        EXPECT_EQ(l.ListCount(), c.inRange ? 2 : 3) << c.index;
    }
}

TEST(ORXList, ListIndexAcceptsOnlyExistingPositionsAndClearResets)
{
    ORXList l;
    l.setListString("a|b|c");
    l.setListIndex(2);
    l.setListIndex(0);
    EXPECT_EQ(l.ListIndex(), 2);
    l.setListIndex(l.ListCount() + 1);
    EXPECT_EQ(l.ListIndex(), 2);
    l.RemoveItem(1);  // the position is not adjusted
    EXPECT_EQ(l.ListIndex(), 2);
    l.Clear();
    EXPECT_EQ(l.ListIndex(), 0);
    EXPECT_EQ(l.NewIndex(), 0);
    EXPECT_EQ(l.ListCount(), 0);
    EXPECT_EQ(l.keyCount(), 0);
}

TEST(ORXList, KeyStringIsCutToTheItemCount)
{
    struct Case {
        QString items;
        QString keys;
        QStringList expectedKeys;
    };
    const Case cases[] = {
        {"a|b|c", "1|2|3|4", {"1", "2", "3"}},
        {"a|b|c", "1|2", {"1", "2"}},
        {"a|b", "", {}},
        {"", "1|2", {}},
    };
    for (const Case& c : cases) {
        ORXList l;
        l.setListString(c.items);
        EXPECT_EQ(l.keyCount(), 0) << "ListString creates no keys";
        l.setListKeyString(c.keys);
        EXPECT_EQ(keysOf(l), c.expectedKeys) << c.keys.toStdString();
    }
}

TEST(ORXList, LoadingADuplicateFailsAtTheSecondAndKeepsTheFirst)
{
    struct Case {
        bool keys;
        QString text;
        QStringList kept;
    };
    const Case cases[] = {
        {false, "a|b|a|c", {"a", "b"}},
        {false, "Red|red", {"Red"}},
        {true, "1|2|2", {"1", "2"}},
    };
    for (const Case& c : cases) {
        ORXList l;
        l.setListString("p|q|r|s");
        try {
            if (c.keys)
                l.setListKeyString(c.text);
            else
                l.setListString(c.text);
            ADD_FAILURE() << "no error for " << c.text.toStdString();
        } catch (const orx::basic::BasicError& e) {
            EXPECT_EQ(e.number(), orx::basic::err::KeyAlreadyAssociated);
        }
        EXPECT_EQ(c.keys ? keysOf(l) : itemsOf(l), c.kept) << c.text.toStdString();
    }
    ORXList empties;
    empties.setListString("|");  // empty texts are not look-up keys
    EXPECT_EQ(empties.ListCount(), 2);
}

TEST(ORXList, ListIndexByKeyFindsTheFirstEqualKey)
{
    ORXList l;
    l.AddItem("one", "k1");
    l.AddItem("two", "dup");
    l.AddItem("three", "dup");
    l.AddItem("four", 7);
    struct Case {
        QVariant key;
        int position;
    };
    const Case cases[] = {{"k1", 1}, {"dup", 2}, {7, 4}, {7.0, 4}, {"K1", 0}, {"none", 0}};
    for (const Case& c : cases)
        EXPECT_EQ(l.ListIndexByKey(c.key), c.position) << c.key.toString().toStdString();
}

TEST(ORXList, RemoveItemRemovesItsKeyAndKeepsPositions)
{
    ORXList l;
    l.AddItem("a", "1");
    l.AddItem("b", "2");
    l.AddItem("c", "3");
    l.setListIndex(3);
    l.RemoveItem(2);
    EXPECT_EQ(l.ListString(), "a|c");
    EXPECT_EQ(l.ListKeyString(), "1|3");
    EXPECT_EQ(l.ListIndex(), 3);
    EXPECT_EQ(l.NewIndex(), 3);
}

TEST(ORXList, MembersAreReachableByName)
{
    ORXList l;
    orx::com::invoke(&l, "ListString", {"x|y"}, orx::com::DispatchKind::PropertyPut);
    orx::com::invoke(&l, "AddItem", {"z", "kz"});
    EXPECT_EQ(orx::com::invoke(&l, "ListCount").toInt(), 3);
    EXPECT_EQ(orx::com::invoke(&l, "List", {3}).toString(), "z");
    // ListString made no keys, so the first key added sits at position 1:
    // the sequences are not realigned.
    EXPECT_EQ(orx::com::invoke(&l, "ListIndexByKey", {"kz"}).toInt(), 1);
}
