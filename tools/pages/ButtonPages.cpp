#include "tools/pages/ButtonPages.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace orx::tools::pages {

ORXCM_General_PPage::ORXCM_General_PPage(QWidget* parent)
    : PropertyPage(QStringLiteral("General"), parent)
{
    setObjectName(QStringLiteral("ORXCM_General_PPage"));
    auto* columns = new QHBoxLayout(this);
    auto* form = new QFormLayout;
    columns->addLayout(form);
    addList(form, "EF_Captions", "Captions", QStringLiteral("Captions:"));
    addNumber(form, "EF_CapIndex", "CapIndex", QStringLiteral("CapIndex:"));
    addNumber(form, "EF_HorizSpacing", "HorizSpacing", QStringLiteral("HorizSpacing:"));
    addNumber(form, "EF_VertSpacing", "VertSpacing", QStringLiteral("VertSpacing:"));
    addText(form, "EF_Tag", "Tag", QStringLiteral("Tag:"));
    addText(form, "EF_TagMore", "TagMore", QStringLiteral("TagMore:"));
    addText(form, "EF_ToolTipText", "ToolTipText", QStringLiteral("ToolTipText:"));
    auto* checks = new QVBoxLayout;
    columns->addLayout(checks);
    checks->addWidget(addCheck("CK_AutoScroll", "AutoScroll", QStringLiteral("AutoScroll"), this));
    checks->addWidget(addCheck("CK_TabStop", "TabStop", QStringLiteral("TabStop"), this));
    checks->addWidget(addCheck("CK_ShowFocusRect", "ShowFocusRect", QStringLiteral("ShowFocusRect"), this));
    checks->addWidget(addCheck("CK_Cancel", "Cancel", QStringLiteral("Cancel"), this));
    checks->addWidget(addCheck("CK_Default", "Default", QStringLiteral("Default"), this));
    checks->addStretch();
    // The captions first: CapIndex is checked against their count.
    setWriteOrder({QStringLiteral("Captions"), QStringLiteral("CapIndex")});
}

ORXCM_Appearance_PPage::ORXCM_Appearance_PPage(QWidget* parent)
    : PropertyPage(QStringLiteral("Appearance"), parent)
{
    setObjectName(QStringLiteral("ORXCM_Appearance_PPage"));
    auto* grid = new QGridLayout(this);
    grid->addWidget(addOptions("OB_Appearance", "Appearance", tr("Appearance"),
                               {QStringLiteral("Flat"), QStringLiteral("3D"), QStringLiteral("HotSpot"),
                                QStringLiteral("Switch Flat"), QStringLiteral("Switch 3D")},
                               {0, 1, 2, 3, 4}, this),
                    0, 0, 2, 1);
    grid->addWidget(addOptions("OB_Shape", "Shape", tr("Shape"), {QStringLiteral("Square"), QStringLiteral("Rounded")},
                               {0, 1}, this),
                    0, 1);
    grid->addWidget(addOptions("OB_BorderStyle", "BorderStyle", tr("BorderStyle"),
                               {QStringLiteral("No Border"), QStringLiteral("Fixed Single")}, {0, 1}, this),
                    1, 1);
    grid->addWidget(addOptions("OB_CapAlign", "CapAlignment", tr("CapAlignment"),
                               {tr("Left"), tr("Center"), tr("Right")}, {0, 2, 1}, this),
                    0, 2);
    grid->addWidget(addOptions("OB_PicturePosition", "PicturePosition", tr("PicturePosition"),
                               {tr("Top"), tr("Right"), tr("Bottom"), tr("Left")}, {0, 1, 2, 3}, this),
                    1, 2);
    grid->addWidget(addOptions("OB_LockSize", "LockSize", tr("LockSize"),
                               {tr("No"), QStringLiteral("Height"), QStringLiteral("Width"), QStringLiteral("Both")},
                               {0, 1, 2, 3}, this),
                    2, 0, 1, 3);
    // The shape first: the hot-spot look squares the face as it is stored.
    setWriteOrder({QStringLiteral("Shape"), QStringLiteral("Appearance")});
}

}  // namespace orx::tools::pages
