// The check box group's presets in ORX_ChkBox.INI: what a new control takes
// from them, the design-time commands, and hand-edited values.
#include "tests/tools/checkgroup/GroupTestSupport.h"

#include "platform/host/Services.h"
#include "tools/checkgroup/ORXCheckBox.h"

#include <QCheckBox>

namespace orx::test {
namespace {

using tools::ORXCheckBox;
using CK = ORXCheckBox;

// The keys of one section of a profile file, in file order.
QStringList keysOf(const QByteArray& file, const QString& name)
{
    QStringList keys;
    bool inside = false;
    for (const QByteArray& raw : file.split('\n')) {
        const QString line = QString::fromUtf8(raw).trimmed();
        if (line.startsWith(QLatin1Char('['))) {
            inside = line == QLatin1Char('[') + name + QLatin1Char(']');
            continue;
        }
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (inside && eq > 0)
            keys << line.left(eq);
    }
    return keys;
}

class CheckBoxPresets : public GroupFixture {
protected:
    void SetUp() override
    {
        GroupFixture::SetUp();
        setUserMode(false);  // presets are a design-time matter
    }
    CK* newGroup(const char* name) { return place<CK>(QString::fromLatin1(name), host::TwipRect{120, 120, 2400, 1200}); }
};

TEST_F(CheckBoxPresets, SavingWritesGeneralThenTheOrientationSection)
{
    CK* c = newGroup("Flags");
    c->setOrientation(CK::ORXCK_Horiz_Orient);
    c->setNumChecks(4);
    c->setCheckBoxesHeight(300);
    c->setSaveSettings(false);  // the value assigned is not looked at
    EXPECT_EQ(lastMessage(), QStringList({"Properties Saved.", QString::number(host::mb::Information), "Flags"}));
    const QByteArray saved = readFile("ORX_ChkBox.INI");
    EXPECT_EQ(keysOf(saved, QStringLiteral("General")),
              QStringList({"Appearance", "BackColor", "BorderEffect", "BorderStyle", "Font.Bold", "Font.Charset",
                           "Font.Italic", "Font.Name", "Font.Size", "Font.Strikethrough", "Font.Underline",
                           "Font.Weight", "ForeColor", "LockSize", "NumColsGrid", "NumChecks", "Orientation", "Unique"}));
    EXPECT_EQ(keysOf(saved, QStringLiteral("2Orientation")),
              QStringList({"CaptionAlignment", "CaptionPosition", "HorizSpacing", "CheckBoxesHeight", "VertSpacing"}));
    EXPECT_FALSE(c->SaveSettings());

    // A new control takes them, but starts with items 195 high and captions
    // aligned left; LoadOrientationSettings then applies the section.
    CK* fresh = newGroup("Fresh");
    EXPECT_EQ(fresh->Orientation(), CK::ORXCK_Horiz_Orient);
    EXPECT_EQ(fresh->NumChecks(), 4);
    EXPECT_EQ(fresh->CheckBoxesHeight(), 195);
    fresh->setLoadOrientationSettings(true);
    EXPECT_EQ(lastMessage(), QStringList({"Properties Loaded.", QString::number(host::mb::Information), "Fresh"}));
    EXPECT_EQ(fresh->CheckBoxesHeight(), 300);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(host::twipGeometry(fresh->checkBox(i)).height, 300) << i;

    fresh->setResetSettings(true);
    EXPECT_EQ(lastMessage(), QStringList({"Saved Properties Deleted.", QString::number(host::mb::Information), "Fresh"}));
    EXPECT_FALSE(QFile::exists(file("ORX_ChkBox.INI")));
    fresh->setLoadOrientationSettings(true);
    EXPECT_EQ(lastMessage(), QStringList({"Properties Are Not Saved.", QString::number(host::mb::Exclamation), "Fresh"}));
}

TEST_F(CheckBoxPresets, NewControlDefaultsWithoutAFile)
{
    CK* c = newGroup("G1");
    EXPECT_EQ(c->NumChecks(), 1);
    EXPECT_EQ(c->Appearance(), tools::ORXCK::ORXCK_3D);
    EXPECT_EQ(c->BorderEffect(), tools::ORXCK::ORXCK_Groove_Frame);
    EXPECT_EQ(c->BackColor(), host::OleColor{host::syscolor::ButtonFace});
    EXPECT_EQ(c->ForeColor(), host::OleColor{host::syscolor::ButtonText});
    EXPECT_EQ(c->CaptionPosition(), CK::ORXCK_Right_CaptPos);
    EXPECT_EQ(c->Captions(), QStringLiteral("G1-0"));
    EXPECT_EQ(c->ListValue(), QStringLiteral("0"));
    EXPECT_EQ(c->Font(), form().ambientFont());
    EXPECT_EQ(c->DesignWidth(), 2400);
}

// Hand-edited values go through the setters' range rules; one that cannot
// be used takes the key's default instead of failing the creation.
TEST_F(CheckBoxPresets, UnusablePresetValuesFallBackToTheDefaults)
{
    struct Case {
        const char* file;
        int numChecks, numColsGrid;
        float height;
    };
    const Case cases[] = {
        {"[General]\r\nNumChecks=0\r\nNumColsGrid=0\r\nOrientation=3\r\n", 1, 1, 195},
        {"[General]\r\nNumChecks=abc\r\nNumColsGrid=-4\r\nOrientation=3\r\n", 1, 1, 195},
        {"[General]\r\nNumChecks=6\r\nNumColsGrid=3\r\nOrientation=3\r\n[3Orientation]\r\nHorizSpacing=x\r\n", 6, 3, 195},
        {"[General]\r\nNumChecks=99999\r\n", 1, 1, 195},
    };
    for (const Case& c : cases) {
        writeFile("ORX_ChkBox.INI", c.file);
        CK* g = newGroup("G");
        EXPECT_EQ(g->NumChecks(), c.numChecks) << c.file;
        EXPECT_EQ(g->NumColsGrid(), c.numColsGrid) << c.file;
        EXPECT_EQ(g->HorizSpacing(), 60) << c.file;
        EXPECT_EQ(g->CheckBoxesHeight(), c.height) << c.file;
        form().removeControl(g);
    }
    // A section height below the least is refused by the command as by the setter.
    writeFile("ORX_ChkBox.INI", "[1Orientation]\r\nCheckBoxesHeight=20\r\n");
    CK* g = newGroup("G");
    g->setLoadOrientationSettings(true);
    EXPECT_EQ(g->CheckBoxesHeight(), 195);
}

TEST_F(CheckBoxPresets, HasFocusCannotBeSetAndReadsBackFromTheBag)
{
    CK* c = newGroup("G1");
    c->setHasFocus(true);
    EXPECT_FALSE(c->HasFocus());
    host::PropertyBag bag;
    bag.setValue(QStringLiteral("HasFocus"), true);
    c->ReadProperties(bag);
    EXPECT_TRUE(c->HasFocus());
}

}  // namespace
}  // namespace orx::test
