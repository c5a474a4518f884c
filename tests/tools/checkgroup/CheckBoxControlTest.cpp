// The check box group on a form: real clicks and keys, the group values,
// events, focus and its rectangle, persistence and the mended faults.
#include "tests/tools/checkgroup/GroupTestSupport.h"

#include "platform/com/Dispatch.h"
#include "tools/checkgroup/ORXCheckBox.h"

#include <QAccessible>
#include <QCheckBox>
#include <QLabel>

namespace orx::test {
namespace {

using tools::ORXCheckBox;
using CK = ORXCheckBox;

// Every event of a group, in order, as text.
struct EventLog {
    QStringList events;
    void attach(CK* c)
    {
        QObject::connect(c, &CK::Click, c, [this](int& i, bool& v) { events << QStringLiteral("Click(%1,%2)").arg(i).arg(v ? "true" : "false"); });
        QObject::connect(c, &CK::Change, c, [this] { events << QStringLiteral("Change"); });
        QObject::connect(c, &CK::CheckGotFocus, c, [this](int& i) { events << QStringLiteral("GotFocus(%1)").arg(i); });
        QObject::connect(c, &CK::CheckLostFocus, c, [this](int& i) { events << QStringLiteral("LostFocus(%1)").arg(i); });
        QObject::connect(c, &CK::MouseDown, c, [this](int&, int&, float&, float&) { events << QStringLiteral("MouseDown"); });
        QObject::connect(c, &CK::KeyPress, c, [this](int& k) { events << QStringLiteral("KeyPress(%1)").arg(k); });
        QObject::connect(c, &CK::KeyEnterPressed, c, [this] { events << QStringLiteral("KeyEnterPressed"); });
        QObject::connect(c, &CK::DblClick, c, [this] { events << QStringLiteral("DblClick"); });
    }
};

class CheckBoxGroup : public GroupFixture {
protected:
    CK* group(int items, const QString& name = QStringLiteral("G1"))
    {
        CK* c = place<CK>(name, host::TwipRect{120, 120, 3000, 1200});
        c->setNumChecks(items);
        settle();
        log.attach(c);
        return c;
    }
    EventLog log;
};

TEST_F(CheckBoxGroup, ClickOnABoxChecksItAndUpdatesEveryValue)
{
    CK* c = group(3);
    click(c->checkBox(1));
    EXPECT_EQ(c->ListValue(), QStringLiteral("010"));
    EXPECT_EQ(c->NumericValue(), 2);
    EXPECT_FALSE(c->Value());
    EXPECT_TRUE(c->checkBox(1)->hasFocus());
    // The box's focus raises CheckGotFocus, and the click handling raises it
    // once more before Click.
    EXPECT_EQ(log.events.filter(QRegularExpression("GotFocus|Click")),
              QStringList({"GotFocus(1)", "GotFocus(1)", "Click(1,true)"}));
    EXPECT_FALSE(log.events.contains(QStringLiteral("Change")));
    EXPECT_EQ(c->focusIndex(), 1);
}

TEST_F(CheckBoxGroup, CaptionPressTogglesOnlyEnabledItems)
{
    CK* c = group(3);
    click(c->captionLabel(2));
    EXPECT_TRUE(c->CheckValue(2));
    EXPECT_TRUE(c->checkBox(2)->hasFocus());
    EXPECT_EQ(log.events.first(), QStringLiteral("MouseDown"));
    EXPECT_TRUE(log.events.contains(QStringLiteral("Click(2,true)")));

    c->CheckEnabled(0, false);
    log.events.clear();
    click(c->captionLabel(0));
    EXPECT_EQ(log.events, QStringList({"MouseDown"}));
    EXPECT_FALSE(c->CheckValue(0));
    EXPECT_EQ(c->ListValue(), QStringLiteral("001"));
}

TEST_F(CheckBoxGroup, DoubleClickOnACaptionTogglesTwiceAndNeverRaisesDblClick)
{
    CK* c = group(2);
    doubleClick(c->captionLabel(1));
    EXPECT_FALSE(c->CheckValue(1));
    EXPECT_EQ(log.events.filter(QStringLiteral("Click(")), QStringList({"Click(1,true)", "Click(1,false)"}));
    EXPECT_FALSE(log.events.contains(QStringLiteral("DblClick")));
}

TEST_F(CheckBoxGroup, KeyboardTabsBetweenBoxesAndSpaceToggles)
{
    CK* c = group(3);
    focus(c->checkBox(0));
    EXPECT_TRUE(c->HasFocus());
    key(c->checkBox(0), Qt::Key_Tab);
    EXPECT_TRUE(c->checkBox(1)->hasFocus());
    key(c->checkBox(1), Qt::Key_Space);
    EXPECT_EQ(c->ListValue(), QStringLiteral("010"));
    EXPECT_TRUE(log.events.contains(QStringLiteral("LostFocus(0)")));
    log.events.clear();
    key(c->checkBox(1), Qt::Key_Return);
    type(c->checkBox(1), QStringLiteral("a"));
    EXPECT_EQ(log.events, QStringList({"KeyEnterPressed", "KeyPress(97)"}));
}

TEST_F(CheckBoxGroup, GroupValuesSetThroughTheInterface)
{
    CK* c = group(3);
    c->setNumericValue(5);
    EXPECT_EQ(c->ListValue(), QStringLiteral("101"));
    EXPECT_EQ(log.events, QStringList({"Change"}));  // no Click: the control changed the items itself
    c->setNumericValue(8);
    EXPECT_EQ(c->NumericValue(), 5);
    c->setNumericValue(7);
    EXPECT_EQ(c->ListValue(), QStringLiteral("111"));

    c->setListValue(QStringLiteral("10"));
    EXPECT_EQ(c->ListValue(), QStringLiteral("111"));
    c->setListValue(QStringLiteral("1x1"));
    EXPECT_EQ(c->NumericValue(), 5);
    EXPECT_EQ(c->ListValue(), QStringLiteral("1x1"));  // stored as given; item 1 unchecked

    c->Clear();
    EXPECT_EQ(c->ListValue(), QStringLiteral("000"));

    log.events.clear();
    c->setValue(true);  // two or more items: ignored
    EXPECT_TRUE(log.events.isEmpty());
    c->setNumChecks(1);
    c->setValue(true);
    EXPECT_TRUE(c->CheckValue(0));
    EXPECT_EQ(log.events, QStringList({"Click(0,true)"}));
}

TEST_F(CheckBoxGroup, CheckValueRunsTheClickHandling)
{
    CK* c = group(3);
    c->CheckValue(2, true);
    EXPECT_TRUE(c->checkBox(2)->hasFocus());
    EXPECT_TRUE(log.events.contains(QStringLiteral("Click(2,true)")));
    EXPECT_EQ(c->NumericValue(), 4);
}

TEST_F(CheckBoxGroup, IndexesOutsideTheItemsReadNothingAndChangeNothing)
{
    CK* c = group(3);
    for (int index : {-1, -5, 3, 5}) {
        EXPECT_EQ(c->CheckCaption(index), QString()) << index;
        EXPECT_FALSE(c->CheckValue(index)) << index;
        EXPECT_FALSE(c->CheckEnabled(index)) << index;
        EXPECT_FALSE(c->CheckVisible(index)) << index;
        c->CheckCaption(index, QStringLiteral("x"));
        c->CheckValue(index, true);
        c->CheckEnabled(index, false);
        c->CheckVisible(index, false);
    }
    EXPECT_EQ(c->Captions(), QStringLiteral("G1-0|G1-1|G1-2"));
    EXPECT_EQ(c->ListValue(), QStringLiteral("000"));
    EXPECT_TRUE(log.events.isEmpty());
}

TEST_F(CheckBoxGroup, ACaptionHoldingTheSeparatorIsIgnored)
{
    CK* c = group(3);
    c->setCaptions(QStringLiteral("  A|B|C  "));
    EXPECT_EQ(c->Captions(), QStringLiteral("A|B|C"));
    c->CheckCaption(0, QStringLiteral("x|y"));
    EXPECT_EQ(c->Captions(), QStringLiteral("A|B|C"));
    c->CheckCaption(0, QStringLiteral("Red"));
    EXPECT_EQ(c->Captions(), QStringLiteral("Red|B|C"));
    // The captions survive a save and load with their count.
    CK* copy = reload(c, QStringLiteral("G2"));
    EXPECT_EQ(copy->Captions(), QStringLiteral("Red|B|C"));
}

TEST_F(CheckBoxGroup, CaptionsFitTheItemCount)
{
    CK* c = group(3);
    c->setCaptions(QStringLiteral("A||C"));
    EXPECT_EQ(c->CheckCaption(1), QString());
    c->setCaptions(QStringLiteral("A"));
    EXPECT_EQ(c->Captions(), QStringLiteral("A|G1-1|G1-2"));
    c->setNumChecks(5);
    c->setCaptions(QStringLiteral("A|B|C|D|E"));
    c->setNumChecks(2);
    EXPECT_EQ(c->Captions(), QStringLiteral("A|B"));
    EXPECT_EQ(c->checkBox(2), nullptr);
    EXPECT_EQ(c->ListValue(), QStringLiteral("00"));
    // Each box announces its caption and state.
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(c->checkBox(1));
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->text(QAccessible::Name), QStringLiteral("B"));
    c->CheckValue(1, true);
    EXPECT_TRUE(a->state().checked);
}

TEST_F(CheckBoxGroup, FocusIndexFollowsRemovedItemsAndThePaintDrawsNothingMissing)
{
    CK* c = group(5);
    click(c->checkBox(4));
    ASSERT_EQ(c->focusIndex(), 4);
    c->setNumChecks(2);
    EXPECT_EQ(c->focusIndex(), 1);
    draw::RecordingSurface surface;
    c->PaintControl(surface);
    const QList<draw::DrawCall> rects = surface.callsOf(draw::Op::Rectangle);
    ASSERT_EQ(rects.size(), 1);
    const host::TwipRect label = host::twipGeometry(c->captionLabel(1));
    EXPECT_EQ(rects[0].x1, label.left - 30);
    EXPECT_EQ(rects[0].y1, label.top - 15);
}

TEST_F(CheckBoxGroup, PaintDrawsTheFrameThenTheFocusRectangle)
{
    CK* c = group(2);
    c->extender()->setWidth(1500);
    c->extender()->setHeight(600);
    draw::RecordingSurface surface;
    c->PaintControl(surface);
    const QList<draw::DrawCall> lines = surface.callsOf(draw::Op::Line);
    ASSERT_EQ(lines.size(), 8);  // Groove
    EXPECT_EQ(std::tuple(lines[3].x1, lines[3].y1, lines[3].x2), std::tuple(1470.0, 0.0, 0.0));
    EXPECT_EQ(std::tuple(lines[7].x1, lines[7].y1), std::tuple(1455.0, 15.0));
    EXPECT_TRUE(surface.callsOf(draw::Op::FocusRect).isEmpty());  // the control has no focus

    focus(c->checkBox(1));
    surface.clear();
    c->PaintControl(surface);
    const QList<draw::DrawCall> rect = surface.callsOf(draw::Op::FocusRect);
    ASSERT_EQ(rect.size(), 1);
    const host::TwipRect l = host::twipGeometry(c->captionLabel(1));
    EXPECT_NEAR(rect[0].rect.left, l.left - 30, 15);

    // Without a tab stop no rectangle is ever drawn.
    c->setTabStop(false);
    surface.clear();
    c->PaintControl(surface);
    EXPECT_TRUE(surface.callsOf(draw::Op::FocusRect).isEmpty());
    EXPECT_TRUE(surface.callsOf(draw::Op::Rectangle).isEmpty());
}

TEST_F(CheckBoxGroup, BorderPropertiesFollowTheCouplingRules)
{
    CK* c = group(1);
    c->setBorderStyle(tools::ORXCK::ORXCK_Fixed_Single);
    EXPECT_EQ(c->BorderStyle(), tools::ORXCK::ORXCK_No_Border);
    c->setAppearance(tools::ORXCK::ORXCK_Flat);
    EXPECT_EQ(c->BorderEffect(), tools::ORXCK::ORXCK_No_Effect);
    c->setBorderStyle(tools::ORXCK::ORXCK_Fixed_Single);
    draw::RecordingSurface surface;
    c->PaintControl(surface);
    ASSERT_EQ(surface.callsOf(draw::Op::LineTo).size(), 3);
    EXPECT_EQ(surface.callsOf(draw::Op::Line).front().color, host::OleColor{0});
    c->setAppearance(tools::ORXCK::ORXCK_3D);
    EXPECT_EQ(c->BorderEffect(), tools::ORXCK::ORXCK_Drop_Frame);
}

TEST_F(CheckBoxGroup, ABoundValueRefusedByTheContainerChangesNothing)
{
    CK* c = group(3);
    QStringList asked;
    form().propertyChangePolicy = [&](host::UserControl*, const QString& name) {
        asked << name;
        return false;
    };
    c->setNumericValue(3);
    EXPECT_EQ(asked, QStringList({"NumericValue"}));
    EXPECT_EQ(c->ListValue(), QStringLiteral("000"));
    EXPECT_FALSE(c->CheckValue(0));
    EXPECT_TRUE(log.events.isEmpty());
    c->setNumChecks(1);
    c->setValue(true);
    EXPECT_FALSE(c->CheckValue(0));
    EXPECT_FALSE(c->Value());
    form().propertyChangePolicy = nullptr;
    c->setValue(true);
    EXPECT_TRUE(c->CheckValue(0));
}

TEST_F(CheckBoxGroup, LockSizeRestoresOnlyARecordedDesignSize)
{
    setUserMode(false);
    CK* c = group(2);
    c->setLockSize(CK::ORXCK_Both_Locked);
    c->extender()->move(120, 120, 2000, 900);
    settle();
    EXPECT_EQ(c->DesignWidth(), 2000);
    EXPECT_EQ(c->DesignHeight(), 900);
    setUserMode(true);
    c->extender()->setWidth(3500);
    settle();
    EXPECT_EQ(c->extender()->width(), 2000);  // undone to the design size
    // A group made at run time with LockSize from its presets has no design
    // size: it keeps the size it is given instead of shrinking to nothing.
    writeFile("ORX_ChkBox.INI", "[General]\r\nLockSize=3\r\n");
    CK* fresh = place<CK>(QStringLiteral("G9"), host::TwipRect{120, 1500, 2400, 800});
    EXPECT_EQ(fresh->LockSize(), CK::ORXCK_Both_Locked);
    fresh->extender()->setWidth(2600);
    settle();
    EXPECT_EQ(fresh->extender()->width(), 2600);
    EXPECT_EQ(fresh->extender()->height(), 800);
    fresh->ResetDesignSize();
    EXPECT_EQ(fresh->extender()->height(), 800);
}

TEST_F(CheckBoxGroup, DesignTimeMembersAreRefusedAtRunTime)
{
    CK* c = group(1);
    const std::function<void()> uses[] = {
        [&] { (void)c->SaveSettings(); },
        [&] { c->setSaveSettings(true); },
        [&] { (void)c->ResetSettings(); },
        [&] { c->setResetSettings(true); },
        [&] { (void)c->LoadOrientationSettings(); },
        [&] { c->setLoadOrientationSettings(true); },
        [&] { c->setDesignHeight(10); },
        [&] { c->setDesignWidth(10); },
    };
    for (const auto& use : uses) {
        const auto error = errorOf(use);
        ASSERT_TRUE(error.has_value());
        EXPECT_EQ(error->number(), 393);
    }
    EXPECT_FALSE(QFile::exists(file("ORX_ChkBox.INI")));
}

TEST_F(CheckBoxGroup, MembersAnswerByNameAndDispatchIdentifier)
{
    CK* c = group(3);
    com::invoke(c, QStringLiteral("Captions"), {QStringLiteral("A|B|C")}, com::DispatchKind::PropertyPut);
    EXPECT_EQ(com::invoke(c, QStringLiteral("CheckCaption"), {1}, com::DispatchKind::PropertyGet).toString(),
              QStringLiteral("B"));
    com::invoke(c, QStringLiteral("CheckValue"), {2, true}, com::DispatchKind::PropertyPut);
    EXPECT_EQ(com::invoke(c, QStringLiteral("listvalue")).toString(), QStringLiteral("001"));
    com::invoke(c, QStringLiteral("Clear"));
    EXPECT_EQ(c->ListValue(), QStringLiteral("000"));
    c->setNumChecks(1);
    com::invoke(c, 0, {true}, com::DispatchKind::PropertyPut);  // Value, the default member
    EXPECT_TRUE(com::invoke(c, 0).toBool());
    const com::ClassRef ref = com::classOf(c);
    ASSERT_TRUE(ref);
    EXPECT_EQ(com::dispatchIdOf(*ref.info, QStringLiteral("Click")), 5);
    EXPECT_EQ(com::dispatchIdOf(*ref.info, QStringLiteral("CheckLostFocus")), 12);
}

TEST_F(CheckBoxGroup, TheBagKeepsEveryPropertyAndTheValues)
{
    CK* c = group(4);
    c->setCaptions(QStringLiteral("North|South|East|West"));
    c->setOrientation(CK::ORXCK_Grid_Orient);
    c->setNumColsGrid(2);
    c->setHorizSpacing(90);
    c->setListValue(QStringLiteral("0110"));
    c->setTagMore(QStringLiteral("more"));
    c->setLocked(true);
    c->extender()->setDataField(QStringLiteral("Flags"));
    c->extender()->setDataSource(QStringLiteral("Orders(3)"));
    host::PropertyBag bag;
    c->WriteProperties(bag);
    EXPECT_EQ(bag.value(QStringLiteral("DataName")).toString(), QStringLiteral("Orders"));
    EXPECT_EQ(bag.value(QStringLiteral("DataIndex")).toString(), QStringLiteral("3"));
    EXPECT_EQ(bag.value(QStringLiteral("Enabled")).toBool(), false);  // the opposite of Locked
    CK* copy = reload(c, QStringLiteral("G2"));
    EXPECT_EQ(copy->Captions(), c->Captions());
    EXPECT_EQ(copy->ListValue(), QStringLiteral("0110"));
    EXPECT_EQ(copy->NumericValue(), 6);
    EXPECT_EQ(copy->NumColsGrid(), 2);
    EXPECT_EQ(copy->HorizSpacing(), 90);
    EXPECT_EQ(copy->TagMore(), QStringLiteral("more"));
    EXPECT_TRUE(copy->Locked());
    EXPECT_FALSE(copy->Enabled());
    // A damaged bag with no items or columns loads with the defaults.
    host::PropertyBag damaged;
    damaged.setValue(QStringLiteral("NumChecks"), 0);
    damaged.setValue(QStringLiteral("NumColsGrid"), 0);
    damaged.setValue(QStringLiteral("Orientation"), 3);
    auto* broken = new CK();
    form().placeControl(broken, QStringLiteral("ORX_Test.Group"), QStringLiteral("G3"), host::TwipRect{0, 0, 2000, 600});
    broken->ReadProperties(damaged);
    EXPECT_EQ(broken->NumChecks(), 1);
    EXPECT_EQ(broken->NumColsGrid(), 1);
}

TEST_F(CheckBoxGroup, AGroupCreatedAtRunTimeFollowsTheUsersClicks)
{
    // No bag: the values still follow the items the user checks.
    CK* c = group(2);
    click(c->checkBox(0));
    EXPECT_EQ(c->ListValue(), QStringLiteral("10"));
    EXPECT_EQ(c->NumericValue(), 1);
}

TEST_F(CheckBoxGroup, LayoutPlacesItemsOnTheForm)
{
    CK* c = group(3);
    c->extender()->setWidth(2000);
    settle();
    for (int i = 0; i < 3; ++i) {
        const host::TwipRect box = host::twipGeometry(c->checkBox(i));
        const host::TwipRect label = host::twipGeometry(c->captionLabel(i));
        EXPECT_EQ(box.left, 60);
        EXPECT_EQ(box.top, 255.0 * i + 60);
        EXPECT_EQ(label.left, 375);
        EXPECT_LE(label.width, 1565);
    }
    // A group wider than the 16-bit range keeps its arithmetic.
    c->setOrientation(CK::ORXCK_Horiz_Orient);
    c->extender()->setWidth(40000);
    settle();
    // w = round(40000 / 3 - 60) = 13273; box 2 at (13273 + 60) * 2 + 60.
    EXPECT_EQ(host::twipGeometry(c->checkBox(2)).left, 26726);
}

}  // namespace
}  // namespace orx::test

