#include "tests/support/HostFixture.h"

#include "tools/button/ORXCommandButton.h"
#include "tools/checkgroup/ORXCheckBox.h"
#include "tools/optiongroup/ORXOptionButton.h"
#include "tools/textbox/ORXTextBox.h"
#include "ui_Controls.h"

#include <QAction>
#include <QDesignerFormEditorInterface>
#include <QDesignerTaskMenuExtension>
#include <QExtensionManager>
#include <QFile>
#include <QPluginLoader>
#include <QUiLoader>
#include <QXmlStreamReader>
#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>

#include <memory>

namespace orx::test {
namespace {

using tools::ORXCheckBox;
using tools::ORXCommandButton;
using tools::ORXOptionButton;
using tools::ORXTextBox;

QList<QDesignerCustomWidgetInterface*> pluginWidgets(QPluginLoader& loader)
{
    auto* collection = qobject_cast<QDesignerCustomWidgetCollectionInterface*>(loader.instance());
    return collection ? collection->customWidgets() : QList<QDesignerCustomWidgetInterface*>();
}

TEST(DesignerPlugin, EveryControlHasAnEntry)
{
    QPluginLoader loader(QStringLiteral(ORX_DESIGNER_PLUGIN));
    ASSERT_TRUE(loader.load()) << loader.errorString().toStdString();
    const QList<QDesignerCustomWidgetInterface*> widgets = pluginWidgets(loader);
    ASSERT_EQ(widgets.size(), 4);
    const QMetaObject* expected[] = {&ORXTextBox::staticMetaObject, &ORXCheckBox::staticMetaObject,
                                     &ORXOptionButton::staticMetaObject, &ORXCommandButton::staticMetaObject};
    for (int i = 0; i < widgets.size(); ++i) {
        QDesignerCustomWidgetInterface* w = widgets[i];
        SCOPED_TRACE(w->name().toStdString());
        EXPECT_EQ(w->name(), QLatin1String(expected[i]->className()));
        EXPECT_EQ(w->group(), QStringLiteral("ORX"));
        EXPECT_FALSE(w->toolTip().isEmpty());
        EXPECT_FALSE(w->icon().isNull());
        EXPECT_FALSE(w->isContainer());
        EXPECT_TRUE(QFile::exists(QStringLiteral(ORX_SOURCE_DIR "/") + w->includeFile())) << w->includeFile().toStdString();

        // The default widget: a well-formed <ui> naming this class, with a geometry.
        QXmlStreamReader xml(w->domXml());
        QString widgetClass;
        bool geometry = false;
        while (!xml.atEnd()) {
            xml.readNext();
            if (xml.isStartElement() && xml.name() == QLatin1String("widget") && widgetClass.isEmpty())
                widgetClass = xml.attributes().value(QLatin1String("class")).toString();
            if (xml.isStartElement() && xml.name() == QLatin1String("property")
                && xml.attributes().value(QLatin1String("name")) == QLatin1String("geometry"))
                geometry = true;
        }
        EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
        EXPECT_EQ(widgetClass, w->name());
        EXPECT_TRUE(geometry);

        std::unique_ptr<QWidget> created(w->createWidget(nullptr));
        ASSERT_NE(created, nullptr);
        EXPECT_EQ(created->metaObject(), expected[i]);
        // Outside Designer's forms a control runs.
        EXPECT_TRUE(static_cast<host::UserControl*>(created.get())->ambientUserMode());
    }
}

// Properties Designer shows: the persisted ones are designable; the
// run-time state is not.
TEST(DesignerPlugin, PropertiesDesignerShows)
{
    struct Case {
        const QMetaObject* meta;
        const char* property;
        bool designable;
    };
    const Case cases[] = {
        {&ORXTextBox::staticMetaObject, "Template", true},     {&ORXTextBox::staticMetaObject, "Caption", true},
        {&ORXTextBox::staticMetaObject, "SelStart", false},    {&ORXCheckBox::staticMetaObject, "Captions", true},
        {&ORXCheckBox::staticMetaObject, "HasFocus", false},   {&ORXOptionButton::staticMetaObject, "ListValues", true},
        {&ORXCommandButton::staticMetaObject, "Shape", true},  {&ORXCommandButton::staticMetaObject, "CapCount", false},
    };
    for (const Case& c : cases) {
        const int index = c.meta->indexOfProperty(c.property);
        ASSERT_GE(index, 0) << c.property;
        EXPECT_EQ(c.meta->property(index).isDesignable(), c.designable) << c.property;
    }
}

class DesignerForm : public HostFixture {
protected:
    // The controls of Controls.ui hold every value the file sets.
    static void checkControls(QWidget* form)
    {
        auto* text = form->findChild<ORXTextBox*>(QStringLiteral("textBox"));
        auto* check = form->findChild<ORXCheckBox*>(QStringLiteral("checkBox"));
        auto* option = form->findChild<ORXOptionButton*>(QStringLiteral("optionButton"));
        auto* button = form->findChild<ORXCommandButton*>(QStringLiteral("commandButton"));
        ASSERT_TRUE(text && check && option && button);
        EXPECT_EQ(text->Caption(), QStringLiteral("Amount:"));
        EXPECT_FLOAT_EQ(text->CapWidth(), 900.5f);
        EXPECT_EQ(text->Template(), ORXTextBox::ORXTX_Numeric);
        EXPECT_DOUBLE_EQ(text->SpinValue(), 2.5);
        EXPECT_EQ(text->Appearance(), tools::ORXTX::ORXTX_Flat);
        EXPECT_TRUE(text->Locked());
        EXPECT_EQ(text->Tag(), QStringLiteral("tb"));
        EXPECT_EQ(check->NumChecks(), 3);
        EXPECT_EQ(check->Captions(), QStringLiteral("A|B|C"));
        EXPECT_EQ(check->CheckCaption(2), QStringLiteral("C"));
        EXPECT_EQ(check->Orientation(), ORXCheckBox::ORXCK_Horiz_Orient);
        EXPECT_FLOAT_EQ(check->HorizSpacing(), 37.5f);
        EXPECT_TRUE(check->Unique());
        EXPECT_EQ(option->NumOptions(), 3);
        EXPECT_EQ(option->Captions(), QStringLiteral("X|Y|Z"));
        EXPECT_EQ(option->ListValues(), QStringLiteral("x|y|z"));
        EXPECT_EQ(option->ListIndex(), 2);
        EXPECT_EQ(option->Value(), QStringLiteral("z"));
        EXPECT_EQ(button->Captions(), QStringLiteral("One|Two"));
        EXPECT_EQ(button->CapIndex(), 2);
        EXPECT_EQ(button->Shape(), ORXCommandButton::ORXCM_Rounded);
        EXPECT_TRUE(button->Cancel());
        EXPECT_EQ(button->geometry(), QRect(10, 180, 100, 30));
    }
};

TEST_F(DesignerForm, LoadedThroughQUiLoader)
{
    QUiLoader loader;
    loader.clearPluginPaths();
    loader.addPluginPath(QStringLiteral(ORX_DESIGNER_PLUGIN_DIR));
    for (const char* name : {"orx::tools::ORXTextBox", "orx::tools::ORXCheckBox", "orx::tools::ORXOptionButton",
                             "orx::tools::ORXCommandButton"})
        EXPECT_TRUE(loader.availableWidgets().contains(QLatin1String(name))) << name;
    QFile file(QStringLiteral(ORX_CONTROLS_UI));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    std::unique_ptr<QWidget> form(loader.load(&file));
    ASSERT_NE(form, nullptr) << loader.errorString().toStdString();
    checkControls(form.get());
}

TEST_F(DesignerForm, CompiledWithUic)
{
    QWidget form;
    Ui::ControlsForm ui;
    ui.setupUi(&form);
    EXPECT_EQ(form.findChild<ORXTextBox*>(QStringLiteral("textBox")), ui.textBox);
    checkControls(&form);
}

}  // namespace
}  // namespace orx::test

