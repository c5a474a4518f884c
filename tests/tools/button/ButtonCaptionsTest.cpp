// The caption list on a button: stepping through it, wrapping with
// ScrollCaptions, handlers that change the list, one caption replaced.
#include "tests/tools/button/ButtonTestSupport.h"

#include "platform/basic/BasicError.h"
#include "platform/com/Dispatch.h"
#include "platform/host/PropertyBag.h"

namespace orx::test {
namespace {

class ButtonCaptions : public ButtonFixture {};

TEST_F(ButtonCaptions, StepsAndWrapsWithAutoScroll)
{
    CB* b = button();
    b->setCaptions(QStringLiteral("One|Two|Three"));
    EXPECT_EQ(b->CapCount(), 3);
    b->setCapIndex(3);
    EXPECT_EQ(b->currentCaption(), QStringLiteral("Three"));
    log.clear();
    b->setCapIndex(b->CapIndex() + 1);
    EXPECT_EQ(b->CapIndex(), 1);
    EXPECT_EQ(b->currentCaption(), QStringLiteral("One"));
    EXPECT_EQ(log, QStringList{"ScrollCaptions"});

    b->setCapIndex(3);
    b->setAutoScroll(false);
    log.clear();
    b->setCapIndex(4);
    EXPECT_EQ(b->CapIndex(), 3);
    EXPECT_EQ(b->currentCaption(), QStringLiteral("Three"));
    EXPECT_TRUE(log.isEmpty());
}

TEST_F(ButtonCaptions, IndexZeroShowsNothingAndNegativeIsIgnored)
{
    CB* b = button();
    b->setCaptions(QStringLiteral("A|B"));
    b->setCapIndex(-1);
    EXPECT_EQ(b->CapIndex(), 1);
    b->setCapIndex(0);
    EXPECT_EQ(b->CapIndex(), 0);
    EXPECT_TRUE(b->currentCaption().isEmpty());
    EXPECT_TRUE(b->accessKeys().isEmpty());
}

TEST_F(ButtonCaptions, StoredWithoutOuterBlanks)
{
    CB* b = button();
    b->setCaptions(QStringLiteral("  A|B  "));
    EXPECT_EQ(b->Captions(), QStringLiteral("A|B"));
    b->setCaptions(QString());
    EXPECT_EQ(b->CapCount(), 0);
    EXPECT_EQ(b->CapIndex(), 0);
}

TEST_F(ButtonCaptions, OneCaptionReplaced)
{
    CB* b = button();
    b->setCaptions(QStringLiteral("A|B|C"));
    b->Caption(2, QStringLiteral("X"));
    EXPECT_EQ(b->Captions(), QStringLiteral("A|X|C"));
    b->Caption(5, QStringLiteral("Y"));
    EXPECT_EQ(b->Captions(), QStringLiteral("A|X|C"));
    EXPECT_EQ(b->Caption(3), QStringLiteral("C"));
    // Late bound, as a container puts an indexed property.
    com::invoke(b, QStringLiteral("Caption"), {3, QStringLiteral("Z")}, com::DispatchKind::PropertyPut);
    EXPECT_EQ(b->Captions(), QStringLiteral("A|X|Z"));
    EXPECT_EQ(com::invoke(b, QStringLiteral("Caption"), {2}).toString(), QStringLiteral("X"));
    EXPECT_EQ(b->Caption(9), QString());
    EXPECT_THROW(b->Caption(0), basic::BasicError);
}

TEST_F(ButtonCaptions, HandlerLoadingAShorterListEndsTheScroll)
{
    // The handler used to find the old index past its new list, wrap again
    // and raise ScrollCaptions without end.
    CB* b = button();
    b->setCaptions(QStringLiteral("A|B|C"));
    b->setCapIndex(3);
    int raised = 0;
    QObject::connect(b, &CB::ScrollCaptions, b, [&] {
        ++raised;
        if (raised > 5)
            return;  // keeps a regression from hanging the test
        b->setCaptions(QStringLiteral("X|Y"));
    });
    b->setCapIndex(4);
    EXPECT_EQ(raised, 1);
    EXPECT_EQ(b->CapIndex(), 1);
    EXPECT_EQ(b->currentCaption(), QStringLiteral("X"));
}

TEST_F(ButtonCaptions, HandlerEmptyingTheListLeavesIndexZero)
{
    CB* b = button();
    b->setCaptions(QStringLiteral("A|B"));
    b->setCapIndex(2);
    QObject::connect(b, &CB::ScrollCaptions, b, [b] { b->setCaptions(QString()); });
    b->setCapIndex(3);
    EXPECT_EQ(b->CapIndex(), 0);
    EXPECT_TRUE(b->currentCaption().isEmpty());
}

TEST_F(ButtonCaptions, ShorterListWithoutAutoScrollShowsItsLastCaption)
{
    // The index used to stay past the end, showing a stale caption (and none
    // after the form was loaded again).
    CB* b = button();
    b->setAutoScroll(false);
    b->setCaptions(QStringLiteral("A|B|C"));
    b->setCapIndex(3);
    b->setCaptions(QStringLiteral("A|B"));
    EXPECT_EQ(b->CapIndex(), 2);
    EXPECT_EQ(b->currentCaption(), QStringLiteral("B"));

    host::PropertyBag bag;
    b->WriteProperties(bag);
    CB* copy = new CB();
    form().placeControl(copy, QStringLiteral("ORX_Test.ORXCommandButton"), QStringLiteral("Copy"),
                        {120, 900, 1500, 450});
    copy->ReadProperties(bag);
    EXPECT_EQ(copy->currentCaption(), QStringLiteral("B"));
}

TEST_F(ButtonCaptions, ChangeNoticesOnlyForWhatChanged)
{
    CB* b = button();
    QStringList notices;
    QObject::connect(b, &host::UserControl::propertyChanged, b, [&](const QString& name) { notices << name; });
    b->setCaptions(QStringLiteral("A|B"));
    b->setCapIndex(2);
    b->setCapIndex(-1);
    b->Caption(1, QStringLiteral("Z"));
    EXPECT_EQ(notices, (QStringList{"Captions", "CapIndex", "Captions"}));
}

}  // namespace
}  // namespace orx::test
