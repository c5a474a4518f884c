#pragma once

#include "platform/host/HostExport.h"
#include "platform/host/OleColor.h"
#include "platform/host/StdFont.h"
#include "platform/host/Twips.h"

#include <QFrame>
#include <QList>
#include <QPointer>
#include <QWidget>
#include <functional>

namespace orx::host {

class UserControl;

// A container inside a form that controls can be placed in. Its kind tells
// controls what they sit on ("PictureBox", "Frame").
class ORX_HOST_EXPORT ContainerBox : public QFrame {
    Q_OBJECT
    Q_PROPERTY(QString ContainerKind READ kind)

public:
    ContainerBox(const QString& kind, QWidget* parent);
    QString kind() const { return kind_; }

private:
    QString kind_;
};

// A form that is being designed (UserMode false) or run (UserMode true). It
// places controls, gives each an extender, answers ambient properties and
// tells the controls when they change, receives their change notices (and so
// knows it is modified), answers "may this property change", keeps the
// design-time selection, and is saved to and loaded from a form file.
class ORX_HOST_EXPORT Form : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString ContainerKind READ containerKind)

public:
    explicit Form(QWidget* parent = nullptr);
    ~Form() override;

    QString containerKind() const { return QStringLiteral("Form"); }

    // Ambient properties.
    bool userMode() const { return userMode_; }
    void setUserMode(bool on);
    StdFont ambientFont() const { return font_; }
    void setAmbientFont(const StdFont& font);
    OleColor ambientBackColor() const { return backColor_; }
    void setAmbientBackColor(OleColor color);
    OleColor ambientForeColor() const { return foreColor_; }
    void setAmbientForeColor(OleColor color);
    // True for the control that is the form's default button while no other
    // control with a Default flag holds the focus.
    bool displayAsDefault(const UserControl* control) const;

    // Places a new control created by programmatic name or class identifier:
    // extender values first, then InitProperties, then it is shown.
    UserControl* addControl(const QString& progIdOrClsid, const QString& name, const TwipRect& rect,
                            const QString& containerName = QString());
    // Places a control the caller created (takes ownership) the same way.
    UserControl* placeControl(UserControl* control, const QString& progId, const QString& name,
                              const TwipRect& rect, const QString& containerName = QString());
    // A container box for controls ("PictureBox" or "Frame").
    ContainerBox* addContainer(const QString& kind, const QString& name, const TwipRect& rect);
    void removeControl(UserControl* control);
    void clear();

    QList<UserControl*> controls() const;
    UserControl* control(const QString& name) const;
    QString progIdOf(const UserControl* control) const;
    QList<ContainerBox*> containers() const;
    ContainerBox* containerNamed(const QString& name) const;

    // Change notices and the data-binding permission.
    bool isModified() const { return modified_; }
    void setModified(bool on);
    void controlPropertyChanged(UserControl* control, const QString& name);
    bool canPropertyChange(UserControl* control, const QString& name);
    // Answers "may this property change"; unset allows every change.
    std::function<bool(UserControl*, const QString&)> propertyChangePolicy;

    // Design-time selection (the controls property pages act on).
    QList<UserControl*> selectedControls() const;
    void select(UserControl* control, bool addToSelection = false);
    void clearSelection();

    // Form files (docs/form-files.md). save runs every control's
    // WriteProperties and replaces the file atomically; load replaces this
    // form's controls by the file's, running ReadProperties. Both raise a
    // BasicError whose description names the file, and where it applies the
    // control and key; a failed load leaves the form as it was (controls,
    // containers, ambient font and colours, size), a failed save leaves the
    // previous file intact. Only a regular file is loaded.
    void save(const QString& path);
    void load(const QString& path);

Q_SIGNALS:
    void modifiedChanged(bool modified);
    void selectionChanged();
    void propertyChanged(orx::host::UserControl* control, const QString& name);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    struct Placed {
        QPointer<UserControl> control;
        QString progId;
    };

    void notifyAmbient(const QString& name);
    void onFocusChanged(QWidget* old, QWidget* now);
    UserControl* controlOf(QObject* object) const;
    void attach(UserControl* control);
    static void destroy(const QList<Placed>& placed, const QList<QPointer<ContainerBox>>& containers);
    void onDefaultChanged(UserControl* control, bool on);
    void onCancelChanged(UserControl* control, bool on);
    void applyBackColor();
    void updateDesignSheet();

    bool userMode_ = false;
    StdFont font_;
    OleColor backColor_{syscolor::ButtonFace};
    OleColor foreColor_{syscolor::ButtonText};
    bool modified_ = false;
    QList<Placed> placed_;
    QList<QPointer<ContainerBox>> containers_;
    QList<QPointer<UserControl>> selection_;
    QPointer<UserControl> focused_;
    QPointer<QWidget> sheet_;
};

}  // namespace orx::host
