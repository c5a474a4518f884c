// What assistive technology is told about a button: a push button named by
// its caption; the switch looks are checkable and report their latched
// Value as pressed and checked; the press action clicks.
#include "tools/button/ORXCommandButton_p.h"

#include "tools/button/CaptionList.h"

#include <QAccessibleWidget>

namespace orx::tools {

class ButtonAccessible : public QAccessibleWidget {
public:
    explicit ButtonAccessible(ORXCommandButton* button)
        : QAccessibleWidget(button, QAccessible::Button)
    {
        addControllingSignal(QStringLiteral("Click()"));
    }

    ORXCommandButton* button() const { return static_cast<ORXCommandButton*>(widget()); }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name) {
            const QString name = button::plainCaption(button()->d->currentCaption_);
            // A button without a caption (a picture, a hot spot) is named by
            // its tool tip, else by its name on the form.
            if (!name.isEmpty())
                return name;
            const QString tip = button()->ToolTipText();
            return tip.isEmpty() ? QAccessibleWidget::text(t) : tip;
        }
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        const ORXCommandButton::Private& d = *button()->d;
        if (d.appearance_ == ORXCommandButton::ORXCM_Switch_Flat || d.appearance_ == ORXCommandButton::ORXCM_Switch_3D) {
            s.checkable = true;
            s.checked = d.value_;
            s.pressed = d.value_;
        } else {
            s.pressed = d.visualState_ == 1;
        }
        if (d.isDefault_)
            s.defaultButton = true;
        return s;
    }

    QStringList actionNames() const override { return {pressAction()}; }

    void doAction(const QString& action) override
    {
        if (action == pressAction())
            button()->d->clickFromAssistant();
    }

    QStringList keyBindingsForAction(const QString& action) const override
    {
        const QString keys = button()->d->accessKeys_;
        if (action == pressAction() && !keys.isEmpty())
            return {QStringLiteral("Alt+") + keys};
        return {};
    }
};

namespace {

QAccessibleInterface* buttonInterface(const QString& className, QObject* object)
{
    if (className == QLatin1String("orx::tools::ORXCommandButton") && object && object->isWidgetType())
        return new ButtonAccessible(static_cast<ORXCommandButton*>(object));
    return nullptr;
}

}  // namespace

void installButtonAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(buttonInterface);
        return true;
    }();
    Q_UNUSED(installed);
}

}  // namespace orx::tools
