#include "tests/tools/pages/PagesTestSupport.h"

#include "tools/button/ORXCommandButton.h"
#include "tools/checkgroup/ORXCheckBox.h"
#include "tools/common/Components.h"
#include "tools/optiongroup/ORXOptionButton.h"
#include "tools/pages/ButtonPages.h"
#include "tools/pages/GroupPages.h"
#include "tools/pages/PropertyPagesDialog.h"
#include "tools/pages/TextBoxPages.h"
#include "tools/textbox/ORXTextBox.h"
#include "platform/profile/UserSettings.h"
#include "tests/support/TestSupport.h"

#include <QComboBox>
#include <QFile>

#include <QDialogButtonBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>

namespace orx::test {
namespace {

using tools::ORXCheckBox;
using tools::ORXCommandButton;
using tools::ORXOptionButton;
using tools::ORXTextBox;
using namespace tools::pages;

enum class Control { TextBox, CheckBox, OptionButton, Button };

class Pages : public PagesFixture {
protected:
    host::UserControl* make(Control kind, const QString& name = QStringLiteral("Control1"))
    {
        switch (kind) {
        case Control::TextBox: return place<ORXTextBox>(name);
        case Control::CheckBox: {
            auto* c = place<ORXCheckBox>(name, host::TwipRect{120, 120, 2400, 1200});
            c->setNumChecks(3);
            return c;
        }
        case Control::OptionButton: {
            auto* c = place<ORXOptionButton>(name, host::TwipRect{120, 120, 2400, 1200});
            c->setNumOptions(3);
            return c;
        }
        case Control::Button: return place<ORXCommandButton>(name, host::TwipRect{120, 120, 1500, 450});
        }
        return nullptr;
    }

    // How many pages the control has (the pages made to count them are freed).
    static int pageCount(QObject* control)
    {
        std::vector<PropertyPage*> pages = createPropertyPages(control);
        qDeleteAll(pages);
        return int(pages.size());
    }

    // Page `index` of the control's pages, shown and filled.
    PropertyPage* openPage(QObject* control, int index)
    {
        std::vector<PropertyPage*> pages = createPropertyPages(control);
        EXPECT_LT(index, int(pages.size()));
        for (int i = 0; i < int(pages.size()); ++i) {
            if (i != index)
                delete pages[i];
        }
        page_.reset(pages[index]);
        page_->show();
        settle();
        page_->SelectionChanged({control});
        settle();
        return page_.get();
    }

