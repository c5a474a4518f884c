// The option button group on a form: selection by click, caption, keys,
// ListIndex and Value, list values, focus, presets, persistence and the
// mended faults.
#include "tests/tools/checkgroup/GroupTestSupport.h"

#include "platform/com/Dispatch.h"
#include "platform/host/Services.h"
#include "tools/optiongroup/ORXOptionButton.h"

#include <QAccessible>
#include <QLabel>
#include <QRadioButton>

namespace orx::test {
namespace {

using tools::ORXOptionButton;
using OB = ORXOptionButton;

class OptionGroup : public GroupFixture {
protected:
    OB* group(int options, const QString& name = QStringLiteral("O1"))
    {
        OB* o = place<OB>(name, host::TwipRect{120, 120, 3000, 1200});
        o->setNumOptions(options);
        settle();
        QObject::connect(o, &OB::Click, o, [this] { events << QStringLiteral("Click"); });
        QObject::connect(o, &OB::DblClick, o, [this] { events << QStringLiteral("DblClick"); });
        QObject::connect(o, &OB::MouseDown, o, [this](int&, int&, float&, float&) { events << QStringLiteral("MouseDown"); });
        QObject::connect(o, &OB::OptionGotFocus, o, [this](int& i) { events << QStringLiteral("GotFocus(%1)").arg(i); });
        QObject::connect(o, &OB::OptionLostFocus, o, [this](int& i) { events << QStringLiteral("LostFocus(%1)").arg(i); });
        QObject::connect(o, &OB::KeyEnterPressed, o, [this] { events << QStringLiteral("KeyEnterPressed"); });
        QObject::connect(o, &OB::KeyPress, o, [this](int& k) { events << QStringLiteral("KeyPress(%1)").arg(k); });
        return o;
    }
    QStringList events;
};

TEST_F(OptionGroup, ANewGroupSelectsItsFirstOptionWithIndexListValues)
{
    OB* o = place<OB>(QStringLiteral("O1"));
    EXPECT_EQ(o->NumOptions(), 2);
    EXPECT_EQ(o->ListValues(), QStringLiteral("0|1"));
    EXPECT_EQ(o->ListIndex(), 0);
    EXPECT_EQ(o->Value(), QStringLiteral("0"));
    EXPECT_TRUE(o->OptionValue(0));
    EXPECT_EQ(o->Captions(), QStringLiteral("O1-0|O1-1"));
    EXPECT_EQ(o->BackColor(), host::OleColor{host::syscolor::WindowBackground});
    EXPECT_EQ(o->ForeColor(), host::OleColor{host::syscolor::WindowText});
}

TEST_F(OptionGroup, ClickingAnOptionSelectsItOnce)
{
    OB* o = group(3);
    o->setListValues(QStringLiteral("A|B|C"));
    click(o->optionButton(2));
    EXPECT_EQ(o->ListIndex(), 2);
    EXPECT_EQ(o->Value(), QStringLiteral("C"));
    EXPECT_FALSE(o->OptionValue(0));
    EXPECT_EQ(events.filter(QStringLiteral("Click")), QStringList({"Click"}));
    EXPECT_TRUE(events.contains(QStringLiteral("GotFocus(2)")));
}

TEST_F(OptionGroup, CaptionPressSelectsThenClicksAgain)
{
    OB* o = group(3);
    click(o->captionLabel(1));
    EXPECT_EQ(o->ListIndex(), 1);
    EXPECT_TRUE(o->optionButton(1)->hasFocus());
    EXPECT_EQ(events.filter(QRegularExpression("MouseDown|Click")), QStringList({"MouseDown", "Click", "Click"}));
    // A disabled option's caption raises MouseDown only.
    o->OptionEnabled(2, false);
    events.clear();
    click(o->captionLabel(2));
    EXPECT_EQ(events, QStringList({"MouseDown"}));
    EXPECT_EQ(o->ListIndex(), 1);
    // A double click on a caption selects and raises DblClick.
    doubleClick(o->captionLabel(0));
    EXPECT_EQ(o->ListIndex(), 0);
    EXPECT_TRUE(events.contains(QStringLiteral("DblClick")));
}

// The program moved ListIndex while the focus stayed on another option: a
// caption click on the focused option selects it before Click is raised.
TEST_F(OptionGroup, ACaptionClickOnTheFocusedOptionSelectsIt)
{
    OB* o = group(3);
    click(o->optionButton(1));
    ASSERT_TRUE(o->optionButton(1)->hasFocus());
    o->setListIndex(2);
    ASSERT_TRUE(o->optionButton(1)->hasFocus());
    int selectedAtClick = -1;
    QObject::connect(o, &OB::Click, o, [&] { selectedAtClick = o->ListIndex(); });
    click(o->captionLabel(1));
    EXPECT_EQ(o->ListIndex(), 1);
    EXPECT_EQ(selectedAtClick, 1);
    EXPECT_TRUE(o->OptionValue(1));
}

TEST_F(OptionGroup, KeyboardEntersAtTheSelectionAndArrowsMoveIt)
{
    OB* o = group(3);
    o->setListIndex(1);
    focus(o->optionButton(1));
    EXPECT_TRUE(o->HasFocus());
    key(o->optionButton(1), Qt::Key_Down);
    EXPECT_EQ(o->ListIndex(), 2);
    EXPECT_TRUE(o->optionButton(2)->hasFocus());
    EXPECT_TRUE(events.contains(QStringLiteral("LostFocus(1)")));
    events.clear();
    key(o->optionButton(2), Qt::Key_Return);
    type(o->optionButton(2), QStringLiteral("z"));
    EXPECT_EQ(events, QStringList({"KeyEnterPressed", "KeyPress(122)"}));
    // Only the selected option is a tab stop.
    EXPECT_TRUE(o->optionButton(2)->focusPolicy() & Qt::TabFocus);
    EXPECT_FALSE(o->optionButton(0)->focusPolicy() & Qt::TabFocus);
    // Each option announces its caption and state.
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(o->optionButton(2));
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->text(QAccessible::Name), QStringLiteral("O1-2"));
    EXPECT_TRUE(a->state().checked);
}

TEST_F(OptionGroup, ValueSelectsTheOptionCarryingIt)
{
    OB* o = group(3);
    o->setListValues(QStringLiteral("A|B|C"));
    events.clear();
    o->setValue(QStringLiteral("  B  "));
    EXPECT_EQ(o->ListIndex(), 1);
    EXPECT_EQ(events, QStringList({"Click"}));
    o->setValue(QStringLiteral("Z"));
    EXPECT_EQ(o->ListIndex(), 1);
    EXPECT_EQ(o->Value(), QStringLiteral("B"));
    // ListValues with fewer pieces gains the option's index.
    o->setListValues(QStringLiteral("A|B"));
    EXPECT_EQ(o->ListValues(), QStringLiteral("A|B|2"));
    // A new list value for the selected option is its Value.
    o->OptionListValue(1, QStringLiteral("Beta"));
    EXPECT_EQ(o->Value(), QStringLiteral("Beta"));
    EXPECT_EQ(o->ListValues(), QStringLiteral("A|Beta|2"));
}

TEST_F(OptionGroup, ABoundValueRefusedByTheContainerKeepsTheSelection)
{
    OB* o = group(3);
    o->setListValues(QStringLiteral("A|B|C"));
    form().propertyChangePolicy = [](host::UserControl*, const QString&) { return false; };
    o->setValue(QStringLiteral("C"));
    EXPECT_EQ(o->ListIndex(), 0);
    EXPECT_TRUE(o->OptionValue(0));
    EXPECT_TRUE(events.isEmpty());
    form().propertyChangePolicy = nullptr;
    o->setValue(QStringLiteral("C"));
    EXPECT_EQ(o->ListIndex(), 2);
}

TEST_F(OptionGroup, CountRulesAndIndexesOutsideTheOptions)
{
    OB* o = group(4);
    o->setListIndex(3);
    o->setNumOptions(2);
    EXPECT_EQ(o->ListIndex(), 0);
    EXPECT_EQ(o->optionButton(2), nullptr);
    o->setNumOptions(1);
    EXPECT_EQ(o->NumOptions(), 2);
    o->setNumColsGrid(3);
    EXPECT_EQ(o->NumColsGrid(), 1);
    o->setOptionButtonsHeight(100);
    EXPECT_EQ(o->OptionButtonsHeight(), 195);
    for (int index : {-1, 2, 7}) {
        o->setListIndex(index);
        EXPECT_EQ(o->ListIndex(), 0) << index;
        EXPECT_FALSE(o->OptionValue(index)) << index;
        EXPECT_EQ(o->OptionCaption(index), QString()) << index;
        EXPECT_EQ(o->OptionListValue(index), QString()) << index;
        o->OptionListValue(index, QStringLiteral("x"));
        o->OptionCaption(index, QStringLiteral("x"));
    }
    EXPECT_EQ(o->ListValues(), QStringLiteral("0|1"));
    // A list value or caption holding the separator is ignored.
    o->OptionListValue(0, QStringLiteral("a|b"));
    o->OptionCaption(1, QStringLiteral("a|b"));
    EXPECT_EQ(o->ListValues(), QStringLiteral("0|1"));
    EXPECT_EQ(o->Captions(), QStringLiteral("O1-0|O1-1"));
}

TEST_F(OptionGroup, LayoutKeepsACellEqualToTheOptionAndSpacing)
{
    OB* o = group(2);
    o->extender()->setWidth(435);
    settle();
    // w = 315 = 255 + 60: kept, so the caption width is 0.
    EXPECT_LE(host::twipGeometry(o->captionLabel(0)).width, 0);
    o->extender()->setWidth(2000);
    settle();
    EXPECT_EQ(host::twipGeometry(o->optionButton(1)).top, 255 + 60);
}

TEST_F(OptionGroup, PaintDrawsTheFocusAroundTheSelectedOption)
{
    OB* o = group(3);
    o->setListIndex(2);
    focus(o->optionButton(2));
    draw::RecordingSurface surface;
    o->PaintControl(surface);
    const QList<draw::DrawCall> erase = surface.callsOf(draw::Op::Rectangle);
    ASSERT_EQ(erase.size(), 1);
    EXPECT_EQ(erase[0].y1, host::twipGeometry(o->captionLabel(2)).top - 15);
    EXPECT_EQ(surface.callsOf(draw::Op::FocusRect).size(), 1);
}

TEST_F(OptionGroup, MembersAnswerByNameAndDispatchIdentifier)
{
    OB* o = group(3);
    com::invoke(o, QStringLiteral("ListValues"), {QStringLiteral("x|y|z")}, com::DispatchKind::PropertyPut);
    com::invoke(o, 0, {QStringLiteral("z")}, com::DispatchKind::PropertyPut);
    EXPECT_EQ(com::invoke(o, QStringLiteral("ListIndex")).toInt(), 2);
    com::invoke(o, QStringLiteral("OptionListValue"), {2, QStringLiteral("zed")}, com::DispatchKind::PropertyPut);
    EXPECT_EQ(com::invoke(o, 0).toString(), QStringLiteral("zed"));
    EXPECT_TRUE(com::invoke(o, QStringLiteral("OptionValue"), {2}, com::DispatchKind::PropertyGet).toBool());
    const com::ClassRef ref = com::classOf(o);
    ASSERT_TRUE(ref);
    EXPECT_EQ(com::dispatchIdOf(*ref.info, QStringLiteral("Click")), 4);
    EXPECT_EQ(com::dispatchIdOf(*ref.info, QStringLiteral("OptionLostFocus")), 11);
    EXPECT_EQ(o->VertSpacing(), 60);
}

TEST_F(OptionGroup, TheBagKeepsTheSelectionMadeByTheFirstLayout)
{
    OB* o = group(3);
    o->setCaptions(QStringLiteral("Low|Mid|High"));
    o->setListValues(QStringLiteral("L|M|H"));
    o->setListIndex(2);
    o->setVertSpacing(90);
    OB* copy = reload(o, QStringLiteral("O2"));
    EXPECT_EQ(copy->Captions(), QStringLiteral("Low|Mid|High"));
    EXPECT_EQ(copy->ListIndex(), 2);
    EXPECT_TRUE(copy->OptionValue(2));
    EXPECT_EQ(copy->Value(), QStringLiteral("H"));
    EXPECT_EQ(copy->VertSpacing(), 90);
    // A damaged bag: an index outside the options loads as the first.
    host::PropertyBag bag;
    bag.setValue(QStringLiteral("ListIndex"), 9);
    bag.setValue(QStringLiteral("NumOptions"), 0);
    auto* broken = new OB();
    form().placeControl(broken, QStringLiteral("ORX_Test.Group"), QStringLiteral("O3"), host::TwipRect{0, 0, 2000, 600});
    broken->ReadProperties(bag);
    settle();
    EXPECT_EQ(broken->NumOptions(), 2);
    EXPECT_EQ(broken->ListIndex(), 0);
}

TEST_F(OptionGroup, PresetsGiveOneHeightAndRefuseUnusableValues)
{
    setUserMode(false);
    writeFile("ORX_OptBtn.INI",
              "[General]\r\nNumOptions=1\r\nNumColsGrid=0\r\nOrientation=1\r\n"
              "[1Orientation]\r\nOptionButtonsHeight=300\r\nCaptionAlignment=2\r\nHorizSpacing=90\r\n");
    OB* o = place<OB>(QStringLiteral("O1"));
    EXPECT_EQ(o->NumOptions(), 2);
    EXPECT_EQ(o->NumColsGrid(), 1);
    EXPECT_EQ(o->OptionButtonsHeight(), 195);
    EXPECT_EQ(host::twipGeometry(o->captionLabel(0)).height, 195);
    EXPECT_EQ(host::twipGeometry(o->optionButton(0)).height, 195);
    EXPECT_EQ(o->CaptionAlignment(), OB::ORXOB_Center_CaptAlign);
    EXPECT_EQ(o->HorizSpacing(), 90);

    o->setNumOptions(3);
    o->setSaveSettings(true);
    EXPECT_EQ(lastMessage(), QStringList({"Properties Saved.", QString::number(host::mb::Information), "O1"}));
    EXPECT_TRUE(readFile("ORX_OptBtn.INI").contains("NumOptions=3"));
    o->setLoadOrientationSettings(true);
    EXPECT_EQ(o->OptionButtonsHeight(), 195);
    o->setResetSettings(true);
    EXPECT_FALSE(QFile::exists(file("ORX_OptBtn.INI")));

    setUserMode(true);
    const auto error = errorOf([&] { o->setSaveSettings(true); });
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(error->number(), 393);
}

}  // namespace
}  // namespace orx::test
