#include "tools/pages/GroupPages.h"

#include "platform/host/Services.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace orx::tools::pages {

GroupGeneralPage::GroupGeneralPage(Kind kind, QWidget* parent)
    : PropertyPage(QStringLiteral("General"), parent)
{
    const bool check = kind == Kind::CheckBox;
    setObjectName(check ? QStringLiteral("ORXCK_General_PPage") : QStringLiteral("ORXOB_General_PPage"));
    auto* columns = new QHBoxLayout(this);
    auto* form = new QFormLayout;
    columns->addLayout(form);
    if (check) {
        addNumber(form, "EF_NumChecks", "NumChecks", QStringLiteral("NumChecks:"));
        addNumber(form, "EF_CheckBoxesHeight", "CheckBoxesHeight", QStringLiteral("CheckBoxesHeight:"));
    } else {
        addNumber(form, "EF_NumOptions", "NumOptions", QStringLiteral("NumOptions:"));
        addNumber(form, "EF_OptionButtonsHeight", "OptionButtonsHeight", QStringLiteral("OptionButtonsHeight:"));
    }
    addNumber(form, "EF_HorizSpacing", "HorizSpacing", QStringLiteral("HorizSpacing:"));
    addNumber(form, "EF_VertSpacing", "VertSpacing", QStringLiteral("VertSpacing:"));
    if (check)
        addText(form, "EF_ListValue", "ListValue", QStringLiteral("ListValue:"));
    else
        addNumber(form, "EF_ListIndex", "ListIndex", QStringLiteral("ListIndex:"));
    addList(form, "EF_Captions", "Captions", QStringLiteral("Captions:"));
    if (!check)
        addList(form, "EF_ListValues", "ListValues", QStringLiteral("ListValues:"));
    addText(form, "EF_ToolTipText", "ToolTipText", QStringLiteral("ToolTipText:"));
    addText(form, "EF_Tag", "Tag", QStringLiteral("Tag:"));
    addText(form, "EF_TagMore", "TagMore", QStringLiteral("TagMore:"));
    numColsGrid_ = addNumber(form, "EF_NumColsGrid", "NumColsGrid", QStringLiteral("NumColsGrid:"));
    numColsGridLabel_ = qobject_cast<QLabel*>(form->labelForField(numColsGrid_));
    numColsGridLabel_->setObjectName(QStringLiteral("SF_NumColsGrid"));
    auto* checks = new QHBoxLayout;
    addCheck("CK_TabStop", "TabStop", QStringLiteral("TabStop"), this);
    addCheck("CK_Unique", "Unique", QStringLiteral("Unique"), this);
    checks->addWidget(findChild<QCheckBox*>(QStringLiteral("CK_TabStop")));
    checks->addWidget(findChild<QCheckBox*>(QStringLiteral("CK_Unique")));
    form->addRow(checks);

    auto* options = new QGridLayout;
    columns->addLayout(options);
    options->addWidget(addOptions("OB_Appearance", "Appearance", QStringLiteral("Appearance:"),
                                  {QStringLiteral("Flat"), QStringLiteral("3D")}, {0, 1}, this),
                       0, 0);
    borderEffect_ = addBorderEffects(QStringLiteral("BorderEffect:"), this);
    options->addWidget(borderEffect_, 1, 0, 2, 1);
    options->addWidget(addOptions("OB_CaptionAlignment", "CaptionAlignment", QStringLiteral("CaptionAlignment:"),
                                  {tr("Left"), tr("Center"), tr("Right")}, {0, 2, 1}, this),
                       0, 1);
    options->addWidget(addOptions("OB_CaptionPosition", "CaptionPosition", QStringLiteral("CaptionPosition:"),
                                  {tr("Left"), tr("Right")}, {1, 2}, this),
                       1, 1);
    orientation_ = addOptions("OB_Orientation", "Orientation", QStringLiteral("Orientation:"),
                              {tr("Vertical"), tr("Horizontal"), QStringLiteral("Grid")}, {1, 2, 3}, this);
    options->addWidget(orientation_, 2, 1);
    options->addWidget(addOptions("OB_LockSize", "LockSize", QStringLiteral("LockSize:"),
                                  {QStringLiteral("No"), QStringLiteral("Height"), QStringLiteral("Width"),
                                   QStringLiteral("Both")},
                                  {0, 1, 2, 3}, this),
                       3, 0, 1, 2);
    connect(orientation_, &OptionGroup::chosen, this, [this] { showGridColumns(true); });

    const QString count = check ? QStringLiteral("NumChecks") : QStringLiteral("NumOptions");
    const QString height = check ? QStringLiteral("CheckBoxesHeight") : QStringLiteral("OptionButtonsHeight");
    QStringList order{count, height, QStringLiteral("HorizSpacing"), QStringLiteral("VertSpacing"),
                      QStringLiteral("ToolTipText"), QStringLiteral("Tag"), QStringLiteral("TagMore"),
                      QStringLiteral("Captions"), QStringLiteral("Appearance")};
    if (!check)
        order << QStringLiteral("ListValues");
    order << QStringLiteral("CaptionAlignment") << QStringLiteral("CaptionPosition") << QStringLiteral("Orientation")
          << QStringLiteral("BorderEffect") << (check ? QStringLiteral("ListValue") : QStringLiteral("ListIndex"))
          << QStringLiteral("LockSize") << QStringLiteral("NumColsGrid") << QStringLiteral("TabStop")
          << QStringLiteral("Unique");
    setWriteOrder(order);
}

void GroupGeneralPage::afterFill()
{
    showGridColumns(false);
}

void GroupGeneralPage::showGridColumns(bool moveFocus)
{
    const bool grid = orientation_->value() == 3;
    numColsGrid_->setVisible(grid);
    numColsGridLabel_->setVisible(grid);
    // Only the designer's own choice of the grid moves the focus, never the fill.
    if (grid && moveFocus && isVisible())
        host::giveFocus(numColsGrid_);
}

}  // namespace orx::tools::pages
