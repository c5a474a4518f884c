#pragma once

#include "tools/common/ToolsExport.h"

// The preset files of the two group controls (ORX_ChkBox.INI and
// ORX_OptBtn.INI): sections of keys written from and read into a control
// through its property table, and the messages of the design-time commands.
#include "tools/common/PropertyTable.h"
#include "tools/common/SettingsFiles.h"

#include <QString>

#include <array>
#include <span>

namespace orx::host {
class UserControl;
}

namespace orx::tools::groups {

// The section of an orientation: "1Orientation", "2Orientation", ...
ORX_TOOLS_EXPORT QString orientationSection(int orientation);

// The keys of the "General" section, with the control's count key
// (NumChecks, NumOptions), and of an orientation's section, with its item
// height key (CheckBoxesHeight, OptionButtonsHeight); in file order.
ORX_TOOLS_EXPORT std::array<const char*, 18> generalPresetKeys(const char* countKey);
ORX_TOOLS_EXPORT std::array<const char*, 5> orientationPresetKeys(const char* heightKey);

// Writes the keys to a section; false when any could not be written.
template <class Owner>
bool writePresets(const Owner& owner, const PropertyTable<Owner>& table, const char* base, const QString& section,
                  std::span<const char* const> keys)
{
    bool written = true;
    for (const char* key : keys) {
        const auto& entry = table.entry(key);
        written = WriteSettingsKey(QLatin1String(base), section, QLatin1String(key),
                                   PropertyTable<Owner>::presetValue(owner, entry))
            && written;
    }
    return written;
}

// Reads the keys of a section into the control. A key the file lacks, or
// holds a value its range rule refuses (a hand-edited file), takes the
// key's default; a key without one keeps what the control has.
template <class Owner>
void readPresets(Owner& owner, const PropertyTable<Owner>& table, const char* base, const QString& section,
                 std::span<const char* const> keys)
{
    using Table = PropertyTable<Owner>;
    for (const char* key : keys) {
        const auto& entry = table.entry(key);
        const QVariant stored = ReadSettingsKey(QLatin1String(base), section, QLatin1String(key), QVariant());
        if (const std::optional<QVariant> v = Table::fromPreset(owner, entry, stored))
            Table::set(owner, entry, *v);
        else if (const QVariant def = Table::defaultOf(owner, entry); def.isValid())
            Table::set(owner, entry, def);
    }
}

// The messages of the design-time commands, titled with the control's
// instance name (its class name when it has none).
ORX_TOOLS_EXPORT QString presetTitle(const host::UserControl* control, const QString& className);
ORX_TOOLS_EXPORT void announceSaved(bool written, const char* base, const QString& title);
// Deletes the file and says whether it is gone.
ORX_TOOLS_EXPORT void deletePresets(const char* base, const QString& title);
// Whether the file exists; when not, says so.
ORX_TOOLS_EXPORT bool presetsExist(const char* base, const QString& title);
ORX_TOOLS_EXPORT void announceLoaded(const QString& title);

}  // namespace orx::tools::groups