    // The names the control notified while `run` ran.
    static QStringList notified(host::UserControl* control, const std::function<void()>& run)
    {
        QStringList names;
        auto c = QObject::connect(control, &host::UserControl::propertyChanged, control,
                                  [&names](const QString& name) { names << name; });
        run();
        QObject::disconnect(c);
        return names;
    }
};

bool sameValue(const QVariant& actual, const QVariant& expected)
{
    switch (expected.metaType().id()) {
    case QMetaType::QString: return actual.toString() == expected.toString();
    case QMetaType::Bool: return actual.toBool() == expected.toBool();
    case QMetaType::Double: return qAbs(actual.toDouble() - expected.toDouble()) < 1e-9;
    default: return actual.toInt() == expected.toInt();
    }
}

// One edit through the page's own input, applied: the property takes it,
// the fill did not mark the page, the edit did.
TEST_F(Pages, AnEditOnAnyPageIsAppliedToItsProperty)
{
    enum Input { Type, Option, Check };
    struct Case {
        Control control;
        int page;
        Input input;
        const char* field;
        QString typed;  // or the option index
        const char* property;
        QVariant expected;
    };
    const Case cases[] = {
        {Control::CheckBox, 0, Type, "EF_NumChecks", QStringLiteral("12abc"), "NumChecks", 12},
        {Control::CheckBox, 0, Type, "EF_Captions", QStringLiteral("A\nB\nC"), "Captions", QStringLiteral("A|B|C")},
        {Control::CheckBox, 0, Type, "EF_HorizSpacing", QStringLiteral("37,5"), "HorizSpacing", 37.5},
        {Control::CheckBox, 0, Type, "EF_ListValue", QStringLiteral("101"), "ListValue", QStringLiteral("101")},
        {Control::CheckBox, 0, Type, "EF_ToolTipText", QStringLiteral("tip"), "ToolTipText", QStringLiteral("tip")},
        {Control::CheckBox, 0, Option, "OB_Orientation", QStringLiteral("2"), "Orientation", 3},
        {Control::CheckBox, 0, Option, "OB_CaptionAlignment", QStringLiteral("1"), "CaptionAlignment", 2},
        {Control::CheckBox, 0, Option, "OB_CaptionPosition", QStringLiteral("0"), "CaptionPosition", 1},
        {Control::CheckBox, 0, Option, "OB_LockSize", QStringLiteral("3"), "LockSize", 3},
        {Control::CheckBox, 0, Check, "CK_Unique", QString(), "Unique", true},
        {Control::OptionButton, 0, Type, "EF_NumOptions", QStringLiteral("4"), "NumOptions", 4},
        {Control::OptionButton, 0, Type, "EF_ListValues", QStringLiteral("x\ny\nz"), "ListValues", QStringLiteral("x|y|z")},
        {Control::OptionButton, 0, Type, "EF_ListIndex", QStringLiteral("2"), "ListIndex", 2},
        {Control::OptionButton, 0, Option, "OB_Appearance", QStringLiteral("0"), "Appearance", 0},
        {Control::Button, 0, Type, "EF_Captions", QStringLiteral("One\nTwo"), "Captions", QStringLiteral("One|Two")},
        {Control::Button, 0, Type, "EF_HorizSpacing", QStringLiteral("37,5"), "HorizSpacing", 37.5},
        {Control::Button, 0, Type, "EF_Tag", QStringLiteral("tag"), "Tag", QStringLiteral("tag")},
        {Control::Button, 0, Check, "CK_Cancel", QString(), "Cancel", true},
        {Control::Button, 1, Option, "OB_Appearance", QStringLiteral("3"), "Appearance", 3},
        {Control::Button, 1, Option, "OB_Shape", QStringLiteral("1"), "Shape", 1},
        {Control::Button, 1, Option, "OB_CapAlign", QStringLiteral("2"), "CapAlignment", 1},
        {Control::Button, 1, Option, "OB_PicturePosition", QStringLiteral("2"), "PicturePosition", 2},
        {Control::TextBox, 0, Type, "EF_Caption", QStringLiteral("Name:"), "Caption", QStringLiteral("Name:")},
        {Control::TextBox, 0, Type, "EF_CapWidth", QStringLiteral("1200,5"), "CapWidth", 1200.5},
        {Control::TextBox, 0, Type, "EF_MaxLength", QStringLiteral("12"), "MaxLength", 12},
        {Control::TextBox, 0, Option, "OB_CapAlignment", QStringLiteral("8"), "CapAlignment", 8},
        {Control::TextBox, 1, Type, "EF_ComboRows", QStringLiteral("7"), "ComboRows", 7.0},
        {Control::TextBox, 1, Type, "EF_ComboItems", QStringLiteral("a|b"), "ComboItems", QStringLiteral("a|b")},
        {Control::TextBox, 1, Option, "OB_ComboType", QStringLiteral("1"), "ComboType", 1},
        {Control::TextBox, 1, Option, "OB_LockSize", QStringLiteral("2"), "LockSize", 2},
        {Control::TextBox, 1, Check, "CK_Locked", QString(), "Locked", true},
        {Control::TextBox, 2, Type, "EF_CharacterTable", QStringLiteral("xyz"), "CharacterTable", QStringLiteral("xyz")},
        {Control::TextBox, 2, Check, "CK_Characters_3", QString(), "Characters", 8},
        {Control::TextBox, 3, Option, "OB_Templates", QStringLiteral("1"), "Template", 1},
        {Control::TextBox, 3, Option, "OB_Alignment", QStringLiteral("1"), "Alignment", 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.field);
        form().clear();
        host::UserControl* control = make(c.control);
        PropertyPage* page = openPage(control, c.page);
        QSignalSpy changed(page, &PropertyPage::changed);
        EXPECT_FALSE(page->isChanged());
        switch (c.input) {
        case Type: edit(c.field, c.typed); break;
        case Option: choose(c.field, c.typed.toInt()); break;
        case Check: check(c.field); break;
        }
        EXPECT_TRUE(page->isChanged());
        EXPECT_EQ(changed.count(), 1);
        const QStringList names = notified(control, [page] { page->ApplyChanges(); });
        EXPECT_TRUE(names.contains(QLatin1String(c.property))) << names.join(QLatin1Char(' ')).toStdString();
        const QVariant actual = control->property(c.property);
        EXPECT_TRUE(sameValue(actual, c.expected)) << actual.toString().toStdString();
        EXPECT_TRUE(page->applyErrors().isEmpty());
        EXPECT_FALSE(page->isChanged());
    }
}

// Filling any page never marks it, and applying a page nobody edited
// writes nothing: no property of the control is set again.
TEST_F(Pages, AnUneditedPageWritesNothing)
{
    for (Control kind : {Control::TextBox, Control::CheckBox, Control::OptionButton, Control::Button}) {
        form().clear();
        host::UserControl* control = make(kind);
        const int count = pageCount(control);
        for (int i = 0; i < count; ++i) {
            PropertyPage* page = openPage(control, i);
            SCOPED_TRACE(page->objectName().toStdString());
            EXPECT_TRUE(page->isLoaded());
            EXPECT_FALSE(page->isChanged());
            EXPECT_EQ(notified(control, [page] { page->ApplyChanges(); }), QStringList());
        }
    }
}

TEST_F(Pages, AnEmptyPasswordCharIsNotWrittenAgainSoPastingStaysOff)
{
    auto* box = place<ORXTextBox>();
    box->setAllowPaste(false);
    ASSERT_EQ(box->PasswordChar(), QString());
    openPage(box, 0);
    edit("EF_Caption", QStringLiteral("Code:"));
    page_->ApplyChanges();
    EXPECT_EQ(box->Caption(), QStringLiteral("Code:"));
    EXPECT_FALSE(box->AllowPaste());
}

TEST_F(Pages, AStaleSpinButtonsLeavesTheComboButtonShown)
{
    // The Appearance page shows the combo button (which turns the spin
    // buttons off); the Templates page, applied after it, still shows the
    // spin buttons it loaded and must not write them back.
    auto* box = place<ORXTextBox>();
    box->setTemplate(ORXTextBox::ORXTX_Numeric);
    box->setSpinButtons(true);
    ASSERT_FALSE(box->ComboButtonVisible());
    PropertyPagesDialog dialog({box});
    dialog.show();
    settle();
    auto* combo = dialog.findChild<QCheckBox*>(QStringLiteral("CK_ComboButtonVisible"));
    dialog.tabs()->setCurrentIndex(1);
    settle();
    QTest::mouseClick(combo, Qt::LeftButton, Qt::NoModifier, QPoint(6, combo->height() / 2));
    auto* spinValue = dialog.findChild<QLineEdit*>(QStringLiteral("EF_SpinValue"));
    QTest::keyClick(spinValue, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(spinValue, QStringLiteral("2,5"));
    ASSERT_TRUE(dialog.apply());
    EXPECT_DOUBLE_EQ(box->SpinValue(), 2.5);
    EXPECT_TRUE(box->ComboButtonVisible());
    EXPECT_FALSE(box->SpinButtons());
    // Every page shows the control as it now is.
    EXPECT_FALSE(dialog.findChild<QCheckBox*>(QStringLiteral("CK_SpinButtons"))->isChecked());
}

TEST_F(Pages, AnUnchangedAppearanceLeavesASwitchLatched)
{
    for (int look : {ORXCommandButton::ORXCM_Switch_Flat, ORXCommandButton::ORXCM_Switch_3D}) {
        form().clear();
        auto* button = place<ORXCommandButton>();
        button->setAppearance(ORXCommandButton::ORXCM_Appearance_Constants(look));
        button->setValue(true);
        openPage(button, 1);
        choose("OB_PicturePosition", 3);
        page_->ApplyChanges();
        EXPECT_EQ(button->PicturePosition(), ORXCommandButton::ORXCM_Left_Picture);
        EXPECT_TRUE(button->Value()) << look;
    }
}

// Under a comma-decimal locale a Single shows with the comma and reads back
// the same; a number the property cannot hold is refused, the property kept.
TEST_F(Pages, NumbersKeepTheirDecimalsAndOutOfRangeIsNotWritten)
{
    auto* group = place<ORXCheckBox>(QStringLiteral("Check1"), host::TwipRect{120, 120, 2400, 1200});
    group->setHorizSpacing(37.5f);
    openPage(group, 0);
    EXPECT_EQ(text("EF_HorizSpacing"), QStringLiteral("37,5"));
    edit("EF_Tag", QStringLiteral("t"));
    page_->ApplyChanges();
    EXPECT_FLOAT_EQ(group->HorizSpacing(), 37.5f);

    struct Case {
        Control control;
        int page;
        const char* field;
        const char* typed;
        const char* property;
    };
    const Case cases[] = {
        {Control::OptionButton, 0, "EF_VertSpacing", "70000", "VertSpacing"},  // 16-bit
        {Control::CheckBox, 0, "EF_NumChecks", "70000", "NumChecks"},
        {Control::CheckBox, 0, "EF_NumChecks", "abc", "NumChecks"},            // 0: below the range
        {Control::Button, 0, "EF_VertSpacing", "-40000", "VertSpacing"},
        {Control::TextBox, 0, "EF_MaxLength", "9999999999", "MaxLength"},     // beyond 32 bits
        {Control::OptionButton, 0, "EF_ListIndex", "7", "ListIndex"},         // past the last option
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.property);
        form().clear();
        host::UserControl* control = make(c.control);
        const QVariant before = control->property(c.property);
        openPage(control, c.page);
        edit(c.field, QLatin1String(c.typed));
        page_->ApplyChanges();
        EXPECT_EQ(control->property(c.property), before);
        EXPECT_EQ(page_->applyErrors().size(), 1);
        // The page shows the value the control kept.
        EXPECT_EQ(text(c.field), numberText(before));
    }
}

TEST_F(Pages, WritesFollowTheirFixedOrder)
{
    // Captions before CapIndex: the index is checked against the new list.
    auto* button = place<ORXCommandButton>();
    button->setCaptions(QStringLiteral("One"));
    openPage(button, 0);
    edit("EF_Captions", QStringLiteral("A\nB\nC"));
    edit("EF_CapIndex", QStringLiteral("3"));
    page_->ApplyChanges();
    EXPECT_EQ(button->Captions(), QStringLiteral("A|B|C"));
    EXPECT_EQ(button->CapIndex(), 3);

    // Appearance before BorderEffect: a flat box made 3D takes the effect chosen with it.
    form().clear();
    auto* box = place<ORXTextBox>();
    box->setAppearance(tools::ORXTX::ORXTX_Flat);
    ASSERT_EQ(int(box->BorderEffect()), 0);
    openPage(box, 1);
    choose("OB_Appearance", 1);
    choose("OB_BorderEffect", 3);
    page_->ApplyChanges();
    EXPECT_EQ(int(box->Appearance()), 1);
    EXPECT_EQ(int(box->BorderEffect()), 3);

    // Shape before Appearance: the hot-spot look stores a square face after a rounded one.
    form().clear();
    button = place<ORXCommandButton>();
    openPage(button, 1);
    choose("OB_Shape", 1);
    choose("OB_Appearance", 2);
    page_->ApplyChanges();
    EXPECT_EQ(button->Appearance(), ORXCommandButton::ORXCM_HotSpot);
    EXPECT_EQ(button->Shape(), ORXCommandButton::ORXCM_Square);
}

TEST_F(Pages, AClickOnABorderPreviewChoosesItsEffect)
{
    for (Control kind : {Control::CheckBox, Control::TextBox}) {
        form().clear();
        host::UserControl* control = make(kind);
        PropertyPage* page = openPage(control, kind == Control::TextBox ? 1 : 0);
        auto* preview = field<BorderPreview>("PIC_Border_4");
        ASSERT_NE(preview, nullptr);
        // Box 0 stays plain; box 4 shows its frame lines.
        auto* plain = field<BorderPreview>("PIC_Border_0");
        EXPECT_EQ(preview->frameStyle(), int(QFrame::NoFrame));
        EXPECT_NE(plain->grab().toImage(), preview->grab().toImage());
        QTest::mouseClick(preview, Qt::LeftButton);
        EXPECT_TRUE(field<QRadioButton>("OB_BorderEffect_4")->isChecked());
        EXPECT_TRUE(page->isChanged());
        page->ApplyChanges();
        EXPECT_EQ(control->property("BorderEffect").toInt(), 4);
    }
}

TEST_F(Pages, OnlyTheFirstSelectedControlIsChanged)
{
    auto* first = place<ORXCheckBox>(QStringLiteral("Check1"), host::TwipRect{120, 120, 2400, 1200});
    auto* second = place<ORXCheckBox>(QStringLiteral("Check2"), host::TwipRect{120, 1500, 2400, 1200});
    second->setTag(QStringLiteral("second"));
    auto* page = open<ORXCK_General_PPage>(first);
    page->SelectionChanged({first, second});
    EXPECT_EQ(text("EF_Tag"), QString());
    edit("EF_Tag", QStringLiteral("changed"));
    page->ApplyChanges();
    EXPECT_EQ(first->Tag(), QStringLiteral("changed"));
    EXPECT_EQ(second->Tag(), QStringLiteral("second"));
}

TEST_F(Pages, GridColumnsShowForGridAndOnlyAChoiceMovesTheFocus)
{
    auto* group = place<ORXCheckBox>(QStringLiteral("Check1"), host::TwipRect{120, 120, 2400, 1200});
    group->setNumChecks(4);
    group->setOrientation(ORXCheckBox::ORXCK_Grid_Orient);
    page_ = std::make_unique<ORXCK_General_PPage>();
    page_->show();
    QApplication::setActiveWindow(page_.get());
    settle();
    auto* tag = field<QLineEdit>("EF_Tag");
    tag->setFocus();
    settle();
    page_->SelectionChanged({group});
    settle();
    auto* columns = field<QLineEdit>("EF_NumColsGrid");
    EXPECT_TRUE(columns->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), tag);

