#pragma once

#include "tools/common/ToolsExport.h"
#include "tools/textbox/Templates.h"

#include <QEventLoop>
#include <QPointer>
#include <QVariant>
#include <QWidget>

// State that every text box of the library shares: the regional separators,
// read when a control is created or loaded and on SystemSettingRefresh.
namespace orx::tools::textbox {

ORX_TOOLS_EXPORT const Separators& sharedSeparators();
// Reads the separators anew from the regional settings in force.
ORX_TOOLS_EXPORT void ReadSeparators();

// The drop-down state: one list of one text box is open at a time. Owner is
// the text box whose list is open, so that a list closed by another one's
// opening never takes that one's pick; Wait is the loop the owner waits in.
struct ORX_TOOLS_EXPORT DropDownState {
    bool ListOpen = false;
    QVariant ListChoice;
    double SavedHeight = 0;
    bool ListFilling = false;
    QPointer<QWidget> Owner;
    QPointer<QEventLoop> Wait;
    // The box whose list a focus change has just closed, until the events
    // queued at that moment have run. A press on the box's own label gives
    // the focus away (closing the list) before the label sees the press,
    // which must then not open the list again.
    QPointer<QWidget> ClosedByFocus;
};
ORX_TOOLS_EXPORT DropDownState& dropDownState();

}  // namespace orx::tools::textbox
