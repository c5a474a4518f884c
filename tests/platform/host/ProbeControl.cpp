#include "tests/platform/host/ProbeControl.h"

#include "platform/basic/BasicError.h"
#include "platform/basic/Variant.h"
#include "platform/host/Extender.h"

#include <QVBoxLayout>

namespace orx::test {

ProbeControl::ProbeControl(QWidget* parent)
    : host::UserControl(parent)
{
    edit = new QLineEdit(this);
    edit->setObjectName(QStringLiteral("EF_Text"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(edit);
}

void ProbeControl::InitProperties()
{
    calls << QStringLiteral("InitProperties");
    caption = extender()->name();
    font = ambientFont();
}

void ProbeControl::ReadProperties(host::PropertyBag& bag)
{
    calls << QStringLiteral("ReadProperties");
    caption = bag.ReadProperty(QStringLiteral("Caption"), QString()).toString();
    count = bag.ReadProperty(QStringLiteral("Count"), 0).toInt();
    ratio = bag.ReadProperty(QStringLiteral("Ratio"), 0.5).toDouble();
    flag = bag.ReadProperty(QStringLiteral("Flag"), true).toBool();
    color = bag.ReadProperty(QStringLiteral("Color"), QVariant::fromValue(host::OleColor{host::syscolor::WindowBackground}))
                .value<host::OleColor>();
    font = bag.ReadProperty(QStringLiteral("Font"), QVariant::fromValue(ambientFont())).value<host::StdFont>();
    picture = bag.ReadProperty(QStringLiteral("Picture"), QImage()).value<QImage>();
    value = bag.ReadProperty(QStringLiteral("Value"));
}

void ProbeControl::WriteProperties(host::PropertyBag& bag)
{
    calls << QStringLiteral("WriteProperties");
    if (failOnWrite)
        basic::raiseError(basic::err::Overflow, QStringLiteral("ProbeControl.WriteProperties"));
    bag.WriteProperty(QStringLiteral("Caption"), caption, QString());
    bag.WriteProperty(QStringLiteral("Count"), count, 0);
    bag.WriteProperty(QStringLiteral("Ratio"), ratio, 0.5);
    bag.WriteProperty(QStringLiteral("Flag"), flag, true);
    bag.WriteProperty(QStringLiteral("Color"), QVariant::fromValue(color),
                      QVariant::fromValue(host::OleColor{host::syscolor::WindowBackground}));
    bag.WriteProperty(QStringLiteral("Font"), QVariant::fromValue(font), QVariant::fromValue(ambientFont()));
    bag.WriteProperty(QStringLiteral("Picture"), picture, QImage());
    bag.WriteProperty(QStringLiteral("Value"), value);
}

const com::TypeLibrary& probeLibrary()
{
    static const com::TypeLibrary lib = [] {
        com::TypeLibrary l;
        l.name = QStringLiteral("ORX_Test");
        l.guid = QUuid::fromString(QLatin1String("{6B1A2C3D-0000-4000-8000-000000000001}"));
        com::ClassInfo c;
        c.name = QStringLiteral("ProbeControl");
        c.clsid = QUuid::fromString(QLatin1String("{6B1A2C3D-0000-4000-8000-000000000002}"));
        c.kind = com::ClassKind::Control;
        c.kindText = QStringLiteral("control");
        c.creatable = true;
        c.defaultInterface = {QStringLiteral("_ProbeControl"), QUuid::fromString(QLatin1String("{6B1A2C3D-0000-4000-8000-000000000003}"))};
        c.metaObject = &ProbeControl::staticMetaObject;
        c.create = [] { return new ProbeControl(); };
        c.dispatchIds = {{0, QStringLiteral("Caption")}, {0x60030001, QStringLiteral("Add")}};
        l.classes = {c};
        return l;
    }();
    com::registerTypeLibrary(&lib);
    return lib;
}

}  // namespace orx::test