    choose("OB_Orientation", 0);
    EXPECT_FALSE(columns->isVisible());
    choose("OB_Orientation", 2);
    settle();
    EXPECT_TRUE(columns->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), columns);
}

TEST_F(Pages, TemplatesPageKeepsACustomAlignmentAndChoosingATemplateBringsItsOwn)
{
    auto* box = place<ORXTextBox>();
    box->setTemplate(ORXTextBox::ORXTX_Numeric);
    box->setAlignment(ORXTextBox::ORXTX_Left_Justify);
    auto* page = open<ORXTX_Templates_PPage>(box);
    EXPECT_TRUE(field<QRadioButton>("OB_Alignment_0")->isChecked());
    EXPECT_FALSE(page->isChanged());
    edit("EF_SpinValue", QStringLiteral("3"));
    page->ApplyChanges();
    EXPECT_EQ(box->Alignment(), ORXTextBox::ORXTX_Left_Justify);

    // The currency controls show for Currency only; spin frames for every
    // template but String.
    choose("OB_Templates", 4);
    EXPECT_TRUE(field<QRadioButton>("OB_Alignment_1")->isChecked());
    EXPECT_FALSE(field<QWidget>("CB_Currencies")->isVisible());
    EXPECT_TRUE(field<QWidget>("FR_Spin")->isVisible());
    choose("OB_Templates", 0);
    EXPECT_FALSE(field<QWidget>("FR_Spin")->isVisible());
    EXPECT_TRUE(field<QRadioButton>("OB_Alignment_0")->isChecked());
    choose("OB_Templates", 2);
    EXPECT_TRUE(field<QWidget>("CB_Currencies")->isVisible());
    page->ApplyChanges();
    EXPECT_EQ(box->Template(), ORXTextBox::ORXTX_Currency);
    EXPECT_EQ(box->Alignment(), ORXTextBox::ORXTX_Right_Justify);
}

