// The check box group's presets in ORX_ChkBox.INI: a new control starting
// from them, and the design-time commands that save, load and delete them.
#include "tools/checkgroup/ORXCheckBox_p.h"

#include "tools/checkgroup/GroupPresets.h"
#include "tools/common/PropertyTable.h"
#include "tools/common/SettingsFiles.h"

namespace orx::tools {

namespace {

const QString General = QStringLiteral("General");

}  // namespace

// A new control: its fields cleared, the "General" presets over the
// built-in defaults, then the section of its orientation; the caption
// alignment and item height always start at 0 and 195.
void ORXCheckBox::InitProperties()
{
    d->clickHandling = false;
    applyNewControlDefaults();
    readNewControlPresets();
    LoadOrientationSection();
    group_->items->setAlignment(ORXCK_Left_CaptAlign);
    group_->items->setItemHeight(groups::MinItemHeight);
    group_->items->setBackColor(group_->items->backColor());
    group_->items->setForeColor(group_->items->foreColor());
    d->focusIndex = 0;
    Resize();
    // The control's own set-up is over: from here on a click on an item is
    // the user's, and the group values follow it.
    d->clickHandling = true;
}

void ORXCheckBox::readNewControlPresets()
{
    groups::readPresets(*this, properties(), CheckBoxSettings, General,
                        {"Appearance", "BackColor", "BorderEffect", "BorderStyle", "Font.Bold", "Font.Charset",
                         "Font.Italic", "Font.Name", "Font.Size", "Font.Strikethrough", "Font.Underline", "Font.Weight",
                         "ForeColor", "LockSize", "NumColsGrid", "NumChecks", "Orientation", "Unique"});
}

void ORXCheckBox::LoadOrientationSection()
{
    groups::readPresets(*this, properties(), CheckBoxSettings, groups::orientationSection(group_->orientation_),
                        {"CaptionAlignment", "CaptionPosition", "HorizSpacing", "CheckBoxesHeight", "VertSpacing"});
}

// ---- The three design-time commands ---------------------------------------

// At run time they are refused; at design time they act on any assignment
// and always read false.
bool ORXCheckBox::LoadOrientationSettings() const
{
    refuseAtRunTime("LoadOrientationSettings");
    return false;
}

void ORXCheckBox::setLoadOrientationSettings(bool)
{
    refuseAtRunTime("LoadOrientationSettings");
    const QString title = groups::presetTitle(this, "ORXCheckBox");
    if (!groups::presetsExist(CheckBoxSettings, title))
        return;
    LoadOrientationSection();
    LayoutItems();
    groups::announceLoaded(title);
}

bool ORXCheckBox::ResetSettings() const
{
    refuseAtRunTime("ResetSettings");
    return false;
}

void ORXCheckBox::setResetSettings(bool)
{
    refuseAtRunTime("ResetSettings");
    groups::deletePresets(CheckBoxSettings, groups::presetTitle(this, "ORXCheckBox"));
}

bool ORXCheckBox::SaveSettings() const
{
    refuseAtRunTime("SaveSettings");
    return false;
}

void ORXCheckBox::setSaveSettings(bool)
{
    refuseAtRunTime("SaveSettings");
    const PropertyTable<ORXCheckBox>& table = properties();
    bool written = groups::writePresets(
        *this, table, CheckBoxSettings, General,
        {"Appearance", "BackColor", "BorderEffect", "BorderStyle", "Font.Bold", "Font.Charset", "Font.Italic",
         "Font.Name", "Font.Size", "Font.Strikethrough", "Font.Underline", "Font.Weight", "ForeColor", "LockSize",
         "NumColsGrid", "NumChecks", "Orientation", "Unique"});
    written = groups::writePresets(*this, table, CheckBoxSettings, groups::orientationSection(group_->orientation_),
                                   {"CaptionAlignment", "CaptionPosition", "HorizSpacing", "CheckBoxesHeight",
                                    "VertSpacing"})
        && written;
    groups::announceSaved(written, CheckBoxSettings, groups::presetTitle(this, "ORXCheckBox"));
}

}  // namespace orx::tools
