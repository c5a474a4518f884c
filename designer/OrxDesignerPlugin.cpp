#include "designer/OrxDesignerPlugin.h"

#include "platform/basic/BasicError.h"
#include "platform/basic/Logging.h"
#include "platform/host/Extender.h"
#include "platform/host/Services.h"
#include "platform/host/Twips.h"
#include "platform/host/UserControl.h"
#include "tools/button/ORXCommandButton.h"
#include "tools/checkgroup/ORXCheckBox.h"
#include "tools/optiongroup/ORXOptionButton.h"
#include "tools/pages/PropertyPagesDialog.h"
#include "tools/textbox/ORXTextBox.h"

#include <QAction>
#include <QDesignerFormEditorInterface>
#include <QDesignerFormWindowCursorInterface>
#include <QDesignerFormWindowInterface>
#include <QDesignerPropertyEditorInterface>
#include <QDesignerPropertySheetExtension>
#include <QExtensionManager>
#include <QMetaProperty>
#include <QPainter>
#include <QPixmap>

namespace orx::designer {

namespace {

template <class Control>
QWidget* make(QWidget* parent)
{
    return new Control(parent);
}

const ControlEntry kEntries[] = {
    {"orx::tools::ORXTextBox", "tools/textbox/ORXTextBox.h",
     "Text box that edits one value under a template", "orxTextBox", QSize(160, 25), "", &make<tools::ORXTextBox>},
    {"orx::tools::ORXCheckBox", "tools/checkgroup/ORXCheckBox.h", "Group of check boxes in one control",
     "orxCheckBox", QSize(160, 25), "<property name=\"Captions\"><string notr=\"true\">Check1</string></property>",
     &make<tools::ORXCheckBox>},
    {"orx::tools::ORXOptionButton", "tools/optiongroup/ORXOptionButton.h", "Group of option buttons in one control",
     "orxOptionButton", QSize(160, 50),
     "<property name=\"Captions\"><string notr=\"true\">Option1|Option2</string></property>", &make<tools::ORXOptionButton>},
    {"orx::tools::ORXCommandButton", "tools/button/ORXCommandButton.h",
     "Command button with flat, 3D, hot-spot and switch looks", "orxCommandButton", QSize(100, 30),
     "<property name=\"Captions\"><string notr=\"true\">Command</string></property>", &make<tools::ORXCommandButton>},
};

// A designable property's value, or none when the control refuses to be
// read (a design-time command property read while the control runs raises
// 393; it then counts as having no value, which is the documented outcome).
QVariant designableValue(const QMetaProperty& p, QObject* control)
{
    if (!p.isDesignable())
        return {};
    try {
        return p.read(control);
    } catch (const basic::BasicError&) {
        return {};
    }
}

bool isControl(const QObject* object)
{
    return qobject_cast<const tools::ORXTextBox*>(object) || qobject_cast<const tools::ORXCheckBox*>(object)
           || qobject_cast<const tools::ORXOptionButton*>(object)
           || qobject_cast<const tools::ORXCommandButton*>(object);
}

// Off a form the extender does not see the widget resized; Designer resizes
// the widget itself, so the extender follows it.
class ExtenderSync : public QObject {
public:
    explicit ExtenderSync(host::UserControl* control)
        : QObject(control), control_(control)
    {
        control->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == control_ && (event->type() == QEvent::Resize || event->type() == QEvent::Move)) {
            const host::TwipRect r = host::toTwips(control_->geometry());
            host::Extender* e = control_->extender();
            if (r.width != e->width() || r.height != e->height() || r.left != e->left() || r.top != e->top())
                e->move(r.left, r.top, r.width, r.height);
        }
        return false;
    }

private:
    host::UserControl* control_;
};

}  // namespace

// ---- ControlPlugin -------------------------------------------------------------

ControlPlugin::ControlPlugin(const ControlEntry& entry, QObject* parent)
    : QObject(parent), entry_(entry)
{
}

QString ControlPlugin::name() const { return QLatin1String(entry_.className); }
QString ControlPlugin::group() const { return QStringLiteral("ORX"); }
QString ControlPlugin::toolTip() const { return QLatin1String(entry_.toolTip); }
QString ControlPlugin::whatsThis() const { return QLatin1String(entry_.toolTip); }
QString ControlPlugin::includeFile() const { return QLatin1String(entry_.includeFile); }

QIcon ControlPlugin::icon() const
{
    // The family prefix of the control on a button face.
    const QString name = QLatin1String(entry_.className).mid(QStringLiteral("orx::tools::ORX").size());
    QPixmap pixmap(22, 22);
    pixmap.fill(QColor(0xD4, 0xD0, 0xC8));
    QPainter painter(&pixmap);
    painter.setPen(Qt::darkGray);
    painter.drawRect(0, 0, 21, 21);
    QFont font = painter.font();
    font.setPixelSize(9);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(pixmap.rect(), Qt::AlignCenter, name.left(3));
    return QIcon(pixmap);
}

QWidget* ControlPlugin::createWidget(QWidget* parent)
{
    QWidget* widget = entry_.create(parent);
    auto* control = static_cast<host::UserControl*>(widget);
    new ExtenderSync(control);
    // Inside Designer (which initialises the plugin) the control is being
    // designed, also the instance Designer makes to learn the defaults;
    // loaded by a program through QUiLoader it runs.
    if (core_) {
        control->setDesignHosted(true);
        control->AmbientChanged(QStringLiteral("UserMode"));
    }
    return widget;
}

