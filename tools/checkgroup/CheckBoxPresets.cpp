// The check box group's presets in ORX_ChkBox.INI: a new control starting
// from them; the design-time commands are GroupControl's.
#include "tools/checkgroup/ORXCheckBox_p.h"

#include "tools/checkgroup/GroupPresets.h"
#include "tools/common/PropertyTable.h"
#include "tools/common/SettingsFiles.h"

namespace orx::tools {

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

void ORXCheckBox::readPresetKeys(const QString& section, std::span<const char* const> keys)
{
    groups::readPresets(*this, properties(), CheckBoxSettings, section, keys);
}

bool ORXCheckBox::writePresetKeys(const QString& section, std::span<const char* const> keys) const
{
    return groups::writePresets(*this, properties(), CheckBoxSettings, section, keys);
}

}  // namespace orx::tools
