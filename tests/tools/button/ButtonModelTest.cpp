// The button's model: a new button's defaults, the setters' rules, the
// property bag in its orders, presets, and the design size.
#include "tests/tools/button/ButtonTestSupport.h"

#include "platform/basic/BasicError.h"
#include "platform/host/PropertyBag.h"
#include "tests/support/TestSupport.h"
#include "tools/common/SettingsFiles.h"

#include <QFile>

namespace orx::test {
namespace {

class ButtonModel : public ButtonFixture {};

QImage picture(int w = 16, int h = 16, QColor c = Qt::red)
{
    QImage image(w, h, QImage::Format_ARGB32);
    image.fill(c);
    return image;
}

TEST_F(ButtonModel, NewButtonShowsItsNameWithTheBuiltInDefaults)
{
    CB* b = button(QStringLiteral("Command7"));
    EXPECT_EQ(b->Captions(), QStringLiteral("Command7"));
    EXPECT_EQ(b->currentCaption(), QStringLiteral("Command7"));
    EXPECT_EQ(b->CapIndex(), 1);
    EXPECT_EQ(b->CapCount(), 1);
    EXPECT_EQ(b->Appearance(), CB::ORXCM_3D);
    EXPECT_EQ(b->Shape(), CB::ORXCM_Square);
    EXPECT_TRUE(b->AutoScroll());
    EXPECT_EQ(b->BackColor(), host::OleColor{host::syscolor::ButtonFace});
    EXPECT_EQ(b->ForeColor(), host::OleColor{host::syscolor::ButtonText});
    EXPECT_EQ(b->CapAlignment(), CB::ORXCM_Center_CaptAlign);
    EXPECT_EQ(b->BorderStyle(), CB::ORXCM_No_Border);
    EXPECT_FLOAT_EQ(b->HorizSpacing(), 4);
    EXPECT_EQ(b->VertSpacing(), 4);
    EXPECT_TRUE(b->ShowFocusRect());
    EXPECT_FALSE(b->Value());
    EXPECT_TRUE(b->Picture().isNull());
    EXPECT_TRUE(b->IMG_Button()->isHidden());
    EXPECT_EQ(b->visualState(), 4);
    EXPECT_EQ(b->Font(), form().ambientFont());
    EXPECT_FALSE(b->TM_Mouse()->isActive());
    EXPECT_EQ(b->TM_Mouse()->interval(), 100);
    EXPECT_EQ(b->VersionName(), QStringLiteral("ORX_Tools_OCXs"));
}

TEST_F(ButtonModel, ToolTipGoesToTheFormAndThePicture)
{
    CB* b = button();
    b->setPicture(picture());
    b->setToolTipText(QStringLiteral("Saves the order"));
    EXPECT_EQ(b->extender()->toolTipText(), QStringLiteral("Saves the order"));
    EXPECT_EQ(b->toolTip(), QStringLiteral("Saves the order"));
    EXPECT_EQ(b->IMG_Button()->toolTip(), QStringLiteral("Saves the order"));
}

TEST_F(ButtonModel, SpacingHasAMinimumOfFour)
{
    CB* b = button();
    b->setHorizSpacing(2.5f);
    EXPECT_FLOAT_EQ(b->HorizSpacing(), 4);
    b->setVertSpacing(10);
    EXPECT_EQ(b->VertSpacing(), 10);
    b->setVertSpacing(-3);
    EXPECT_EQ(b->VertSpacing(), 4);
}

TEST_F(ButtonModel, DefaultButtonKeepsThe3DLook)
{
    CB* b = button();
    b->setAppearance(CB::ORXCM_Flat);
    b->setDefault(true);
    settle();
    // Made the default, a flat button turns 3D.
    EXPECT_EQ(b->Appearance(), CB::ORXCM_3D);
    b->setAppearance(CB::ORXCM_Flat);
    EXPECT_EQ(b->Appearance(), CB::ORXCM_3D);
    EXPECT_TRUE(b->surfaceBorder()) << "the square default button has the single-line border";
    b->setDefault(false);
    settle();
    EXPECT_FALSE(b->surfaceBorder());
    b->setAppearance(CB::ORXCM_Flat);
    EXPECT_EQ(b->Appearance(), CB::ORXCM_Flat);
}

TEST_F(ButtonModel, ValueLatchesOnlyTheSwitches)
{
    CB* b = button();
    for (int look : {CB::ORXCM_Flat, CB::ORXCM_3D, CB::ORXCM_HotSpot}) {
        b->setAppearance(CB::ORXCM_Appearance_Constants(look));
        b->setValue(true);
        EXPECT_FALSE(b->Value()) << look;
    }
    for (int look : {CB::ORXCM_Switch_Flat, CB::ORXCM_Switch_3D}) {
        b->setAppearance(CB::ORXCM_Appearance_Constants(look));
        b->setValue(true);
        EXPECT_TRUE(b->Value()) << look;
        EXPECT_EQ(b->visualState(), 1);
        // Choosing a switch look again starts it unlatched.
        b->setAppearance(CB::ORXCM_Appearance_Constants(look));
        EXPECT_FALSE(b->Value()) << look;
        EXPECT_EQ(b->visualState(), 4);
    }
}

TEST_F(ButtonModel, HotSpotDropsCaptionsPicturesAndFocus)
{
    CB* b = button();
    b->setCaptions(QStringLiteral("A|B"));
    b->setPicture(picture());
    b->setDownPicture(picture());
    b->setShape(CB::ORXCM_Rounded);
    b->setAppearance(CB::ORXCM_HotSpot);
    EXPECT_EQ(b->Appearance(), CB::ORXCM_HotSpot);
    EXPECT_TRUE(b->Captions().isEmpty());
    EXPECT_EQ(b->CapIndex(), 0);
    EXPECT_TRUE(b->Picture().isNull());
    EXPECT_TRUE(b->DownPicture().isNull());
    EXPECT_EQ(b->Shape(), CB::ORXCM_Square);
    EXPECT_FALSE(b->TabStop());
    EXPECT_FALSE(b->focusPolicy() & Qt::TabFocus) << "the Tab key passes it by";
    EXPECT_FALSE(b->ShowFocusRect());
    // Ignored in the hot-spot look.
    b->setCaptions(QStringLiteral("X"));
    b->setPicture(picture());
    b->setHorizSpacing(200);
    EXPECT_TRUE(b->Captions().isEmpty());
    EXPECT_TRUE(b->Picture().isNull());
    EXPECT_FLOAT_EQ(b->HorizSpacing(), 4);
    // The picture element covers the button.
    EXPECT_EQ(b->IMG_Button()->geometry(), b->rect());
}

TEST_F(ButtonModel, HotSpotNeedsAFormOrPictureBox)
{
    form().addContainer(QStringLiteral("Frame"), QStringLiteral("Frame1"), {0, 1200, 3000, 1500});
    auto* b = static_cast<CB*>(form().placeControl(new CB(), QStringLiteral("ORX_Test.ORXCommandButton"),
                                                   QStringLiteral("InFrame"), {120, 120, 1500, 450},
                                                   QStringLiteral("Frame1")));
    b->setAppearance(CB::ORXCM_HotSpot);
    EXPECT_EQ(b->Appearance(), CB::ORXCM_3D);
    EXPECT_TRUE(messages().messages.isEmpty()) << "silent at run time";
    setUserMode(false);
    b->setAppearance(CB::ORXCM_HotSpot);
    EXPECT_EQ(b->Appearance(), CB::ORXCM_3D);
    ASSERT_EQ(messages().messages.size(), 1);
    EXPECT_EQ(messages().messages[0].text,
              QStringLiteral("For this setting the control must be located on a Form or PictureBox."));
    EXPECT_EQ(messages().messages[0].style, host::mb::Critical | host::mb::SystemModal);

    form().addContainer(QStringLiteral("PictureBox"), QStringLiteral("Picture1"), {3000, 1200, 3000, 1500});
    auto* inPicture = static_cast<CB*>(form().placeControl(new CB(), QStringLiteral("ORX_Test.ORXCommandButton"),
                                                           QStringLiteral("InPicture"), {120, 120, 1500, 450},
                                                           QStringLiteral("Picture1")));
    inPicture->setAppearance(CB::ORXCM_HotSpot);
    EXPECT_EQ(inPicture->Appearance(), CB::ORXCM_HotSpot);
    EXPECT_TRUE(inPicture->TM_Mouse()->isActive()) << "while designing it watches for being moved";
}

TEST_F(ButtonModel, PictureWithoutPixelsIsNone)
{
    CB* b = button();
    b->setPicture(picture());
    EXPECT_FALSE(b->IMG_Button()->isHidden());
    b->setPicture(QImage());
    EXPECT_TRUE(b->Picture().isNull());
    EXPECT_TRUE(b->IMG_Button()->isHidden());
    b->setUpPicture(QImage());
    EXPECT_TRUE(b->UpPicture().isNull());
}

TEST_F(ButtonModel, PicturePerState)
{
    CB* b = button();
    const QImage normal = picture(16, 16, Qt::red), down = picture(16, 16, Qt::blue), up = picture(20, 20, Qt::green),
                 disabled = picture(16, 16, Qt::gray);
    b->setPicture(normal);
    b->setDownPicture(down);
    b->setUpPicture(up);
    b->setDisabledPicture(disabled);
    auto shown = [&] { return b->IMG_Button()->pixmap().toImage().pixelColor(0, 0); };
    EXPECT_EQ(shown(), QColor(Qt::red));
    press(b, inWindow(b));
    EXPECT_EQ(shown(), QColor(Qt::blue));
    release(b, inWindow(b));
    // The 3D look keeps Picture when lit; the flat look shows UpPicture.
    EXPECT_EQ(shown(), QColor(Qt::red));
    // Lit again right after a forced repaint in the normal state: the lit
    // look is painted, not skipped as unchanged.
    focus(elsewhere());
    b->setAppearance(CB::ORXCM_Flat);
    focus(b);
    EXPECT_EQ(b->lastPaintedState(), 2);
    EXPECT_EQ(shown(), QColor(Qt::green));
    EXPECT_EQ(b->IMG_Button()->size(), QSize(20, 20)) << "the element takes the picture's size";
    focus(elsewhere());
    b->setEnabledState(false);
    EXPECT_EQ(shown(), QColor(Qt::gray));
}

TEST_F(ButtonModel, SettingsCommandsRefusedAtRunTime)
{
    CB* b = button();
    auto code = [](auto f) {
        try {
            f();
        } catch (const basic::BasicError& e) {
            return e.number();
        }
        return 0;
    };
    EXPECT_EQ(code([&] { return b->SaveSettings(); }), 393);
    EXPECT_EQ(code([&] { b->setSaveSettings(true); }), 393);
    EXPECT_EQ(code([&] { return b->ResetSettings(); }), 393);
    EXPECT_EQ(code([&] { b->setResetSettings(true); }), 393);
    EXPECT_FALSE(QFile::exists(tools::SettingsFilePath(QStringLiteral("ORX_ComBtn"))));
}

TEST_F(ButtonModel, DesignSizeIsTheDesignersAndIgnoredAtRunTime)
{
    setUserMode(false);
    CB* b = button();
    // Recorded by the layout while designing.
    EXPECT_FLOAT_EQ(b->DesignWidth(), 1500);
    EXPECT_FLOAT_EQ(b->DesignHeight(), 450);
    b->extender()->setWidth(1800);
    EXPECT_FLOAT_EQ(b->DesignWidth(), 1800);
    setUserMode(true);
    b->setDesignWidth(100);
    b->setDesignHeight(100);
    EXPECT_FLOAT_EQ(b->DesignWidth(), 1800);
    EXPECT_FLOAT_EQ(b->DesignHeight(), 450);
}

TEST_F(ButtonModel, LockSizeRestoresTheRecordedSizeOnly)
{
    setUserMode(false);
    CB* b = button();
    b->setLockSize(CB::ORXCM_Both_Locked);
    host::PropertyBag bag;
    b->WriteProperties(bag);
    setUserMode(true);
    b->extender()->setWidth(3000);
    b->extender()->setHeight(900);
    settle();
    EXPECT_DOUBLE_EQ(b->extender()->width(), 1500);
    EXPECT_DOUBLE_EQ(b->extender()->height(), 450);

    // A button whose size was never recorded keeps its size instead of
    // collapsing to 0 x 0.
    bag.remove(QStringLiteral("DesignWidth"));
    bag.remove(QStringLiteral("DesignHeight"));
    CB* loaded = new CB();
    form().placeControl(loaded, QStringLiteral("ORX_Test.ORXCommandButton"), QStringLiteral("Loaded"),
                        {120, 900, 1200, 400});
    loaded->ReadProperties(bag);
    loaded->extender()->setWidth(1300);
    settle();
    EXPECT_DOUBLE_EQ(loaded->extender()->width(), 1300);
    EXPECT_DOUBLE_EQ(loaded->extender()->height(), 400);
    loaded->ResetDesignSize();
    EXPECT_DOUBLE_EQ(loaded->extender()->width(), 1300);
}

TEST_F(ButtonModel, MinimumSizeCorrectsAndLaysOutAgain)
{
    CB* b = button();
    b->setHorizSpacing(600);
    b->extender()->setWidth(300);
    settle();
    EXPECT_DOUBLE_EQ(b->extender()->width(), 1200);
    // Laid out at the corrected size: the caption is centred in it.
    EXPECT_EQ(b->captionRectUp().left() * 2 + b->captionRectUp().width(), 1200);
}

TEST_F(ButtonModel, BagIsWrittenInItsOrderWithoutDefaults)
{
    CB* b = button();
    b->setAppearance(CB::ORXCM_Switch_3D);
    b->setCaptions(QStringLiteral("On|Off"));
    b->setTagMore(QStringLiteral("more"));
    b->setValue(true);
    b->setVertSpacing(30);
    b->setForeColor(host::OleColor{0x0000FF});
    host::PropertyBag bag;
    b->WriteProperties(bag);
    // At run time the design size is not recorded: it stays 0 and is left out.
    EXPECT_EQ(bag.keys(),
              (QStringList{"Appearance", "ForeColor", "CapCount", "Captions", "TagMore", "Value", "VertSpacing"}));
}

TEST_F(ButtonModel, SavedAndLoadedKeepsEveryProperty)
{
    CB* b = button();
    b->setCaptions(QStringLiteral("One|Two|Three"));
    b->setCapIndex(2);
    b->setAutoScroll(false);
    b->setBackColor(host::OleColor{0x00FFEECC});
    b->setCapAlignment(CB::ORXCM_Left_CaptAlign);
    b->setPicturePosition(CB::ORXCM_Left_Picture);
    b->setPicture(picture());
    b->setShowFocusRect(false);
    b->setTagMore(QStringLiteral("t"));
    b->setMousePointer(2);
    // ForeColor survives saving, loading and a disabled button.
    b->setForeColor(host::OleColor{0x000000FF});
    b->setEnabledState(false);
    host::PropertyBag bag;
    b->WriteProperties(bag);
    EXPECT_TRUE(bag.contains(QStringLiteral("ForeColor")));

    CB* copy = new CB();
    form().placeControl(copy, QStringLiteral("ORX_Test.ORXCommandButton"), QStringLiteral("Copy"),
                        {120, 900, 1500, 450});
    copy->ReadProperties(bag);
    EXPECT_EQ(copy->Captions(), QStringLiteral("One|Two|Three"));
    EXPECT_EQ(copy->CapIndex(), 2);
    EXPECT_EQ(copy->currentCaption(), QStringLiteral("Two"));
    EXPECT_FALSE(copy->AutoScroll());
    EXPECT_EQ(copy->BackColor(), host::OleColor{0x00FFEECC});
    EXPECT_EQ(copy->CapAlignment(), CB::ORXCM_Left_CaptAlign);
    EXPECT_EQ(copy->PicturePosition(), CB::ORXCM_Left_Picture);
    EXPECT_EQ(copy->Picture(), b->Picture());
    EXPECT_FALSE(copy->ShowFocusRect());
    EXPECT_EQ(copy->TagMore(), QStringLiteral("t"));
    EXPECT_EQ(copy->MousePointer(), 2);
    EXPECT_EQ(copy->ForeColor(), host::OleColor{0x000000FF});
    EXPECT_FALSE(copy->Enabled());
    copy->setEnabledState(true);
    EXPECT_EQ(copy->ForeColor(), host::OleColor{0x000000FF});

    // The default button-text colour is not written at all.
    CB* plain = button(QStringLiteral("Plain"), {120, 1500, 1500, 450});
    host::PropertyBag plainBag;
    plain->WriteProperties(plainBag);
    EXPECT_FALSE(plainBag.contains(QStringLiteral("ForeColor")));
}

TEST_F(ButtonModel, BagIsReadInItsOrder)
{
    // Appearance goes through its setter first (a switch look starts
    // unlatched), so the latched Value read later survives; CapIndex is
    // stored before Captions shows the caption it points at.
    host::PropertyBag bag;
    bag.WriteProperty(QStringLiteral("Appearance"), int(CB::ORXCM_Switch_3D), 1);
    bag.WriteProperty(QStringLiteral("Value"), true, false);
    bag.WriteProperty(QStringLiteral("CapIndex"), 3, 1);
    bag.WriteProperty(QStringLiteral("Captions"), QStringLiteral("A|B|C"), QString());
    bag.WriteProperty(QStringLiteral("Shape"), int(CB::ORXCM_Rounded), 0);
    CB* b = new CB();
    form().placeControl(b, QStringLiteral("ORX_Test.ORXCommandButton"), QStringLiteral("Loaded"), {120, 120, 1500, 450});
    b->ReadProperties(bag);
    EXPECT_EQ(b->Appearance(), CB::ORXCM_Switch_3D);
    EXPECT_TRUE(b->Value());
    EXPECT_EQ(b->CapIndex(), 3);
    EXPECT_EQ(b->currentCaption(), QStringLiteral("C"));
    EXPECT_EQ(b->Shape(), CB::ORXCM_Rounded);
    EXPECT_EQ(b->visualState(), 4);
}

TEST_F(ButtonModel, CreatedByNameAndKeptInAFormFile)
{
    auto* b = qobject_cast<CB*>(form().addControl(QStringLiteral("ORX_Tools_OCXs.ORXCommandButton"),
                                                  QStringLiteral("Save"), {120, 2000, 1500, 450}));
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(b->Captions(), QStringLiteral("Save"));
    b->setCaptions(QStringLiteral("&Save|Saved"));
    b->setCapIndex(2);
    b->setAppearance(CB::ORXCM_Switch_Flat);
    b->setValue(true);
    b->setDefault(false);
    b->setCancel(true);
    const QString path = freshFolder(QStringLiteral("button")) + QStringLiteral("/form.json");
    form().save(path);
    form().load(path);
    auto* loaded = qobject_cast<CB*>(form().control(QStringLiteral("Save")));
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(loaded->Captions(), QStringLiteral("&Save|Saved"));
    EXPECT_EQ(loaded->currentCaption(), QStringLiteral("Saved"));
    EXPECT_EQ(loaded->Appearance(), CB::ORXCM_Switch_Flat);
    EXPECT_TRUE(loaded->Value());
    EXPECT_TRUE(loaded->Cancel());
}

TEST_F(ButtonModel, PresetsSavedInOrderAndTakenByANewButton)
{
    setUserMode(false);
    CB* b = button();
    b->setAppearance(CB::ORXCM_Flat);
    b->setShape(CB::ORXCM_Rounded);
    b->setBackColor(host::OleColor{0x00112233});
    b->setVertSpacing(60);
    host::StdFont font = b->Font();
    font.setBold(true);
    font.size = 12;
    b->setFontValue(font);
    b->setSaveSettings(true);
    ASSERT_EQ(messages().messages.size(), 1);
    EXPECT_EQ(messages().messages[0].text, QStringLiteral("Properties Saved."));
    EXPECT_EQ(messages().messages[0].title, QStringLiteral("Command1"));

    QFile file(tools::SettingsFilePath(QStringLiteral("ORX_ComBtn")));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QStringList keys;
    for (const QByteArray& line : file.readAll().split('\n')) {
        const qsizetype eq = line.indexOf('=');
        if (eq > 0)
            keys << QString::fromUtf8(line.left(eq)).trimmed();
    }
    EXPECT_EQ(keys, (QStringList{"Appearance", "Shape", "AutoScroll", "BorderStyle", "BackColor", "CapAlignment",
                                 "Font.Bold", "Font.Charset", "Font.Italic", "Font.Name", "Font.Size",
                                 "Font.Strikethrough", "Font.Underline", "Font.Weight", "ForeColor", "HorizSpacing",
                                 "PicturePosition", "LockSize", "ShowFocusRect", "VertSpacing"}));

    CB* fresh = button(QStringLiteral("Fresh"), {120, 900, 1500, 450});
    EXPECT_EQ(fresh->Appearance(), CB::ORXCM_Flat);
    EXPECT_EQ(fresh->Shape(), CB::ORXCM_Rounded);
    EXPECT_EQ(fresh->BackColor(), host::OleColor{0x00112233});
    EXPECT_EQ(fresh->VertSpacing(), 60);
    EXPECT_TRUE(fresh->Font().bold());
    EXPECT_DOUBLE_EQ(fresh->Font().size, 12);
    EXPECT_EQ(fresh->Captions(), QStringLiteral("Fresh"));

    messages().clear();
    EXPECT_FALSE(b->ResetSettings());
    b->setResetSettings(true);
    EXPECT_FALSE(file.exists());
    ASSERT_EQ(messages().messages.size(), 1);
    EXPECT_EQ(messages().messages[0].text, QStringLiteral("Saved Properties Deleted."));
    CB* plain = button(QStringLiteral("Plain"), {120, 1500, 1500, 450});
    EXPECT_EQ(plain->Appearance(), CB::ORXCM_3D);
}

TEST_F(ButtonModel, HandEditedPresetFallsBackToTheDefault)
{
    tools::WriteSettingsKey(QStringLiteral("ORX_ComBtn"), QStringLiteral("General"), QStringLiteral("VertSpacing"),
                            QStringLiteral("lots"));
    tools::WriteSettingsKey(QStringLiteral("ORX_ComBtn"), QStringLiteral("General"), QStringLiteral("CapAlignment"),
                            QStringLiteral("0"));
    setUserMode(false);
    CB* b = button();
    EXPECT_EQ(b->VertSpacing(), 4);
    EXPECT_EQ(b->CapAlignment(), CB::ORXCM_Left_CaptAlign);
}

}  // namespace
}  // namespace orx::test
