#include "tests/support/HostFixture.h"

#include "tools/checkgroup/ORXCheckBox.h"
#include "tools/pages/PropertyPagesDialog.h"

#include <QAction>
#include <QApplication>
#include <QDesignerFormEditorInterface>
#include <QDesignerFormWindowInterface>
#include <QDesignerFormWindowManagerInterface>
#include <QDesignerIntegration>
#include <QDesignerPropertySheetExtension>
#include <QDesignerTaskMenuExtension>
#include <QDialogButtonBox>
#include <QExtensionManager>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QUndoStack>
#include <QtDesigner/QDesignerComponents>

#include <memory>

namespace orx::test {
namespace {

using tools::ORXCheckBox;

const char* const kForm = R"(<?xml version="1.0" encoding="UTF-8"?>
<ui version="4.0">
 <class>Form</class>
 <widget class="QWidget" name="Form">
  <property name="geometry"><rect><x>0</x><y>0</y><width>400</width><height>300</height></rect></property>
  <widget class="orx::tools::ORXCheckBox" name="checkBox">
   <property name="geometry"><rect><x>10</x><y>10</y><width>300</width><height>60</height></rect></property>
   <property name="NumChecks"><number>3</number></property>
  </widget>
 </widget>
</ui>
)";

// The property pages opened from the task menu of a control on a form that
// Designer's own form editor holds: the pages' values are undoable
// commands of the form, and the form keeps them as set.
TEST(DesignerUndo, PagesApplyThroughTheFormsUndoStack)
{
    QCoreApplication::addLibraryPath(QStringLiteral(ORX_DESIGNER_PLUGIN_DIR "/.."));
    QDesignerComponents::initializeResources();
    std::unique_ptr<QObject> owner = std::make_unique<QObject>();
    QDesignerFormEditorInterface* core = QDesignerComponents::createFormEditor(owner.get());
    new QDesignerIntegration(core, owner.get());
    QDesignerComponents::initializePlugins(core);
    std::unique_ptr<QDesignerFormWindowInterface> form(core->formWindowManager()->createFormWindow(nullptr));
    ASSERT_TRUE(form->setContents(QString::fromLatin1(kForm)));
    auto* box = form->mainContainer()->findChild<ORXCheckBox*>(QStringLiteral("checkBox"));
    ASSERT_NE(box, nullptr);
    EXPECT_FALSE(box->ambientUserMode());

    auto* menu = qt_extension<QDesignerTaskMenuExtension*>(core->extensionManager(), box);
    ASSERT_NE(menu, nullptr);
    QAction* edit = menu->preferredEditAction();
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->text(), QStringLiteral("Edit Properties..."));

    const int commands = form->commandHistory()->count();
    bool edited = false;
    QTimer::singleShot(0, [&edited] {
        auto* dialog = qobject_cast<tools::pages::PropertyPagesDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        auto* tag = dialog->findChild<QLineEdit*>(QStringLiteral("EF_Tag"));
        QTest::keyClicks(tag, QStringLiteral("designed"));
        auto* grid = dialog->findChild<QRadioButton*>(QStringLiteral("OB_Orientation_2"));
        QTest::mouseClick(grid, Qt::LeftButton, Qt::NoModifier, QPoint(6, grid->height() / 2));
        QTest::mouseClick(dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok), Qt::LeftButton);
        edited = true;
    });
    edit->trigger();
    ASSERT_TRUE(edited);
    EXPECT_EQ(box->Tag(), QStringLiteral("designed"));
    EXPECT_EQ(box->Orientation(), ORXCheckBox::ORXCK_Grid_Orient);
    EXPECT_EQ(form->commandHistory()->count(), commands + 2);
    auto* sheet = qt_extension<QDesignerPropertySheetExtension*>(core->extensionManager(), box);
    ASSERT_NE(sheet, nullptr);
    EXPECT_TRUE(sheet->isChanged(sheet->indexOf(QStringLiteral("Tag"))));
    EXPECT_TRUE(form->isDirty());

    form->commandHistory()->undo();
    form->commandHistory()->undo();
    EXPECT_EQ(box->Tag(), QString());
    EXPECT_EQ(box->Orientation(), ORXCheckBox::ORXCK_Vert_Orient);
    form->commandHistory()->redo();
    EXPECT_EQ(box->Tag(), QStringLiteral("designed"));
    form.reset();
}

}  // namespace
}  // namespace orx::test
