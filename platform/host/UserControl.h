#pragma once

#include "platform/host/HostExport.h"
#include "platform/host/OleColor.h"
#include "platform/host/StdFont.h"

#include <QPointer>
#include <QVariant>
#include <QWidget>

namespace orx::host {

class Extender;
class Form;
class PropertyBag;

// The base of every control: a widget that lives on a form (or alone, with a
// detached extender) and meets its host through the lifecycle below.
//
// The host calls, in order: InitProperties for a new control, or
// ReadProperties with the saved bag; Resize whenever the extender's size
// changes; Shown when first shown; AmbientChanged when an ambient property of
// the form changes; EnterFocus and ExitFocus when the focus enters or leaves
// the control as a whole (whichever constituent widget holds it);
// WriteProperties when the form is saved. The control tells the host about
// property changes with PropertyChanged and asks CanPropertyChange before a
// bound property changes.
class ORX_HOST_EXPORT UserControl : public QWidget {
    Q_OBJECT

public:
    explicit UserControl(QWidget* parent = nullptr);
    ~UserControl() override;

    Extender* extender() const { return extender_; }
    Form* form() const;

    // Ambient properties of the form (defaults off any form: run mode, the
    // application font, the window background colour).
    bool ambientUserMode() const;
    // A design tool that hosts the control without a form (Qt Designer)
    // marks it so: off any form its ambient UserMode is then design mode.
    void setDesignHosted(bool on) { designHosted_ = on; }
    StdFont ambientFont() const;
    OleColor ambientBackColor() const;
    OleColor ambientForeColor() const;
    bool ambientDisplayAsDefault() const;
    QString ambientDisplayName() const;
    QVariant ambient(const QString& name) const;

    // Tells the host that a property changed (its bag needs writing).
    void PropertyChanged(const QString& name);
    // Asks the host whether a bound property may change now.
    bool CanPropertyChange(const QString& name);

    // Inner size in twips (ScaleWidth, ScaleHeight).
    double scaleWidth() const;
    double scaleHeight() const;

    // Lifecycle, called by the host.
    virtual void InitProperties() {}
    virtual void ReadProperties(PropertyBag& bag) { Q_UNUSED(bag); }
    virtual void WriteProperties(PropertyBag& bag) { Q_UNUSED(bag); }
    virtual void AmbientChanged(const QString& name) { Q_UNUSED(name); }
    virtual void Resize() {}
    virtual void Shown() {}
    virtual void EnterFocus() {}
    virtual void ExitFocus() {}

    // The extender's TabStop changed: by default every constituent widget
    // that takes the focus by tab stops (or resumes) doing so.
    virtual void tabStopChanged(bool on);

Q_SIGNALS:
    void propertyChanged(const QString& name);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    friend class Form;
    Extender* extender_ = nullptr;
    bool shown_ = false;
    bool designHosted_ = false;
};

}  // namespace orx::host