namespace orx::test {
namespace {

// Group-wide looks are given to item 0 and copied to every item, also to
// items made later; the item states of use are the items' own.
TEST_F(CheckBoxGroup, LooksReachItemsMadeLaterAndStatesStayTheItemsOwn)
{
    CK* c = group(1);
    c->setToolTipText(QStringLiteral("Pick any"));
    c->setCaptionAlignment(CK::ORXCK_Center_CaptAlign);
    c->setForeColor(host::OleColor{0x000000FF});
    c->setCheckBoxesHeight(240);
    c->setCheckBoxesHeight(100);  // below the least: ignored
    c->setNumChecks(3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(c->captionLabel(i)->toolTip(), QStringLiteral("Pick any")) << i;
        EXPECT_TRUE(c->captionLabel(i)->alignment() & Qt::AlignHCenter) << i;
        EXPECT_EQ(c->captionLabel(i)->palette().color(QPalette::WindowText), QColor(255, 0, 0)) << i;
        EXPECT_EQ(host::twipGeometry(c->checkBox(i)).height, 240) << i;
        EXPECT_EQ(host::twipGeometry(c->checkBox(i)).top, 300.0 * i + 60) << i;
    }
    // Locking disables the surface; the items keep their own state.
    c->setLocked(true);
    EXPECT_FALSE(c->Enabled());
    EXPECT_TRUE(c->CheckEnabled(1));
    c->setLocked(false);
    c->CheckEnabled(1, false);
    EXPECT_FALSE(c->captionLabel(1)->isEnabled());
    c->CheckVisible(2, false);
    EXPECT_FALSE(c->CheckVisible(2));
    EXPECT_TRUE(c->captionLabel(2)->isHidden());
}

}  // namespace
}  // namespace orx::test
