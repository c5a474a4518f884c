#include "tools/common/Components.h"

#include "tools/button/ORXCommandButton.h"
#include "tools/checkgroup/ORXCheckBox.h"
#include "tools/currency/ORXCurrencies.h"
#include "tools/optiongroup/ORXOptionButton.h"
#include "tools/pages/ButtonPages.h"
#include "tools/pages/GroupPages.h"
#include "tools/pages/TextBoxPages.h"
#include "tools/currency/ORXList.h"
#include "tools/textbox/ORXTextBox.h"

#include <iterator>

namespace orx::tools {

namespace {

using com::ClassInfo;
using com::ClassKind;

ClassInfo control(const char* name, const char* clsid, const char* iid, const char* eventIid)
{
    return com::classRow(name, clsid, iid, ClassKind::Control, QStringLiteral("control"), true, eventIid);
}

ClassInfo dependent(const char* name, const char* clsid, const char* iid, const char* kindText)
{
    return com::classRow(name, clsid, iid, ClassKind::Class, QString::fromLatin1(kindText), false);
}

template <class Page>
ClassInfo page(const char* name, const char* clsid, const char* iid)
{
    ClassInfo row = com::classRow(name, clsid, iid, ClassKind::PropertyPage, QStringLiteral("property page"), true);
    com::setBuilt<Page>(row, {}, &ToolsServer);
    return row;
}

com::TypeLibrary build()
{
    com::TypeLibrary lib;
    lib.name = QStringLiteral("ORX_Tools_OCXs");
    lib.guid = com::guid("{C5916142-CC3A-4905-BA7C-463830F93248}");
    lib.fileName = QStringLiteral("libORX_Tools.so");
    ClassInfo textBox = control("ORXTextBox", "{90FE4057-D1A2-4CAA-8CA7-5D978310AB47}",
                                "{ED3EF88B-9A49-4936-A253-AB4B770C05A3}", "{0C9CA210-CC86-46C6-8609-9E7D124F35BB}");
    // Text is the default member; the events are numbered 1 to 17.
    QList<com::DispatchId> textBoxIds = {{0, QStringLiteral("Text")}};
    const char* const textBoxEvents[] = {"Change", "ChangeValueFetch", "CheckBoxClick", "Click", "ComboButtonClick",
                                         "ComboSelected", "DblClick", "EndOfLine", "Invalid", "MouseDown", "MouseMove",
                                         "MouseUp", "KeyDown", "KeyEnterPressed", "KeyPress", "KeyUp", "OutOfRange"};
    for (int i = 0; i < 17; ++i)
        textBoxIds.append({i + 1, QString::fromLatin1(textBoxEvents[i])});
    com::setBuilt<ORXTextBox>(textBox, textBoxIds, &ToolsServer);
    // The groups: Value is the default member; the events are numbered in
    // their order, 1 to 12 and 1 to 11.
    ClassInfo checkBox = control("ORXCheckBox", "{E93E465B-7B00-43B8-859F-2BEECF139577}",
                                 "{67C42A17-B13A-42C4-B858-ED8F219F09B5}", "{41EB2855-8B38-455F-ACE7-8359B370CF5E}");
    QList<com::DispatchId> checkBoxIds = {{0, QStringLiteral("Value")}};
    const char* const checkBoxEvents[] = {"MouseDown", "MouseMove", "MouseUp", "Change", "Click", "DblClick",
                                          "KeyDown", "KeyPress", "KeyUp", "KeyEnterPressed", "CheckGotFocus",
                                          "CheckLostFocus"};
    for (int i = 0; i < 12; ++i)
        checkBoxIds.append({i + 1, QString::fromLatin1(checkBoxEvents[i])});
    com::setBuilt<ORXCheckBox>(checkBox, checkBoxIds, &ToolsServer);
    ClassInfo optionButton = control("ORXOptionButton", "{9EF0DC6D-60CF-4D4A-9A3D-10F587AB6BAF}",
                                     "{F1B03D03-D569-4CFB-AA15-287D680E377C}", "{17B875E5-850D-4237-ADEF-F01354231E4D}");
    QList<com::DispatchId> optionButtonIds = {{0, QStringLiteral("Value")}};
    const char* const optionButtonEvents[] = {"MouseDown", "MouseMove", "MouseUp", "Click", "DblClick", "KeyDown",
                                              "KeyPress", "KeyUp", "KeyEnterPressed", "OptionGotFocus",
                                              "OptionLostFocus"};
    for (int i = 0; i < 11; ++i)
        optionButtonIds.append({i + 1, QString::fromLatin1(optionButtonEvents[i])});
    com::setBuilt<ORXOptionButton>(optionButton, optionButtonIds, &ToolsServer);
    ClassInfo commandButton = control("ORXCommandButton", "{6FB22024-A021-4F26-9773-178A9888718C}",
                                      "{0C10BC0F-1F93-4FDC-886F-BC49DBD2337E}", "{9E734EAC-4D63-4544-8542-CC02CEDE4807}");
    // Value is the default member, Enabled and ShowAboutBox take the
    // standard identifiers; the other properties are numbered from the end
    // of the interface upwards from 0x68030000 (VertSpacing) to 0x68030025
    // (Appearance). The events are numbered 1 to 9.
    QList<com::DispatchId> commandButtonIds = {{0, QStringLiteral("Value")},
                                               {-514, QStringLiteral("Enabled")},
                                               {-552, QStringLiteral("ShowAboutBox")},
                                               {0x60030049, QStringLiteral("ResetDesignSize")}};
    const char* const commandButtonProperties[] = {
        "VertSpacing", "VersionNumber", "VersionName", "UpPicture", "ToolTipText", "TagMore", "Tag", "TabStop",
        "ShowFocusRect", "Shape", "SaveSettings", "ResetSettings", "PicturePosition", "Picture", "MousePointer",
        "MouseIcon", "LockSize", "hwnd", "hdc", "HorizSpacing", "HasFocus", "ForeColor", "Font", "DownPicture",
        "DisabledPicture", "DesignWidth", "DesignHeight", "Default", "Captions", "Caption", "CapIndex",
        "CapAlignment", "CapCount", "Cancel", "BorderStyle", "BackColor", "AutoScroll", "Appearance"};
    for (int i = 0; i < int(std::size(commandButtonProperties)); ++i)
        commandButtonIds.append({0x68030000 + i, QString::fromLatin1(commandButtonProperties[i])});
    const char* const commandButtonEvents[] = {"Click",   "MouseDown", "MouseMove",       "MouseUp",       "KeyDown",
                                               "KeyPress", "KeyUp",     "KeyEnterPressed", "ScrollCaptions"};
    for (int i = 0; i < int(std::size(commandButtonEvents)); ++i)
        commandButtonIds.append({i + 1, QString::fromLatin1(commandButtonEvents[i])});
    com::setBuilt<ORXCommandButton>(commandButton, commandButtonIds, &ToolsServer);
    ClassInfo currency = dependent("ORXCurrency", "{BC70B20C-8FCE-45C5-BEA9-6BF59DBA783D}",
                                   "{C0B40802-D616-42E7-AA4F-C31E9BB649A1}",
                                   "class obtained from a text box or a currency collection");
    com::setBuilt<ORXCurrency>(currency, {{0, QStringLiteral("Name")}}, &ToolsServer);
    ClassInfo currencies = dependent("ORXCurrencies", "{C65D7506-1806-4C8C-90B8-4E5A3A26E68F}",
                                     "{F1CEE93A-55C8-4A18-8766-A111780BF158}", "class obtained from a text box");
    com::setBuilt<ORXCurrencies>(currencies, {{0, QStringLiteral("Count")}}, &ToolsServer);
    ClassInfo list = dependent("ORXList", "{306E2926-81F6-4CC1-AC04-1A13512B5F59}",
                               "{EF94633D-7DAD-48D2-AF87-953A322B5C8B}", "class obtained from a text box");
    com::setBuilt<ORXList>(list, {}, &ToolsServer);
    lib.classes = {
        textBox,
        checkBox,
        optionButton,
        commandButton,
        currency,
        currencies,
        list,
        page<pages::ORXTX_General_PPage>("ORXTX_General_PPage", "{D5979A79-4AB1-44C6-A04A-CB896F3CE6EE}", "{C84DB483-5E34-4CD2-8122-F3D31CA60EA5}"),
        page<pages::ORXTX_Appearance_PPage>("ORXTX_Appearance_PPage", "{2B97AF38-5992-45BC-BCEA-68B74E4E3DCD}", "{0662867A-831A-499F-A545-97B2298521DD}"),
        page<pages::ORXTX_Characters_PPage>("ORXTX_Characters_PPage", "{2BB241F9-2C71-4284-BC7A-DA12242B2476}", "{07017EA4-0C74-409A-B835-2B366C0FBFCE}"),
        page<pages::ORXTX_Templates_PPage>("ORXTX_Templates_PPage", "{2A407DD2-4DFE-41C3-9027-45E61010CEF8}", "{4A79F3A8-9D8F-4968-958C-4CB92A14088A}"),
        page<pages::ORXCK_General_PPage>("ORXCK_General_PPage", "{D413C715-82EB-480B-9522-D0E115AD7AED}", "{38799AC7-764B-41E8-ACA1-DB35251F5180}"),
        page<pages::ORXOB_General_PPage>("ORXOB_General_PPage", "{38B07DD3-9A78-4EA2-845A-B3B61411C465}", "{5285DF32-5BD9-4AD9-B73A-7430E7E60163}"),
        page<pages::ORXCM_General_PPage>("ORXCM_General_PPage", "{AD9E4D1C-6028-4D45-B304-B4967BA512A1}", "{846AFA37-681D-4EC1-965B-9A1225A72D6D}"),
        page<pages::ORXCM_Appearance_PPage>("ORXCM_Appearance_PPage", "{322BCCEC-D84E-4148-8EAA-7D8EECF4CFDB}", "{918D2F58-C559-48A5-83E9-480032EF26FA}"),
    };
    return lib;
}

}  // namespace

ORX_DEFINE_COMPONENT_LIBRARY(ToolsTypeLibrary, ToolsServer, build)

}  // namespace orx::tools

ORX_DEFINE_SERVER_EXPORTS(orx::tools::ToolsServer, orx::tools::ToolsTypeLibrary)
