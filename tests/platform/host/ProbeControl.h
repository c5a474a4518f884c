#pragma once

// A small control that exercises the host: it keeps one property of every
// type a property bag holds and records the lifecycle calls it receives.
#include "platform/com/Component.h"
#include "platform/host/OleColor.h"
#include "platform/host/PropertyBag.h"
#include "platform/host/StdFont.h"
#include "platform/host/UserControl.h"

#include <QImage>
#include <QLineEdit>
#include <QStringList>

namespace orx::test {

class ProbeControl : public host::UserControl {
    Q_OBJECT
    Q_PROPERTY(QString Caption MEMBER caption)
    Q_PROPERTY(int Count MEMBER count)

public:
    explicit ProbeControl(QWidget* parent = nullptr);

    void InitProperties() override;
    void ReadProperties(host::PropertyBag& bag) override;
    void WriteProperties(host::PropertyBag& bag) override;
    void AmbientChanged(const QString& name) override { calls << QStringLiteral("AmbientChanged:") + name; }
    void Resize() override { calls << QStringLiteral("Resize"); }
    void Shown() override { calls << QStringLiteral("Shown"); }
    void EnterFocus() override { calls << QStringLiteral("EnterFocus"); }
    void ExitFocus() override { calls << QStringLiteral("ExitFocus"); }

    Q_INVOKABLE int Add(int a, int b) { return a + b; }

    QLineEdit* edit = nullptr;
    QStringList calls;
    QString caption;
    int count = 0;
    double ratio = 0.5;
    bool flag = true;
    host::OleColor color{host::syscolor::WindowBackground};
    host::StdFont font;
    QImage picture;
    QVariant value;
    bool failOnWrite = false;
};

// "ORX_Test.ProbeControl", registered in-process for the tests of this program.
const com::TypeLibrary& probeLibrary();

}  // namespace orx::test
