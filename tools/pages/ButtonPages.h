#pragma once

// The two pages of the command button.
#include "tools/pages/PropertyPage.h"

namespace orx::tools::pages {

class ORX_TOOLS_EXPORT ORXCM_General_PPage : public PropertyPage {
    Q_OBJECT
public:
    explicit ORXCM_General_PPage(QWidget* parent = nullptr);
};

class ORX_TOOLS_EXPORT ORXCM_Appearance_PPage : public PropertyPage {
    Q_OBJECT
public:
    explicit ORXCM_Appearance_PPage(QWidget* parent = nullptr);
};

}  // namespace orx::tools::pages
