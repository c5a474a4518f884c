#pragma once

#include "platform/app/Application.h"

// The enumerations of the report type library (32-bit values). Sort
// directions, group conditions and export formats have the report runtime's
// own numbers and are passed to it unchanged; ORXVRGrpCond_NoChange is the
// library's own "leave the group as designed" and never reaches the runtime.
namespace orx::viewreport {

enum ORXVR_Mode_Constants : int {
    ORXVR_Mode_Viewer = 1,
    ORXVR_Mode_Printer = 2,
    ORXVR_Mode_Export = 4,
};

enum ORXVR_BorderStyle_Constants : int {
    ORXVR_No_Border = 0,
    ORXVR_Fixed_Single = 1,
};

enum ORXVR_ZoomLevel_Constants : int {
    ORXVR_Zoom_FitWidth = 1,
    ORXVR_Zoom_FitPage = 2,
    ORXVR_Zoom_50 = 50,
    ORXVR_Zoom_100 = 100,
    ORXVR_Zoom_150 = 150,
    ORXVR_Zoom_200 = 200,
    ORXVR_Zoom_250 = 250,
    ORXVR_Zoom_300 = 300,
    ORXVR_Zoom_400 = 400,
};

enum ORXVRSortDirectionConstants : int {
    ORXVRSortD_Ascending = 0,
    ORXVRSortD_Descending = 1,
    ORXVRSortD_Original = 2,
    ORXVRSortD_Specified = 3,
};

enum ORXVRGroupConditionConstants : int {
    ORXVRGrpCond_NoChange = -1,
    ORXVRGrpCond_Daily = 0,
    ORXVRGrpCond_Weekly = 1,
    ORXVRGrpCond_Biweekly = 2,
    ORXVRGrpCond_Semimonthly = 3,
    ORXVRGrpCond_Monthly = 4,
    ORXVRGrpCond_Quarterly = 5,
    ORXVRGrpCond_SemiAnnually = 6,
    ORXVRGrpCond_Annually = 7,
    ORXVRGrpCond_ToYes = 8,
    ORXVRGrpCond_ToNo = 9,
    ORXVRGrpCond_EveryYes = 10,
    ORXVRGrpCond_EveryNo = 11,
    ORXVRGrpCond_NextIsYes = 12,
    ORXVRGrpCond_NextIsNo = 13,
    ORXVRGrpCond_AnyValue = 14,
    ORXVRGrpCond_BySecond = 15,
    ORXVRGrpCond_ByMinute = 16,
    ORXVRGrpCond_ByHour = 17,
    ORXVRGrpCond_ByAMPM = 18,
};

enum ORXVRExpFormatTypeConstants : int {
    ORXVRExpFormatType_Crystal = 1,
    ORXVRExpFormatType_RichTextFormat = 4,
    ORXVRExpFormatType_CommaSepValues = 5,
    ORXVRExpFormatType_Text = 8,
    ORXVRExpFormatType_Word = 14,
    ORXVRExpFormatType_Excel50 = 21,
    ORXVRExpFormatType_HTML32 = 24,
    ORXVRExpFormatType_Excel70 = 27,
    ORXVRExpFormatType_Excel80 = 29,
    ORXVRExpFormatType_PDF = 31,
    ORXVRExpFormatType_HTML40 = 32,
};

// The library's product name (ORXOCX_ViewReport): the source of its own errors.
inline constexpr const char* ProductName = app::ViewReportProductName;

}  // namespace orx::viewreport
