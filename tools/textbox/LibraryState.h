#pragma once

#include "tools/textbox/Templates.h"

// State that every text box of the library shares: the regional separators,
// read when a control is created or loaded and on SystemSettingRefresh.
namespace orx::tools::textbox {

const Separators& sharedSeparators();
// Reads the separators anew from the regional settings in force.
void ReadSeparators();

}  // namespace orx::tools::textbox
