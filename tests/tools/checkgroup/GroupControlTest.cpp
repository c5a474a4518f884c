// What both group controls take from GroupControl, checked on each: the
// class their errors and messages name, the order their meta-objects list
// their properties in, the keys of their preset files and the data names
// a bound group writes.
#include "tests/tools/checkgroup/GroupTestSupport.h"

#include "platform/app/Application.h"
#include "platform/host/Services.h"
#include "tools/checkgroup/GroupControl.h"
#include "tools/checkgroup/ORXCheckBox.h"
#include "tools/common/Library.h"
#include "tools/optiongroup/ORXOptionButton.h"

#include <QMetaProperty>
#include <QRegularExpression>

namespace orx::test {
namespace {

using tools::groups::GroupControl;

class GroupControls : public GroupFixture {
protected:
    struct Kind {
        const char* className;
        const char* presetFile;
        const char* countKey;
        const char* heightKey;
        std::function<GroupControl*(const QString& name)> place;
    };

    std::vector<Kind> kinds()
    {
        return {
            {"ORXCheckBox", "ORX_ChkBox.INI", "NumChecks", "CheckBoxesHeight",
             [this](const QString& name) { return place<tools::ORXCheckBox>(name); }},
            {"ORXOptionButton", "ORX_OptBtn.INI", "NumOptions", "OptionButtonsHeight",
             [this](const QString& name) { return place<tools::ORXOptionButton>(name); }},
        };
    }

