#pragma once

// The General pages of the check box group and the option button group:
// one layout, the fields following each control's properties.
#include "tools/pages/PropertyPage.h"

class QLabel;
class QLineEdit;

namespace orx::tools::pages {

class ORX_TOOLS_EXPORT GroupGeneralPage : public PropertyPage {
    Q_OBJECT

public:
    enum class Kind { CheckBox, OptionButton };
    explicit GroupGeneralPage(Kind kind, QWidget* parent = nullptr);

protected:
    void afterFill() override;

private:
    void showGridColumns(bool moveFocus);

    OptionGroup* orientation_ = nullptr;
    OptionGroup* borderEffect_ = nullptr;
    QLineEdit* numColsGrid_ = nullptr;
    QLabel* numColsGridLabel_ = nullptr;
};

// ORXCK_General_PPage, for ORXCheckBox.
class ORX_TOOLS_EXPORT ORXCK_General_PPage : public GroupGeneralPage {
    Q_OBJECT
public:
    explicit ORXCK_General_PPage(QWidget* parent = nullptr)
        : GroupGeneralPage(Kind::CheckBox, parent)
    {
    }
};

// ORXOB_General_PPage, for ORXOptionButton.
class ORX_TOOLS_EXPORT ORXOB_General_PPage : public GroupGeneralPage {
    Q_OBJECT
public:
    explicit ORXOB_General_PPage(QWidget* parent = nullptr)
        : GroupGeneralPage(Kind::OptionButton, parent)
    {
    }
};

}  // namespace orx::tools::pages
