#include "viewreport/engine/Components.h"

#include "viewreport/control/ORXOCXViewReport.h"
#include "viewreport/engine/ORXDLLViewReport.h"
#include "viewreport/engine/RequestCollections.h"
#include "viewreport/engine/RequestItems.h"

namespace orx::viewreport {

namespace {

using com::ClassInfo;
using com::ClassKind;

using com::DispatchId;

// The dispatch identifiers of a collection's members (Item is the default member).
QList<DispatchId> collectionIds()
{
    return {{0, QStringLiteral("Item")},          {0x68030000, QStringLiteral("Exists")},
            {0x68030001, QStringLiteral("Count")}, {0x60030002, QStringLiteral("Add")},
            {0x60030003, QStringLiteral("Clear")}, {0x60030004, QStringLiteral("Remove")}};
}

// A class built in this library: its meta-object, its fixed dispatch
// identifiers and, for a creatable class, its factory (counted by the server).
template <class T>
void built(ClassInfo& c, QList<DispatchId> ids)
{
    com::setBuilt<T>(c, std::move(ids), &ViewReportServer);
}

ClassInfo requestClass(const char* name, const char* clsid, const char* iid, bool creatable)
{
    return com::classRow(name, clsid, iid, ClassKind::Class,
                         creatable ? QStringLiteral("class") : QStringLiteral("class obtained from a report request"),
                         creatable);
}

com::TypeLibrary build()
{
    com::TypeLibrary lib;
    lib.name = QStringLiteral("ORXOCX_ViewReport");
    lib.guid = com::guid("{982F3929-2C96-494E-8F17-30F03666BF28}");
    lib.fileName = QStringLiteral("libORXOCXViewReport.so");

    const ClassInfo viewer = com::classRow("ORXOCXViewReport", "{556CEFD8-7240-437B-A3AC-84CB36429E65}",
                                           "{636D42FB-5570-49CC-B542-C6FC07D53EC3}", ClassKind::Control,
                                           QStringLiteral("control"), true, "{842A37DB-7E3B-440A-B86A-186576B93B91}");

    lib.classes = {
        requestClass("ORXDLLViewReport", "{90729BA9-6624-4747-B5CD-BA4E9E821958}", "{22C38E91-3106-4D02-8ED9-E6DE7B553DDA}", true),
        viewer,
        requestClass("ORXRPTFormula", "{7DCA9999-CA08-460A-95D3-A34F73733809}", "{0F2ADFF1-F964-48CD-B5DF-EF1377C19F65}", false),
        requestClass("ORXRPTFormulas", "{CBE2ED99-B03D-4111-80D4-AC30BCF27592}", "{F8D5AFD9-0774-43E5-91B6-2139DC6EDBBF}", false),
        requestClass("ORXRPTParameter", "{EA77B818-2363-4EED-A222-7C6DBAC02716}", "{3A00423C-2E6C-48CC-A827-EC1CD9666DAE}", false),
        requestClass("ORXRPTParameters", "{9EBC57A2-6017-4230-B91A-3E4912DED7B1}", "{64BEE308-0767-49D7-B259-7B8483320A0B}", false),
        requestClass("ORXRPTSubReport", "{B3ED1058-1E9B-4D4E-B1C0-21741CBAECE8}", "{B2058296-A610-4339-B35B-32998ADC78F5}", false),
        requestClass("ORXRPTSubReports", "{74D33939-873A-41BE-A4FE-CD2E417D3627}", "{FD7C60B3-AA1E-4CDF-89F2-0853F37215F3}", false),
        requestClass("ORXRPTOrderByField", "{866945BD-36F1-442C-95D4-32206C4BE843}", "{EEE8E074-2EEF-40D6-B516-FFC565A0E93C}", false),
        requestClass("ORXRPTOrderByFields", "{5C5CB18C-02BD-49CF-8E8D-9D1CE2DF864D}", "{6A48D1D7-AF3A-41ED-913B-B63B6A065293}", false),
        requestClass("ORXRPTExportOptions", "{BDAFA40A-FEB3-4D73-9142-78AB472A3543}", "{2CF5D78E-058B-4AB4-AE91-FC2CE09D5776}", false),
        requestClass("ORXRPTPrintOptions", "{B389C61A-EEA3-452C-AABD-1D4B98F336B8}", "{EA0FD28A-4221-4B9D-B53B-F76EAD9BC041}", false),
    };
    built<ORXDLLViewReport>(lib.classes[0], {{0x68030000, QStringLiteral("WaitUnload")},
                                             {0x68030001, QStringLiteral("SubReports")},
                                             {0x68030002, QStringLiteral("SelectionFormula")},
                                             {0x68030003, QStringLiteral("ReportWithData")},
                                             {0x68030004, QStringLiteral("ReportName")},
                                             {0x68030005, QStringLiteral("Recordset")},
                                             {0x68030006, QStringLiteral("PrintOptions")},
                                             {0x68030007, QStringLiteral("PassWordDB")},
                                             {0x68030008, QStringLiteral("Parameters")},
                                             {0x68030009, QStringLiteral("OrderByFields")},
                                             {0x6803000A, QStringLiteral("Mode")},
                                             {0x6803000B, QStringLiteral("LocationDB")},
                                             {0x6803000C, QStringLiteral("Formulas")},
                                             {0x6803000D, QStringLiteral("ExportOptions")},
                                             {0x6003000E, QStringLiteral("Clear")},
                                             {0x6003000F, QStringLiteral("Show")}});
    built<ORXOCXViewReport>(lib.classes[1], {{0x68030000, QStringLiteral("TotalPage")},
                                             {0x68030001, QStringLiteral("ZoomLevel")},
                                             {0x68030002, QStringLiteral("SubReports")},
                                             {0x68030003, QStringLiteral("SelectionFormula")},
                                             {0x68030004, QStringLiteral("ReportWithData")},
                                             {0x68030005, QStringLiteral("ReportName")},
                                             {0x68030006, QStringLiteral("Recordset")},
                                             {0x68030007, QStringLiteral("PrintOptions")},
                                             {0x68030008, QStringLiteral("PassWordDB")},
                                             {0x68030009, QStringLiteral("Parameters")},
                                             {0x6803000A, QStringLiteral("OrderByFields")},
                                             {0x6803000B, QStringLiteral("Mode")},
                                             {0x6803000C, QStringLiteral("LocationDB")},
                                             {0x6803000D, QStringLiteral("KeyFormulaPrefix")},
                                             {0x6803000E, QStringLiteral("Formulas")},
                                             {0x6803000F, QStringLiteral("ExportOptions")},
                                             {0x68030010, QStringLiteral("DisplayToolBar")},
                                             {0x68030011, QStringLiteral("BorderViewerPop")},
                                             {0x68030012, QStringLiteral("BorderFrameDrop")},
                                             {0x60030013, QStringLiteral("Clear")},
                                             {0x60030014, QStringLiteral("PrintOut")},
                                             {0x60030015, QStringLiteral("PrinterSetup")},
                                             {0x60030016, QStringLiteral("Requery")},
                                             {0x60030017, QStringLiteral("Show")},
                                             {0x60030019, QStringLiteral("LastPage")},
                                             {0x6003001A, QStringLiteral("FirstPage")},
                                             // The event interface's members.
                                             {1, QStringLiteral("DBFieldSelected")},
                                             {2, QStringLiteral("RowSelected")}});
    built<ORXRPTFormula>(lib.classes[2], {{0, QStringLiteral("Name")},
                                          {0x68030000, QStringLiteral("Text")},
                                          {0x60030001, QStringLiteral("Clear")}});
    built<ORXRPTFormulas>(lib.classes[3], collectionIds());
    built<ORXRPTParameter>(lib.classes[4], {{0, QStringLiteral("Name")},
                                            {0x68030000, QStringLiteral("Value")},
                                            {0x60030001, QStringLiteral("Clear")}});
    built<ORXRPTParameters>(lib.classes[5], collectionIds());
    built<ORXRPTSubReport>(lib.classes[6], {{0, QStringLiteral("Name")},
                                            {0x68030000, QStringLiteral("Recordset")},
                                            {0x60030001, QStringLiteral("Clear")}});
    built<ORXRPTSubReports>(lib.classes[7], collectionIds());
    built<ORXRPTOrderByField>(lib.classes[8], {{0, QStringLiteral("Name")},
                                               {0x68030001, QStringLiteral("Order")},
                                               {0x68030000, QStringLiteral("GroupCondition")},
                                               {0x60030002, QStringLiteral("Clear")}});
    built<ORXRPTOrderByFields>(lib.classes[9], collectionIds());
    built<ORXRPTExportOptions>(lib.classes[10], {{0, QStringLiteral("FileName")},
                                                 {0x68030001, QStringLiteral("FormatType")},
                                                 {0x68030000, QStringLiteral("Silent")},
                                                 {0x60030002, QStringLiteral("Clear")}});
    built<ORXRPTPrintOptions>(lib.classes[11], {{0, QStringLiteral("PrinterName")},
                                                {0x68030001, QStringLiteral("Copies")},
                                                {0x68030000, QStringLiteral("Silent")},
                                                {0x60030002, QStringLiteral("Clear")}});
    return lib;
}

}  // namespace

ORX_DEFINE_COMPONENT_LIBRARY(ViewReportTypeLibrary, ViewReportServer, build)

}  // namespace orx::viewreport

ORX_DEFINE_SERVER_EXPORTS(orx::viewreport::ViewReportServer, orx::viewreport::ViewReportTypeLibrary)