    // The keys of a section of a preset file, in file order.
    QStringList keysOf(const char* file, const QString& section)
    {
        QStringList keys;
        bool inside = false;
        const QString text = QString::fromLatin1(readFile(file));
        for (const QString& line : text.split(QRegularExpression(QStringLiteral("\r?\n")))) {
            if (line.startsWith(QLatin1Char('[')))
                inside = line == QLatin1Char('[') + section + QLatin1Char(']');
            else if (inside && line.contains(QLatin1Char('=')))
                keys << line.section(QLatin1Char('='), 0, 0);
        }
        return keys;
    }
};

TEST_F(GroupControls, ErrorsAndTheAboutBoxNameTheConcreteClass)
{
    for (const Kind& k : kinds()) {
        GroupControl* c = k.place(QLatin1String(k.className));
        const QString name = QLatin1String(k.className);
        const std::pair<const char*, std::function<void()>> uses[] = {
            {"DesignHeight", [c] { c->setDesignHeight(10); }},
            {"DesignWidth", [c] { c->setDesignWidth(10); }},
            {"SaveSettings", [c] { c->setSaveSettings(true); }},
            {"LoadOrientationSettings", [c] { (void)c->LoadOrientationSettings(); }},
        };
        for (const auto& [member, use] : uses) {
            const auto error = errorOf(use);
            ASSERT_TRUE(error.has_value()) << k.className << member;
            EXPECT_EQ(error->number(), 393);
            EXPECT_EQ(error->source(), name + QLatin1Char('.') + QLatin1String(member));
        }
        QMetaObject::invokeMethod(c, "ShowAboutBox");
        EXPECT_EQ(lastMessage(),
                  QStringList({tools::App().productName() + QLatin1Char('\n') + name + QStringLiteral(", version ")
                                   + app::Application::versionText(),
                               QString::number(host::mb::Information), QStringLiteral("About ") + name}));
    }
}

TEST_F(GroupControls, EachControlDeclaresEveryPropertyItself)
{
    // Designer writes a form's properties, and uic sets them, in
    // meta-object order, where a base class's properties would come first;
    // the type library lists them so too.
    EXPECT_EQ(GroupControl::staticMetaObject.propertyCount(), host::UserControl::staticMetaObject.propertyCount());
    const QStringList shared{"BackColor", "Captions", "DataIndex", "DataName", "DesignHeight", "DesignWidth",
                             "Enabled", "Font", "ForeColor", "HasFocus", "HorizSpacing", "LoadOrientationSettings",
                             "Locked", "MouseIcon", "MousePointer", "NumColsGrid", "ResetSettings", "SaveSettings",
                             "TabStop", "Tag", "TagMore", "ToolTipText", "Unique", "VersionName", "VersionNumber"};
    for (const Kind& k : kinds()) {
        GroupControl* c = k.place(QLatin1String(k.className));
        const QMetaObject* mo = c->metaObject();
        QStringList names;
        for (int i = mo->propertyOffset(); i < mo->propertyCount(); ++i)
            names << QString::fromLatin1(mo->property(i).name());
        // The interface begins with Appearance, a member of the control's
        // own type, not with a shared one.
        ASSERT_FALSE(names.isEmpty());
        EXPECT_EQ(names.first(), QStringLiteral("Appearance")) << k.className;
        for (const QString& s : shared)
            EXPECT_TRUE(names.contains(s)) << k.className << ": " << s.toStdString();
        EXPECT_TRUE(names.contains(QLatin1String(k.countKey)) && names.contains(QLatin1String(k.heightKey)));
    }
}

TEST_F(GroupControls, SavedPresetsHoldTheirKeysInFileOrder)
{
    setUserMode(false);
    for (const Kind& k : kinds()) {
        GroupControl* c = k.place(QLatin1String(k.className));
        c->setSaveSettings(true);
        const QString information = QString::number(host::mb::Information);
        EXPECT_EQ(lastMessage(), QStringList({"Properties Saved.", information, k.className}));
        EXPECT_EQ(keysOf(k.presetFile, QStringLiteral("General")),
                  QStringList({"Appearance", "BackColor", "BorderEffect", "BorderStyle", "Font.Bold", "Font.Charset",
                               "Font.Italic", "Font.Name", "Font.Size", "Font.Strikethrough", "Font.Underline",
                               "Font.Weight", "ForeColor", "LockSize", "NumColsGrid", k.countKey, "Orientation",
                               "Unique"}))
            << k.className;
        EXPECT_EQ(keysOf(k.presetFile, QStringLiteral("1Orientation")),
                  QStringList({"CaptionAlignment", "CaptionPosition", "HorizSpacing", k.heightKey, "VertSpacing"}))
            << k.className;

        // Loading the section back takes the file's values.
        writeFile(k.presetFile, "[1Orientation]\r\nHorizSpacing=150\r\n");
        c->setLoadOrientationSettings(true);
        EXPECT_EQ(c->HorizSpacing(), 150) << k.className;
        EXPECT_EQ(lastMessage(), QStringList({"Properties Loaded.", information, k.className}));
        c->setResetSettings(true);
        EXPECT_FALSE(QFile::exists(file(k.presetFile))) << k.className;
    }
}

TEST_F(GroupControls, ABoundGroupWritesTheNamesOfItsDataSource)
{
    for (const Kind& k : kinds()) {
        GroupControl* c = k.place(QLatin1String(k.className));
        c->setDataName(QStringLiteral("Old"));
        host::PropertyBag unbound;
        c->WriteProperties(unbound);
        EXPECT_EQ(unbound.value(QStringLiteral("DataName")).toString(), QStringLiteral("Old")) << k.className;

        c->extender()->setDataField(QStringLiteral("Kind"));
        c->extender()->setDataSource(QStringLiteral("Orders(7)"));
        host::PropertyBag bound;
        c->WriteProperties(bound);
        EXPECT_EQ(bound.value(QStringLiteral("DataName")).toString(), QStringLiteral("Orders")) << k.className;
        EXPECT_EQ(bound.value(QStringLiteral("DataIndex")).toString(), QStringLiteral("7")) << k.className;
        EXPECT_EQ(c->DataName(), QStringLiteral("Orders")) << k.className;
    }
}

}  // namespace
}  // namespace orx::test