void ControlPlugin::initialize(QDesignerFormEditorInterface* core)
{
    if (core_)
        return;
    core_ = core;
    if (QExtensionManager* manager = core->extensionManager())
        manager->registerExtensions(new ControlTaskMenuFactory(manager), Q_TYPEID(QDesignerTaskMenuExtension));
}

QString ControlPlugin::domXml() const
{
    return QStringLiteral("<ui language=\"c++\">\n"
                          " <widget class=\"%1\" name=\"%2\">\n"
                          "  <property name=\"geometry\"><rect><x>0</x><y>0</y><width>%3</width>"
                          "<height>%4</height></rect></property>\n"
                          "  <property name=\"toolTip\"><string></string></property>\n"
                          "  %5\n"
                          " </widget>\n"
                          "</ui>\n")
        .arg(QLatin1String(entry_.className), QLatin1String(entry_.objectName))
        .arg(entry_.size.width())
        .arg(entry_.size.height())
        .arg(QLatin1String(entry_.properties));
}

// ---- ControlCollection ---------------------------------------------------------

ControlCollection::ControlCollection(QObject* parent)
    : QObject(parent)
{
    for (const ControlEntry& entry : kEntries)
        widgets_.append(new ControlPlugin(entry, this));
}

// ---- ControlTaskMenu -----------------------------------------------------------

ControlTaskMenu::ControlTaskMenu(QWidget* control, QObject* parent)
    : QObject(parent), control_(control), edit_(new QAction(tr("Edit Properties..."), this))
{
    connect(edit_, &QAction::triggered, this, &ControlTaskMenu::editProperties);
    actions_.append(edit_);
    // The design-time commands the control offers.
    struct Command {
        const char* member;
        const char* text;
        bool isMethod;
    };
    static const Command kCommands[] = {
        {"SaveSettings", QT_TR_NOOP("Save Settings"), false},
        {"LoadTemplateSettings", QT_TR_NOOP("Load Template Settings"), false},
        {"LoadOrientationSettings", QT_TR_NOOP("Load Orientation Settings"), false},
        {"ResetSettings", QT_TR_NOOP("Reset Settings"), false},
        {"ResetDesignSize", QT_TR_NOOP("Reset Design Size"), true},
    };
    const QMetaObject* meta = control->metaObject();
    for (const Command& c : kCommands) {
        const bool offered = c.isMethod ? meta->indexOfMethod(QByteArray(c.member) + "()") >= 0
                                        : meta->indexOfProperty(c.member) >= 0;
        if (!offered)
            continue;
        auto* action = new QAction(tr(c.text), this);
        action->setObjectName(QLatin1String(c.member));
        const QByteArray member(c.member);
        const bool isMethod = c.isMethod;
        connect(action, &QAction::triggered, this, [this, member, isMethod] { runCommand(member, isMethod); });
        actions_.append(action);
    }
}

void ControlTaskMenu::editProperties()
{
    if (!control_)
        return;
    QDesignerFormWindowInterface* form = QDesignerFormWindowInterface::findFormWindow(control_);
    tools::pages::PropertyPagesDialog dialog({control_.data()}, form ? form->core()->topLevel() : nullptr);
    if (form) {
        // Each value goes through the form's cursor: an undoable command
        // that also marks the property as set in the form file.
        dialog.setWriter([form](QObject* control, const QString& property, const QVariant& value) {
            form->cursor()->setWidgetProperty(static_cast<QWidget*>(control), property, value);
        });
    }
    dialog.exec();
}

void ControlTaskMenu::runCommand(const QByteArray& member, bool isMethod)
{
    if (!control_)
        return;
    QDesignerFormWindowInterface* form = QDesignerFormWindowInterface::findFormWindow(control_);
    const QMetaObject* meta = control_->metaObject();
    QList<QVariant> before;
    for (int i = 0; i < meta->propertyCount(); ++i)
        before.append(designableValue(meta->property(i), control_));
    try {
        if (isMethod)
            QMetaObject::invokeMethod(control_, member.constData());
        else
            control_->setProperty(member.constData(), true);
    } catch (const basic::BasicError& e) {
        host::MsgBox(e.description(), host::mb::Exclamation, QString::fromLatin1(member));
        return;
    }
    if (!form || !control_)
        return;
    // What the command changed is kept by the form file like any edit.
    QDesignerFormEditorInterface* core = form->core();
    auto* sheet = qt_extension<QDesignerPropertySheetExtension*>(core->extensionManager(), control_);
    bool changed = false;
    for (int i = 0; i < meta->propertyCount(); ++i) {
        const QMetaProperty p = meta->property(i);
        if (!p.isDesignable() || designableValue(p, control_) == before.at(i))
            continue;
        changed = true;
        if (sheet) {
            const int index = sheet->indexOf(QLatin1String(p.name()));
            if (index >= 0)
                sheet->setChanged(index, true);
        }
    }
    if (changed) {
        form->setDirty(true);
        if (core->propertyEditor() && core->propertyEditor()->object() == control_)
            core->propertyEditor()->setObject(control_);
    }
}

// ---- ControlTaskMenuFactory ----------------------------------------------------

ControlTaskMenuFactory::ControlTaskMenuFactory(QExtensionManager* parent)
    : QExtensionFactory(parent)
{
}

QObject* ControlTaskMenuFactory::createExtension(QObject* object, const QString& iid, QObject* parent) const
{
    if (iid != QLatin1String(Q_TYPEID(QDesignerTaskMenuExtension)) || !isControl(object))
        return nullptr;
    return new ControlTaskMenu(static_cast<QWidget*>(object), parent);
}

}  // namespace orx::designer
