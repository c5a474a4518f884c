// The request model: property rules, defaults and Clear, the collections'
// Item/Exists/Add/Remove/Clear rules, and late binding through the type
// library's dispatch identifiers.

#include "platform/basic/BasicError.h"
#include "platform/basic/Variant.h"
#include "platform/com/Component.h"
#include "platform/com/Dispatch.h"
#include "viewreport/engine/Components.h"
#include "viewreport/engine/ORXDLLViewReport.h"
#include "viewreport/engine/RequestRules.h"

#include <QCoreApplication>
#include <QMetaMethod>
#include <QPointer>
#include <gtest/gtest.h>
#include <memory>
#include <optional>

using namespace orx;
using namespace orx::viewreport;

namespace {

template <class F>
std::optional<int> errorNumber(F&& call)
{
    try {
        call();
    } catch (const basic::BasicError& e) {
        return e.number();
    }
    return std::nullopt;
}

TEST(RequestRules, ReportNameLosesAFinalRptExtension)
{
    const struct {
        const char* given;
        const char* stored;
    } cases[] = {
        {"C:\\Reps\\Sales.rpt", "C:\\Reps\\Sales"},
        {".RPT", ".RPT"},  // exactly 4 characters: kept
        {"Sales.RPT.RPT", "Sales.RPT"},
        {"X.RPT", "X"},
        {"a.RpT", "a"},
        {"Sales.rptx", "Sales.rptx"},
        {"Sales", "Sales"},
        {"", ""},
        {"/srv/reps/Sales.Rpt", "/srv/reps/Sales"},
    };
    ORXDLLViewReport request;
    for (const auto& c : cases) {
        request.setReportName(QString::fromUtf8(c.given));
        EXPECT_EQ(request.ReportName(), QString::fromUtf8(c.stored)) << c.given;
    }
}

TEST(RequestRules, OrderByNamesAreWrappedInBraces)
{
    const struct {
        const char* given;
        const char* stored;
    } cases[] = {
        {"Customer.Name", "{Customer.Name}"},
        {"{Orders.Date}", "{Orders.Date}"},
        {"{Orders.Date", "{Orders.Date}"},
        {"Orders.Date}", "{Orders.Date}"},
        {"", "{}"},
        {"{", "{}"},
        {"}", "{}"},
    };
    ORXDLLViewReport request;
    for (const auto& c : cases)
        request.OrderByFields()->Add(QString::fromUtf8(c.given), ORXVRSortD_Descending);
    ASSERT_EQ(request.OrderByFields()->Count(), int(std::size(cases)));
    int i = 0;
    for (const auto& c : cases) {
        const ORXRPTOrderByField* f = request.OrderByFields()->elements()[i++];
        EXPECT_EQ(f->Name(), QString::fromUtf8(c.stored)) << c.given;
        EXPECT_EQ(f->Order(), ORXVRSortD_Descending);
        EXPECT_EQ(f->GroupCondition(), ORXVRGrpCond_NoChange);  // the optional argument's default
    }
}

TEST(RequestRules, CleanFormulaTextRemovesLineBreaksNulsAndOuterBlanks)
{
    const struct {
        QString given;
        QString cleaned;
    } cases[] = {
        {QStringLiteral("\"Orders\"\r\n"), QStringLiteral("\"Orders\"")},
        {QStringLiteral("  a") + QChar(12) + QStringLiteral("b") + QChar(0) + QStringLiteral("c  "), QStringLiteral("abc")},
        {QStringLiteral("a\rb\nc"), QStringLiteral("abc")},
        {QStringLiteral("\r\n  x  \r\n"), QStringLiteral("x")},
        {QStringLiteral("\tx "), QStringLiteral("\tx")},  // only blanks are trimmed
        {QStringLiteral("a b"), QStringLiteral("a b")},
        {QString(), QString()},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CleanFormulaText(c.given), c.cleaned) << c.given.toStdString();
}

TEST(RequestRules, PasswordIsStoredWithoutOuterBlanks)
{
    const struct {
        const char* given;
        const char* stored;
    } cases[] = {{"  x  ", "x"}, {"x", "x"}, {"   ", ""}, {" a b ", "a b"}, {"\tx", "\tx"}};
    ORXDLLViewReport request;
    for (const auto& c : cases) {
        request.setPassWordDB(QString::fromUtf8(c.given));
        EXPECT_EQ(request.PassWordDB(), QString::fromUtf8(c.stored)) << c.given;
    }
}

TEST(RequestRules, CopiesKeepTheirAbsoluteValueWithinSixteenBits)
{
    const struct {
        int given;
        std::optional<int> stored;  // nullopt: overflow
    } cases[] = {{-2, 2}, {5, 5}, {0, 0}, {32767, 32767}, {-32767, 32767}, {-32768, std::nullopt}, {32768, std::nullopt},
                 {-100000, std::nullopt}};
    for (const auto& c : cases) {
        ORXDLLViewReport request;
        request.PrintOptions()->setCopies(7);
        const std::optional<int> error = errorNumber([&] { request.PrintOptions()->setCopies(c.given); });
        if (c.stored) {
            EXPECT_FALSE(error) << c.given;
            EXPECT_EQ(request.PrintOptions()->Copies(), *c.stored) << c.given;
        } else {
            EXPECT_EQ(error, basic::err::Overflow) << c.given;
            EXPECT_EQ(request.PrintOptions()->Copies(), 7) << "an overflow stores nothing";
        }
    }
}

// Every member of a new request, read by name through late binding, and the
// same after Clear of a request whose every member was changed.
TEST(RequestModel, NewAndClearedRequestsHoldTheDefaults)
{
    auto changed = std::make_unique<ORXDLLViewReport>();
    QObject recordset;
    changed->ExportOptions()->setFileName(QStringLiteral("out.pdf"));
    changed->ExportOptions()->setFormatType(ORXVRExpFormatType_Excel80);
    changed->ExportOptions()->setSilent(false);
    changed->Formulas()->Add(QStringLiteral("Title"), QStringLiteral("x"));
    changed->setLocationDB(QStringLiteral("db"));
    changed->setMode(7);
    changed->OrderByFields()->Add(QStringLiteral("A.B"), 1);
    changed->Parameters()->Add(QStringLiteral("P"), 3);
    changed->setPassWordDB(QStringLiteral("pw"));
    changed->PrintOptions()->setCopies(4);
    changed->PrintOptions()->setPrinterName(QStringLiteral("HP"));
    changed->PrintOptions()->setSilent(false);
    changed->setRecordset(&recordset);
    changed->setReportName(QStringLiteral("Sales"));
    changed->setReportWithData(true);
    changed->setSelectionFormula(QStringLiteral("{A.B} > 1"));
    changed->SubReports()->Add(QStringLiteral("S"), &recordset);
    changed->setWaitUnload(true);
    com::invoke(changed.get(), QStringLiteral("Clear"));

    ORXDLLViewReport fresh;
    for (ORXDLLViewReport* request : {&fresh, changed.get()}) {
        const auto get = [&](QObject* o, const char* name) { return com::invoke(o, QString::fromLatin1(name), {}, com::DispatchKind::PropertyGet); };
        const auto object = [&](const char* name) { return get(request, name).value<QObject*>(); };
        EXPECT_EQ(get(request, "Mode").toInt(), 1);
        EXPECT_EQ(get(request, "LocationDB").toString(), QString());
        EXPECT_EQ(get(request, "PassWordDB").toString(), QString());
        EXPECT_EQ(get(request, "ReportName").toString(), QString());
        EXPECT_EQ(get(request, "SelectionFormula").toString(), QString());
        EXPECT_FALSE(get(request, "ReportWithData").toBool());
        EXPECT_FALSE(get(request, "WaitUnload").toBool());
        EXPECT_EQ(object("Recordset"), nullptr);
        EXPECT_EQ(get(object("ExportOptions"), "FormatType").toInt(), 31);
        EXPECT_TRUE(get(object("ExportOptions"), "Silent").toBool());
        EXPECT_EQ(get(object("ExportOptions"), "FileName").toString(), QString());
        EXPECT_EQ(get(object("PrintOptions"), "Copies").toInt(), 1);
        EXPECT_TRUE(get(object("PrintOptions"), "Silent").toBool());
        EXPECT_EQ(get(object("PrintOptions"), "PrinterName").toString(), QString());
        for (const char* collection : {"Formulas", "OrderByFields", "Parameters", "SubReports"})
            EXPECT_EQ(get(object(collection), "Count").toInt(), 0) << collection;
    }
}

TEST(RequestModel, ElementsHoldTheirClearedValuesWhenNew)
{
    ORXRPTParameter parameter;
    EXPECT_EQ(parameter.Value().typeId(), QMetaType::QString) << "a string, not an Empty variant";
    EXPECT_FALSE(basic::isEmpty(parameter.Value()));
    EXPECT_EQ(parameter.Value().toString(), QString());
    ORXRPTOrderByField order;
    EXPECT_EQ(order.Order(), ORXVRSortD_Ascending);
    EXPECT_EQ(order.GroupCondition(), ORXVRGrpCond_NoChange);
    ORXRPTSubReport sub;
    EXPECT_EQ(sub.Recordset(), nullptr);

    parameter.setValue(42);
    parameter.setName(QStringLiteral("P"));
    parameter.Clear();
    EXPECT_EQ(parameter.Value().typeId(), QMetaType::QString);
    EXPECT_EQ(parameter.Name(), QString());
}

TEST(RequestModel, OwnedObjectsAreCreatedOnceAndKeptAcrossClear)
{
    ORXDLLViewReport request;
    QPointer<ORXRPTFormulas> formulas = request.Formulas();
    QPointer<ORXRPTPrintOptions> print = request.PrintOptions();
    request.Clear();
    EXPECT_EQ(request.Formulas(), formulas.data());
    EXPECT_EQ(request.PrintOptions(), print.data());
}

TEST(RequestModel, InternalSettersReplaceTheOwnedObjects)
{
    ORXDLLViewReport request;
    QPointer<ORXRPTFormulas> old = request.Formulas();
    auto* given = new ORXRPTFormulas;
    given->Add(QStringLiteral("A"), QStringLiteral("1"));
    request.replaceFormulas(given);
    EXPECT_EQ(request.Formulas(), given);
    EXPECT_EQ(given->parent(), &request) << "an object without an owner is adopted";
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(old.isNull()) << "the replaced object of the request is released";

    // An object another request owns is shared, not taken.
    ORXDLLViewReport other;
    request.replacePrintOptions(other.PrintOptions());
    EXPECT_EQ(request.PrintOptions(), other.PrintOptions());
    EXPECT_EQ(other.PrintOptions()->parent(), &other);
}

TEST(RequestModel, RecordsetsAreHeldByReference)
{
    ORXDLLViewReport request;
    auto* recordset = new QObject;
    request.setRecordset(recordset);
    request.SubReports()->Add(QStringLiteral("S"), recordset);
    EXPECT_EQ(request.Recordset(), recordset);
    delete recordset;
    EXPECT_EQ(request.Recordset(), nullptr) << "a destroyed recordset reads as none, never dangling";
    EXPECT_EQ(request.SubReports()->Item(1)->Recordset(), nullptr);
}

// Item, Exists and Remove on a collection of Formulas A, Title, Title.
TEST(RequestCollections, ItemReadsNumbersAsPositionsAndTextAsNames)
{
    ORXDLLViewReport request;
    ORXRPTFormulas& f = *request.Formulas();
    f.Add(QStringLiteral("A"), QStringLiteral("1"));
    f.Add(QStringLiteral("Title"), QStringLiteral("first"));
    f.Add(QStringLiteral("Title"), QStringLiteral("second"));
    ASSERT_EQ(f.Count(), 3);

    const struct {
        QVariant index;
        int position;  // 0: no object
        std::optional<int> error;
    } cases[] = {
        {5, 0, {}},
        {4, 0, {}},
        {QStringLiteral("2"), 2, {}},  // numeric text is a position
        {2.0, 2, {}},
        {3, 3, {}},
        {QStringLiteral("title"), 2, {}},  // the first of that name
        {QStringLiteral("TITLE"), 2, {}},
        {QStringLiteral("a"), 1, {}},
        {QStringLiteral("nope"), 0, {}},
        {0, 0, basic::err::SubscriptOutOfRange},
        {-1, 0, basic::err::SubscriptOutOfRange},
        {QStringLiteral("0"), 0, basic::err::SubscriptOutOfRange},
        {basic::nullVariant(), 0, {}},
    };
    for (const auto& c : cases) {
        ORXRPTFormula* got = nullptr;
        const std::optional<int> error = errorNumber([&] { got = f.Item(c.index); });
        EXPECT_EQ(error, c.error) << c.index.toString().toStdString();
        EXPECT_EQ(got, c.position ? f.elements()[c.position - 1] : nullptr) << c.index.toString().toStdString();
    }
    EXPECT_TRUE(f.Exists(QStringLiteral("TITLE")));
    EXPECT_TRUE(f.Exists(QStringLiteral("a")));
    EXPECT_FALSE(f.Exists(QStringLiteral("Titl")));
    EXPECT_FALSE(f.Exists(QStringLiteral("2")));
}

TEST(RequestCollections, RemoveAndClearFollowPositions)
{
    ORXDLLViewReport request;
    ORXRPTParameters& p = *request.Parameters();
    for (const char* name : {"A", "B", "C"})
        p.Add(QString::fromLatin1(name), QString::fromLatin1(name));

    EXPECT_EQ(p.Remove(7), 3) << "an index above Count removes nothing";
    EXPECT_EQ(errorNumber([&] { p.Remove(0); }), basic::err::SubscriptOutOfRange);
    EXPECT_EQ(errorNumber([&] { p.Remove(-3); }), basic::err::SubscriptOutOfRange);
    EXPECT_EQ(p.Count(), 3);

    QPointer<ORXRPTParameter> removed = p.Item(2);
    EXPECT_EQ(p.Remove(2), 2);
    EXPECT_EQ(p.Item(2)->Name(), QStringLiteral("C"));
    EXPECT_FALSE(removed.isNull()) << "a removed element stays valid until the event loop turns";
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(removed.isNull());

    p.Clear();
    EXPECT_EQ(p.Count(), 0);
    EXPECT_EQ(p.Item(1), nullptr);
}

TEST(RequestCollections, AddStoresEachElementClassesValues)
{
    ORXDLLViewReport request;
    QObject rs;
    request.Formulas()->Add(QStringLiteral("F"), QStringLiteral("\"t\""));
    request.Parameters()->Add(QStringLiteral("P"), QDate(2010, 6, 15));
    request.SubReports()->Add(QStringLiteral("S"), &rs);
    request.OrderByFields()->Add(QStringLiteral("O.D"), ORXVRSortD_Original, ORXVRGrpCond_Monthly);
    EXPECT_EQ(request.Formulas()->Item(1)->Text(), QStringLiteral("\"t\""));
    EXPECT_EQ(request.Parameters()->Item(QStringLiteral("p"))->Value(), QVariant(QDate(2010, 6, 15)));
    EXPECT_EQ(request.SubReports()->Item(QStringLiteral("s"))->Recordset(), &rs);
    const ORXRPTOrderByField* o = request.OrderByFields()->Item(QStringLiteral("{o.d}"));
    ASSERT_NE(o, nullptr);
    EXPECT_EQ(o->Order(), ORXVRSortD_Original);
    EXPECT_EQ(o->GroupCondition(), ORXVRGrpCond_Monthly);

    // Duplicates are allowed in every collection.
    request.SubReports()->Add(QStringLiteral("S"), nullptr);
    EXPECT_EQ(request.SubReports()->Count(), 2);
    EXPECT_EQ(request.SubReports()->Item(QStringLiteral("S"))->Recordset(), &rs);
}

// Members reached by their fixed dispatch identifiers reach the same member
// as by name.
TEST(RequestTypeLibrary, DispatchIdentifiersReachTheirMembers)
{
    ORXDLLViewReport request;
    com::invoke(&request, 0x68030004, {QStringLiteral("Sales.rpt")}, com::DispatchKind::PropertyPut);
    EXPECT_EQ(request.ReportName(), QStringLiteral("Sales"));
    com::invoke(&request, 0x6803000A, {6}, com::DispatchKind::PropertyPut);
    EXPECT_EQ(request.Mode(), 6);
    com::invoke(&request, 0x6003000E);  // Clear
    EXPECT_EQ(request.Mode(), 1);

    auto* formulas = com::invoke(&request, 0x6803000C, {}, com::DispatchKind::PropertyGet).value<QObject*>();
    ASSERT_EQ(formulas, request.Formulas());
    com::invoke(formulas, 0x60030002, {QStringLiteral("Title"), QStringLiteral("x")});  // Add
    EXPECT_EQ(com::invoke(formulas, 0x68030001, {}, com::DispatchKind::PropertyGet).toInt(), 1);  // Count
    EXPECT_TRUE(com::invoke(formulas, 0x68030000, {QStringLiteral("title")}).toBool());        // Exists
    auto* item = com::invoke(formulas, 0, {1}).value<QObject*>();                                // Item, the default
    ASSERT_EQ(item, request.Formulas()->Item(1));
    EXPECT_EQ(com::invoke(item, 0, {}, com::DispatchKind::PropertyGet).toString(), QStringLiteral("Title"));  // Name
    EXPECT_EQ(com::invoke(formulas, 0x60030004, {1}).toInt(), 0);                                           // Remove

    auto* print = com::invoke(&request, QStringLiteral("PrintOptions"), {}, com::DispatchKind::PropertyGet).value<QObject*>();
    com::invoke(print, 0x68030001, {-3}, com::DispatchKind::PropertyPut);
    EXPECT_EQ(request.PrintOptions()->Copies(), 3);
    com::invoke(print, 0, {QStringLiteral("HP")}, com::DispatchKind::PropertyPut);
    EXPECT_EQ(request.PrintOptions()->PrinterName(), QStringLiteral("HP"));

    auto* order = request.OrderByFields();
    com::invoke(order, QStringLiteral("Add"), {QStringLiteral("A.B"), 1});
    EXPECT_EQ(order->Item(1)->GroupCondition(), -1) << "Add without its optional argument";
}

TEST(RequestTypeLibrary, OnlyTheRequestIsCreatableByName)
{
    std::unique_ptr<QObject> request(com::createObject(QStringLiteral("ORXOCX_ViewReport.ORXDLLViewReport")));
    ASSERT_NE(qobject_cast<ORXDLLViewReport*>(request.get()), nullptr);
    EXPECT_EQ(qobject_cast<ORXDLLViewReport*>(request.get())->Mode(), 1);
    for (const char* name : {"ORXOCX_ViewReport.ORXRPTFormula", "ORXOCX_ViewReport.ORXRPTFormulas",
                             "ORXOCX_ViewReport.ORXRPTPrintOptions"})
        EXPECT_EQ(errorNumber([&] { delete com::createObject(QString::fromLatin1(name)); }), basic::err::CannotCreateObject)
            << name;
}

TEST(RequestTypeLibrary, EveryRequestClassIsBuiltWithItsDispatchTable)
{
    const com::TypeLibrary& lib = ViewReportTypeLibrary();
    for (const com::ClassInfo& c : lib.classes) {
        if (c.name == QLatin1String("ORXOCXViewReport"))
            continue;  // the control, tested with the control
        EXPECT_NE(c.metaObject, nullptr) << c.name.toStdString();
        // Every listed identifier names a member the class has.
        for (const com::DispatchId& d : c.dispatchIds) {
            const QByteArray member = d.member.toLatin1();
            const bool isProperty = c.metaObject->indexOfProperty(member.constData()) >= 0;
            bool isMethod = false;
            for (int i = 0; i < c.metaObject->methodCount(); ++i)
                isMethod = isMethod || c.metaObject->method(i).name() == member;
            EXPECT_TRUE(isProperty || isMethod) << c.name.toStdString() << "." << d.member.toStdString();
        }
    }
}

}  // namespace
