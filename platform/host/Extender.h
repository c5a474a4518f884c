#pragma once

#include "platform/host/HostExport.h"

#include <QObject>
#include <QPointer>
#include <QString>

namespace orx::host {

class UserControl;

// The container's view of a control, read and written by name: position and
// size in twips, tab stop, tool tip, tag, default and cancel flags,
// visibility and data binding. The host keeps one per placed control; the
// control reads it back (a control's width and height are the extender's).
class ORX_HOST_EXPORT Extender : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString Name READ name WRITE setName)
    Q_PROPERTY(double Left READ left WRITE setLeft)
    Q_PROPERTY(double Top READ top WRITE setTop)
    Q_PROPERTY(double Width READ width WRITE setWidth)
    Q_PROPERTY(double Height READ height WRITE setHeight)
    Q_PROPERTY(QObject* Container READ container)
    Q_PROPERTY(QString ContainerKind READ containerKind)
    Q_PROPERTY(bool TabStop READ tabStop WRITE setTabStop)
    Q_PROPERTY(QString ToolTipText READ toolTipText WRITE setToolTipText)
    Q_PROPERTY(QString Tag READ tag WRITE setTag)
    Q_PROPERTY(bool Default READ isDefault WRITE setDefault)
    Q_PROPERTY(bool Cancel READ isCancel WRITE setCancel)
    Q_PROPERTY(bool Visible READ isVisible WRITE setVisible)
    Q_PROPERTY(QString DataField READ dataField WRITE setDataField)
    Q_PROPERTY(QString DataSource READ dataSource WRITE setDataSource)
    Q_PROPERTY(bool DataChanged READ dataChanged WRITE setDataChanged)

public:
    explicit Extender(UserControl* control);

    UserControl* control() const { return control_; }

    QString name() const { return name_; }
    void setName(const QString& name);
    double left() const { return left_; }
    void setLeft(double twips);
    double top() const { return top_; }
    void setTop(double twips);
    double width() const { return width_; }
    void setWidth(double twips);
    double height() const { return height_; }
    void setHeight(double twips);
    void move(double left, double top, double width, double height);

    // The container object (the form or a container box), and its kind:
    // "Form", "PictureBox", or another container's class ("Frame").
    QObject* container() const;
    QString containerKind() const;

    bool tabStop() const { return tabStop_; }
    void setTabStop(bool on);
    QString toolTipText() const { return toolTip_; }
    void setToolTipText(const QString& text);
    QString tag() const { return tag_; }
    void setTag(const QString& tag) { tag_ = tag; }
    bool isDefault() const { return default_; }
    void setDefault(bool on);
    bool isCancel() const { return cancel_; }
    void setCancel(bool on);
    bool isVisible() const { return visible_; }
    void setVisible(bool on);
    QString dataField() const { return dataField_; }
    void setDataField(const QString& field) { dataField_ = field; }
    // The data source's name, e.g. "Orders(12)" for an element of a control array.
    QString dataSource() const { return dataSource_; }
    void setDataSource(const QString& source) { dataSource_ = source; }
    bool dataChanged() const { return dataChanged_; }
    void setDataChanged(bool on) { dataChanged_ = on; }

    // Sets a member by name; false for an unknown member.
    bool set(const QString& member, const QVariant& value);
    QVariant get(const QString& member) const;

Q_SIGNALS:
    void defaultChanged(bool on);
    void cancelChanged(bool on);
    void geometryChanged();

private:
    void applyGeometry();

    QPointer<UserControl> control_;
    QString name_;
    double left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    bool tabStop_ = true;
    QString toolTip_;
    QString tag_;
    bool default_ = false;
    bool cancel_ = false;
    bool visible_ = true;
    QString dataField_;
    QString dataSource_;
    bool dataChanged_ = false;
};

}  // namespace orx::host