namespace orx::test {
namespace {

// A form editor with only an extension manager: enough for the plugin to
// register its task menus.
class BareFormEditor : public QDesignerFormEditorInterface {
public:
    BareFormEditor() { setExtensionManager(new QExtensionManager(this)); }
};

class DesignerTaskMenu : public HostFixture {};

TEST_F(DesignerTaskMenu, OffersThePagesAndEachControlsOwnCommands)
{
    QPluginLoader loader(QStringLiteral(ORX_DESIGNER_PLUGIN));
    const QList<QDesignerCustomWidgetInterface*> widgets = pluginWidgets(loader);
    ASSERT_EQ(widgets.size(), 4);
    BareFormEditor core;
    for (QDesignerCustomWidgetInterface* w : widgets)
        w->initialize(&core);
    struct Case {
        int entry;
        QStringList commands;
    };
    const Case cases[] = {
        {0, {"SaveSettings", "LoadTemplateSettings", "ResetSettings", "ResetDesignSize"}},
        {1, {"SaveSettings", "LoadOrientationSettings", "ResetSettings", "ResetDesignSize"}},
        {2, {"SaveSettings", "LoadOrientationSettings", "ResetSettings", "ResetDesignSize"}},
        {3, {"SaveSettings", "ResetSettings", "ResetDesignSize"}},
    };
    for (const Case& c : cases) {
        std::unique_ptr<QWidget> control(widgets[c.entry]->createWidget(nullptr));
        SCOPED_TRACE(control->metaObject()->className());
        auto* menu = qt_extension<QDesignerTaskMenuExtension*>(core.extensionManager(), control.get());
        ASSERT_NE(menu, nullptr);
        const QList<QAction*> actions = menu->taskActions();
        ASSERT_FALSE(actions.isEmpty());
        EXPECT_EQ(menu->preferredEditAction(), actions.first());
        QStringList commands;
        for (QAction* a : actions.mid(1))
            commands << a->objectName();
        EXPECT_EQ(commands, c.commands);

        // Made inside Designer the control is being designed: its commands run.
        auto* hosted = static_cast<host::UserControl*>(control.get());
        EXPECT_FALSE(hosted->ambientUserMode());
        messages().clear();
        actions.last()->trigger();
        EXPECT_TRUE(messages().messages.isEmpty());
        // A running control refuses a design-time command with its error:
        // shown, never thrown.
        hosted->setDesignHosted(false);
        actions.at(1)->trigger();
        ASSERT_EQ(messages().messages.size(), 1);
        EXPECT_TRUE(messages().messages.front().text.contains(QStringLiteral("run time")));
    }
    // Nothing for a widget that is not one of the controls.
    QWidget plain;
    EXPECT_EQ(qt_extension<QDesignerTaskMenuExtension*>(core.extensionManager(), &plain), nullptr);
}

}  // namespace
}  // namespace orx::test
