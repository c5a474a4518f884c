// The option button group's presets in ORX_OptBtn.INI: a new control starting
// from them; the design-time commands are GroupControl's.
#include "tools/optiongroup/ORXOptionButton_p.h"

#include "tools/checkgroup/GroupPresets.h"
#include "tools/common/PropertyTable.h"
#include "tools/common/SettingsFiles.h"

namespace orx::tools {

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

void ORXOptionButton::readPresetKeys(const QString& section, std::span<const char* const> keys)
{
    groups::readPresets(*this, properties(), OptionButtonSettings, section, keys);
}

bool ORXOptionButton::writePresetKeys(const QString& section, std::span<const char* const> keys) const
{
    return groups::writePresets(*this, properties(), OptionButtonSettings, section, keys);
}

}  // namespace orx::tools