// The Currency template lists the catalogue of the user's currency folder
// and shows the chosen currency's values; the list's text is applied.
TEST_F(Pages, TemplatesPageListsTheCurrencies)
{
    const QString folder = freshFolder(QStringLiteral("pages-currency"));
    QFile file(folder + QStringLiteral("/ORXCurrency.INI"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[Tre]\r\nSymbol=T\r\nDecimals=2\r\nEuroChange=3\r\n"
               "[Lira]\r\nSymbol=L.\r\nDecimals=0\r\nEuroChange=1936,27\r\n"
               "[Complete]\r\nList=Tre|Lira\r\n");
    file.close();
    const QString product = QStringLiteral("ORX_Tools_OCXs");
    profile::saveSetting(product, QStringLiteral("Currency"), QStringLiteral("Path"), folder);
    struct Forget {
        QString product;
        ~Forget() { profile::deleteSetting(product, QStringLiteral("Currency")); }
    } forget{product};

    auto* box = place<ORXTextBox>();
    box->setTemplate(ORXTextBox::ORXTX_Currency);
    box->setSelCurrency(QStringLiteral("Tre"));
    ASSERT_EQ(box->SelCurrency(), QStringLiteral("Tre"));
    auto* page = open<ORXTX_Templates_PPage>(box);
    auto* list = field<QComboBox>("CB_Currencies");
    ASSERT_EQ(list->count(), 3);
    EXPECT_EQ(list->itemText(0), QStringLiteral("System"));
    EXPECT_EQ(list->currentText(), QStringLiteral("Tre"));
    EXPECT_EQ(text("EF_Symbol"), QStringLiteral("T"));
    EXPECT_TRUE(text("EF_SelCurrencyPath").startsWith(folder));
    EXPECT_FALSE(page->isChanged());

    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(list->currentText(), QStringLiteral("Lira"));
    EXPECT_EQ(text("EF_Symbol"), QStringLiteral("L."));
    EXPECT_EQ(text("EF_Decimals"), QStringLiteral("0"));
    EXPECT_EQ(text("EF_EuroChange"), QStringLiteral("1936,27"));
    EXPECT_TRUE(page->isChanged());
    page->ApplyChanges();
    EXPECT_EQ(box->SelCurrency(), QStringLiteral("Lira"));
}

TEST_F(Pages, CharactersPage)
{
    auto* box = place<ORXTextBox>();
    box->setCharacters(ORXTextBox::ORXTX_KB_Ok_Alpha);
    auto* page = open<ORXTX_Characters_PPage>(box);
    EXPECT_TRUE(field<QCheckBox>("CK_Characters_1")->isChecked());
    check("CK_Characters_1");  // every box now unchecked
    page->ApplyChanges();
    EXPECT_EQ(box->Characters(), int(ORXTextBox::ORXTX_KB_Ok_All));
    EXPECT_TRUE(field<QCheckBox>("CK_Characters_0")->isChecked());

    // A date template greys the boxes and the General page's Layout; Month
    // Year keeps the Layout.
    box->setTemplate(ORXTextBox::ORXTX_Day_Month_Year);
    page->SelectionChanged({box});
    EXPECT_FALSE(field<QCheckBox>("CK_Characters_0")->isEnabled());
    openPage(box, 0);
    EXPECT_FALSE(field<QLineEdit>("EF_Layout")->isEnabled());
    box->setTemplate(ORXTextBox::ORXTX_Month_Year);
    page_->SelectionChanged({box});
    EXPECT_TRUE(field<QLineEdit>("EF_Layout")->isEnabled());
}

TEST_F(Pages, EditPropertyFocusesTheTaggedField)
{
    auto* box = place<ORXTextBox>();
    open<ORXTX_General_PPage>(box);
    QApplication::setActiveWindow(page_.get());
    page_->EditProperty(QStringLiteral("maxlength"));
    settle();
    auto* maxLength = field<QLineEdit>("EF_MaxLength");
    EXPECT_EQ(QApplication::focusWidget(), maxLength);
    // An edit field that gets the focus selects all its text.
    EXPECT_FALSE(maxLength->text().isEmpty());
    EXPECT_EQ(maxLength->selectedText(), maxLength->text());
    page_->EditProperty(QStringLiteral("CapAlignment"));
    settle();
    EXPECT_EQ(QApplication::focusWidget(), field<QRadioButton>("OB_CapAlignment_4"));
}

TEST_F(Pages, DialogAppliesOnApplyAndOkButNotOnCancel)
{
    auto* button = place<ORXCommandButton>();
    struct Case {
        QDialogButtonBox::StandardButton press;
        bool applied;
    };
    for (const Case& c : {Case{QDialogButtonBox::Apply, true}, Case{QDialogButtonBox::Ok, true},
                          Case{QDialogButtonBox::Cancel, false}}) {
        button->setTag(QString());
        PropertyPagesDialog dialog({button});
        dialog.show();
        settle();
        ASSERT_EQ(dialog.tabs()->count(), 2);
        EXPECT_EQ(dialog.tabs()->tabText(0), QStringLiteral("General"));
        EXPECT_EQ(dialog.tabs()->tabText(1), QStringLiteral("Appearance"));
        auto* buttons = dialog.findChild<QDialogButtonBox*>();
        EXPECT_FALSE(buttons->button(QDialogButtonBox::Apply)->isEnabled());
        auto* tag = dialog.findChild<QLineEdit*>(QStringLiteral("EF_Tag"));
        QTest::keyClicks(tag, QStringLiteral("T"));
        EXPECT_TRUE(buttons->button(QDialogButtonBox::Apply)->isEnabled());
        QTest::mouseClick(buttons->button(c.press), Qt::LeftButton);
        EXPECT_EQ(button->Tag(), c.applied ? QStringLiteral("T") : QString());
        EXPECT_EQ(dialog.isVisible(), c.press == QDialogButtonBox::Apply);
    }
    // One page per class: four for the text box, one for each group.
    EXPECT_EQ(pageCount(place<ORXTextBox>(QStringLiteral("T1"))), 4);
    EXPECT_EQ(pageCount(place<ORXOptionButton>(QStringLiteral("O1"))), 1);
}

TEST_F(Pages, DialogShowsWhatItCouldNotStore)
{
    auto* group = place<ORXOptionButton>(QStringLiteral("Option1"), host::TwipRect{120, 120, 2400, 1200});
    PropertyPagesDialog dialog({group});
    dialog.show();
    settle();
    auto* spacing = dialog.findChild<QLineEdit*>(QStringLiteral("EF_VertSpacing"));
    QTest::keyClick(spacing, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(spacing, QStringLiteral("70000"));
    EXPECT_FALSE(dialog.apply());
    ASSERT_EQ(messages().messages.size(), 1);
    EXPECT_TRUE(messages().messages.front().text.contains(QStringLiteral("VertSpacing")));
    EXPECT_EQ(group->VertSpacing(), 60);
}

// The type library's eight pages are built: each creates its page, which
// carries the class's name and the caption the host shows on its tab.
TEST_F(Pages, TheTypeLibraryCreatesEveryPage)
{
    const QStringList captions{QStringLiteral("General"), QStringLiteral("Appearance"), QStringLiteral("Characters"),
                               QStringLiteral("Templates")};
    int count = 0;
    for (const com::ClassInfo& c : tools::ToolsTypeLibrary().classes) {
        if (c.kind != com::ClassKind::PropertyPage)
            continue;
        ++count;
        ASSERT_TRUE(c.create) << c.name.toStdString();
        std::unique_ptr<QObject> object(c.create());
        auto* page = qobject_cast<PropertyPage*>(object.get());
        ASSERT_NE(page, nullptr) << c.name.toStdString();
        EXPECT_EQ(page->objectName(), c.name);
        EXPECT_TRUE(captions.contains(page->caption())) << c.name.toStdString();
        EXPECT_TRUE(c.name.endsWith(page->caption() + QStringLiteral("_PPage"))) << c.name.toStdString();
    }
    EXPECT_EQ(count, 8);
}

}  // namespace
}  // namespace orx::test
