#include "platform/host/UserControl.h"

#include "platform/host/Extender.h"
#include "platform/host/Form.h"
#include "platform/host/Twips.h"

#include <QApplication>

namespace orx::host {

UserControl::UserControl(QWidget* parent)
    : QWidget(parent)
{
    extender_ = new Extender(this);
}

UserControl::~UserControl() = default;

Form* UserControl::form() const
{
    for (QWidget* w = parentWidget(); w; w = w->parentWidget()) {
        if (auto* f = qobject_cast<Form*>(w))
            return f;
    }
    return nullptr;
}

bool UserControl::ambientUserMode() const
{
    const Form* f = form();
    return f ? f->userMode() : !designHosted_;
}

StdFont UserControl::ambientFont() const
{
    const Form* f = form();
    return f ? f->ambientFont() : StdFont::fromQFont(QApplication::font());
}

OleColor UserControl::ambientBackColor() const
{
    const Form* f = form();
    return f ? f->ambientBackColor() : OleColor{syscolor::ButtonFace};
}

OleColor UserControl::ambientForeColor() const
{
    const Form* f = form();
    return f ? f->ambientForeColor() : OleColor{syscolor::ButtonText};
}

bool UserControl::ambientDisplayAsDefault() const
{
    const Form* f = form();
    return f && f->displayAsDefault(this);
}

QString UserControl::ambientDisplayName() const
{
    return extender_->name();
}

QVariant UserControl::ambient(const QString& name) const
{
    if (name.compare(QLatin1String("UserMode"), Qt::CaseInsensitive) == 0)
        return ambientUserMode();
    if (name.compare(QLatin1String("Font"), Qt::CaseInsensitive) == 0)
        return QVariant::fromValue(ambientFont());
    if (name.compare(QLatin1String("BackColor"), Qt::CaseInsensitive) == 0)
        return QVariant::fromValue(ambientBackColor());
    if (name.compare(QLatin1String("ForeColor"), Qt::CaseInsensitive) == 0)
        return QVariant::fromValue(ambientForeColor());
    if (name.compare(QLatin1String("DisplayAsDefault"), Qt::CaseInsensitive) == 0)
        return ambientDisplayAsDefault();
    if (name.compare(QLatin1String("DisplayName"), Qt::CaseInsensitive) == 0)
        return ambientDisplayName();
    return QVariant();
}

void UserControl::PropertyChanged(const QString& name)
{
    Q_EMIT propertyChanged(name);
    if (Form* f = form())
        f->controlPropertyChanged(this, name);
}

bool UserControl::CanPropertyChange(const QString& name)
{
    Form* f = form();
    return f ? f->canPropertyChange(this, name) : true;
}

double UserControl::scaleWidth() const
{
    return twipsFromPixelsX(width());
}

double UserControl::scaleHeight() const
{
    return twipsFromPixelsY(height());
}

void UserControl::tabStopChanged(bool on)
{
    for (QWidget* w : findChildren<QWidget*>()) {
        Qt::FocusPolicy policy = w->focusPolicy();
        if (policy == Qt::NoFocus)
            continue;
        const bool tab = (policy & Qt::TabFocus) != 0;
        if (on && !tab && w->property("_orx_tab").toBool())
            w->setFocusPolicy(Qt::FocusPolicy(policy | Qt::TabFocus));
        else if (!on && tab) {
            w->setProperty("_orx_tab", true);
            w->setFocusPolicy(Qt::FocusPolicy(policy & ~Qt::TabFocus));
        }
    }
}

void UserControl::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    Resize();
}

void UserControl::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!shown_) {
        shown_ = true;
        Shown();
    }
}

}  // namespace orx::host
