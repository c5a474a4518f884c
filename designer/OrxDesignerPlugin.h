#pragma once

// The Qt Designer plugin of the control library: an entry in the widget box
// per control (group "ORX"), and a task menu per control that opens its
// property pages and runs its design-time commands.
#include <QDesignerTaskMenuExtension>
#include <QExtensionFactory>
#include <QPointer>
#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>

class QDesignerFormEditorInterface;

namespace orx::designer {

// What Designer knows of one control.
struct ControlEntry {
    const char* className;    // with its namespace, as uic writes it
    const char* includeFile;  // as a program includes it
    const char* toolTip;
    const char* objectName;   // the default name of a new one
    QSize size;               // its default geometry
    const char* properties;   // the .ui properties a new one starts with
    QWidget* (*create)(QWidget* parent);
};

class ControlPlugin : public QObject, public QDesignerCustomWidgetInterface {
    Q_OBJECT
    Q_INTERFACES(QDesignerCustomWidgetInterface)

public:
    ControlPlugin(const ControlEntry& entry, QObject* parent);

    QString name() const override;
    QString group() const override;
    QString toolTip() const override;
    QString whatsThis() const override;
    QString includeFile() const override;
    QIcon icon() const override;
    bool isContainer() const override { return false; }
    QWidget* createWidget(QWidget* parent) override;
    bool isInitialized() const override { return core_ != nullptr; }
    void initialize(QDesignerFormEditorInterface* core) override;
    QString domXml() const override;

private:
    ControlEntry entry_;
    QDesignerFormEditorInterface* core_ = nullptr;
};

class ControlCollection : public QObject, public QDesignerCustomWidgetCollectionInterface {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "org.qt-project.Qt.QDesignerCustomWidgetCollectionInterface")
    Q_INTERFACES(QDesignerCustomWidgetCollectionInterface)

public:
    explicit ControlCollection(QObject* parent = nullptr);
    QList<QDesignerCustomWidgetInterface*> customWidgets() const override { return widgets_; }

private:
    QList<QDesignerCustomWidgetInterface*> widgets_;
};

// The task menu of a control on a form being designed.
class ControlTaskMenu : public QObject, public QDesignerTaskMenuExtension {
    Q_OBJECT
    Q_INTERFACES(QDesignerTaskMenuExtension)

public:
    ControlTaskMenu(QWidget* control, QObject* parent);

    QAction* preferredEditAction() const override { return edit_; }
    QList<QAction*> taskActions() const override { return actions_; }

private:
    void editProperties();
    // Runs a design-time command, then marks what it changed as set on the
    // form so that the form file keeps it.
    void runCommand(const QByteArray& member, bool isMethod);

    QPointer<QWidget> control_;
    QAction* edit_;
    QList<QAction*> actions_;
};

class ControlTaskMenuFactory : public QExtensionFactory {
    Q_OBJECT

public:
    explicit ControlTaskMenuFactory(QExtensionManager* parent);

protected:
    QObject* createExtension(QObject* object, const QString& iid, QObject* parent) const override;
};

}  // namespace orx::designer
