// The option button group's presets in ORX_OptBtn.INI: a new control starting
// from them, and the design-time commands that save, load and delete them.
#include "tools/optiongroup/ORXOptionButton_p.h"

#include "tools/checkgroup/GroupPresets.h"
#include "tools/common/PropertyTable.h"
#include "tools/common/SettingsFiles.h"

namespace orx::tools {

namespace {

const QString General = QStringLiteral("General");

}  // namespace

// A new control: its fields cleared, the "General" presets over the
// built-in defaults, then the section of its orientation. The caption
// alignment from the file stays; the options and their labels start at
// one height, 195, as a check box group's items do.
void ORXOptionButton::InitProperties()
{
    applyNewControlDefaults();
    readNewControlPresets();
    LoadOrientationSection();
    group_->items->setItemHeight(groups::MinItemHeight);
    Resize();
    // Missing list values default to the options' indexes.
    ApplyListValues();
}

void ORXOptionButton::readNewControlPresets()
{
    groups::readPresets(*this, properties(), OptionButtonSettings, General,
                        {"Appearance", "BackColor", "BorderEffect", "BorderStyle", "Font.Bold", "Font.Charset",
                         "Font.Italic", "Font.Name", "Font.Size", "Font.Strikethrough", "Font.Underline", "Font.Weight",
                         "ForeColor", "LockSize", "NumColsGrid", "NumOptions", "Orientation", "Unique"});
}

void ORXOptionButton::LoadOrientationSection()
{
    groups::readPresets(*this, properties(), OptionButtonSettings, groups::orientationSection(group_->orientation_),
                        {"CaptionAlignment", "CaptionPosition", "HorizSpacing", "OptionButtonsHeight", "VertSpacing"});
}

// ---- The three design-time commands ---------------------------------------

// At run time they are refused; at design time they act on any assignment
// and always read false.
bool ORXOptionButton::LoadOrientationSettings() const
{
    refuseAtRunTime("LoadOrientationSettings");
    return false;
}

void ORXOptionButton::setLoadOrientationSettings(bool)
{
    refuseAtRunTime("LoadOrientationSettings");
    const QString title = groups::presetTitle(this, "ORXOptionButton");
    if (!groups::presetsExist(OptionButtonSettings, title))
        return;
    LoadOrientationSection();
    LayoutItems();
    groups::announceLoaded(title);
}

bool ORXOptionButton::ResetSettings() const
{
    refuseAtRunTime("ResetSettings");
    return false;
}

void ORXOptionButton::setResetSettings(bool)
{
    refuseAtRunTime("ResetSettings");
    groups::deletePresets(OptionButtonSettings, groups::presetTitle(this, "ORXOptionButton"));
}

bool ORXOptionButton::SaveSettings() const
{
    refuseAtRunTime("SaveSettings");
    return false;
}

void ORXOptionButton::setSaveSettings(bool)
{
    refuseAtRunTime("SaveSettings");
    const PropertyTable<ORXOptionButton>& table = properties();
    bool written = groups::writePresets(
        *this, table, OptionButtonSettings, General,
        {"Appearance", "BackColor", "BorderEffect", "BorderStyle", "Font.Bold", "Font.Charset", "Font.Italic",
         "Font.Name", "Font.Size", "Font.Strikethrough", "Font.Underline", "Font.Weight", "ForeColor", "LockSize",
         "NumColsGrid", "NumOptions", "Orientation", "Unique"});
    written = groups::writePresets(*this, table, OptionButtonSettings, groups::orientationSection(group_->orientation_),
                                   {"CaptionAlignment", "CaptionPosition", "HorizSpacing", "OptionButtonsHeight",
                                    "VertSpacing"})
        && written;
    groups::announceSaved(written, OptionButtonSettings, groups::presetTitle(this, "ORXOptionButton"));
}

}  // namespace orx::tools
