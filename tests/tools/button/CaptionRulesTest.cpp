// The caption list's rules: splitting, replacing one caption, the access
// key and what a new CapIndex does.
#include "tools/button/CaptionList.h"

#include <gtest/gtest.h>

using namespace orx::tools::button;

TEST(CaptionRules, SplitAtEveryBar)
{
    struct Case {
        const char* text;
        QStringList list;
    } cases[] = {
        {"A|B|C", {"A", "B", "C"}},
        {"A||B", {"A", "", "B"}},
        {"", {}},
        {"One", {"One"}},
        {"|", {"", ""}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(splitCaptions(QString::fromUtf8(c.text)), c.list) << c.text;
}

TEST(CaptionRules, TrimRemovesOuterBlanksOnly)
{
    EXPECT_EQ(trimCaptions(QStringLiteral("  A|B  ")), QStringLiteral("A|B"));
    EXPECT_EQ(trimCaptions(QStringLiteral("A | B")), QStringLiteral("A | B"));
    EXPECT_EQ(trimCaptions(QStringLiteral("   ")), QString());
}

TEST(CaptionRules, ReplaceOneCaptionKeepsTheOthers)
{
    const QStringList abc{"A", "B", "C"};
    EXPECT_EQ(replaceCaption(abc, 2, QStringLiteral("X")), QStringLiteral("A|X|C"));
    EXPECT_EQ(replaceCaption(abc, 3, QString()), QStringLiteral("A|B|"));
}

TEST(CaptionRules, AccessKeyIsTheCharacterAfterTheFirstAmpersand)
{
    struct Case {
        const char* caption;
        QChar key;  // null: none
    } cases[] = {
        {"&Save", QChar('S')},
        {"Sa&ve", QChar('V')},
        {"&x", QChar('X')},
        {"No key", QChar()},
        {"", QChar()},
        // An "&" with nothing after it marks no key (it used to read past
        // the end of the text).
        {"Save&", QChar()},
        {"&", QChar()},
        {"A&b&c", QChar('B')},
    };
    for (const Case& c : cases) {
        const std::optional<QChar> key = accessKeyOf(QString::fromUtf8(c.caption));
        if (c.key.isNull())
            EXPECT_FALSE(key.has_value()) << c.caption;
        else
            EXPECT_EQ(key.value_or(QChar()), c.key) << c.caption;
    }
}

TEST(CaptionRules, PlainCaptionDropsTheMarker)
{
    EXPECT_EQ(plainCaption(QStringLiteral("&Save")), QStringLiteral("Save"));
    EXPECT_EQ(plainCaption(QStringLiteral("Fish && Chips")), QStringLiteral("Fish & Chips"));
    EXPECT_EQ(plainCaption(QStringLiteral("End&")), QStringLiteral("End"));
}

TEST(CaptionRules, CapIndexChanges)
{
    struct Case {
        int n, count;
        bool autoScroll;
        bool accepted;
        int index;
        bool wraps;
    } cases[] = {
        {-1, 3, true, false, 0, false},  // below 0: ignored
        {0, 3, true, true, 0, false},    // no caption shown
        {2, 3, false, true, 2, false},
        {3, 3, false, true, 3, false},
        {4, 3, true, true, 1, true},   // past the end: back to the first, ScrollCaptions
        {4, 3, false, false, 0, false},  // without AutoScroll nothing changes
        {1, 0, true, true, 0, false},  // an empty list shows nothing
        {1, 0, false, false, 0, false},
    };
    for (const Case& c : cases) {
        const CapIndexChange change = capIndexChange(c.n, c.count, c.autoScroll);
        EXPECT_EQ(change.accepted, c.accepted) << c.n << " of " << c.count;
        if (c.accepted) {
            EXPECT_EQ(change.index, c.index) << c.n << " of " << c.count;
            EXPECT_EQ(change.wraps, c.wraps) << c.n << " of " << c.count;
        }
    }
}
