// A component library for the registration tests: one creatable class with
// fixed dispatch identifiers and one that clients may not create.
#include "platform/com/Component.h"
#include "platform/com/Server.h"
#include "platform/basic/Variant.h"

#include <QObject>
#include <QVariant>

namespace {

class Gadget : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString Caption MEMBER caption_)
    Q_PROPERTY(int Total READ total)

public:
    Q_INVOKABLE int Add(int a, int b)
    {
        total_ = a + b;
        return total_;
    }
    Q_INVOKABLE QString Join(const QString& a, const QVariant& b) { return a + b.toString(); }
    Q_INVOKABLE QString Describe(const QVariant& v = QVariant())
    {
        return orx::basic::isMissing(v) ? QStringLiteral("missing") : v.toString();
    }
    Q_INVOKABLE int Scale(int x, int factor = 10) { return x * factor; }
    int total() const { return total_; }

Q_SIGNALS:
    void Clicked(int& button);

private:
    QString caption_;
    int total_ = 0;
};

QUuid id(const char* text)
{
    return QUuid::fromString(QLatin1String(text));
}

const orx::com::TypeLibrary& library();

orx::com::Server& server()
{
    static orx::com::Server s(&library());
    return s;
}

const orx::com::TypeLibrary& library()
{
    static const orx::com::TypeLibrary lib = [] {
        orx::com::TypeLibrary l;
        l.name = QStringLiteral("ORX_TestServer");
        l.guid = id("{5E1F0000-0000-4000-8000-0000000000A1}");
        orx::com::ClassInfo gadget;
        gadget.name = QStringLiteral("Gadget");
        gadget.clsid = id("{5E1F0000-0000-4000-8000-0000000000A2}");
        gadget.kindText = QStringLiteral("class");
        gadget.creatable = true;
        gadget.defaultInterface = {QStringLiteral("_Gadget"), id("{5E1F0000-0000-4000-8000-0000000000A3}")};
        gadget.metaObject = &Gadget::staticMetaObject;
        gadget.create = [] {
            auto* g = new Gadget;
            server().track(g);
            return static_cast<QObject*>(g);
        };
        gadget.dispatchIds = {{0, QStringLiteral("Caption")}, {0x68030000, QStringLiteral("Total")},
                              {0x60030001, QStringLiteral("Add")}, {1, QStringLiteral("Clicked")}};
        orx::com::ClassInfo hidden;
        hidden.name = QStringLiteral("Hidden");
        hidden.clsid = id("{5E1F0000-0000-4000-8000-0000000000A4}");
        hidden.kindText = QStringLiteral("class obtained from a gadget");
        hidden.defaultInterface = {QStringLiteral("_Hidden"), id("{5E1F0000-0000-4000-8000-0000000000A5}")};
        l.classes = {gadget, hidden};
        return l;
    }();
    return lib;
}

const bool registered = (server(), true);

}  // namespace

ORX_DEFINE_SERVER_EXPORTS(server, library)

#include "TestServer.moc"
