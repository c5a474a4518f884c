#include "tools/pages/PropertyPage.h"

#include "platform/basic/BasicError.h"
#include "platform/basic/Logging.h"
#include "platform/basic/Numbers.h"
#include "platform/draw/PainterSurface.h"
#include "platform/host/Services.h"
#include "tools/button/ORXCommandButton.h"
#include "tools/checkgroup/ORXCheckBox.h"
#include "tools/common/Frames.h"
#include "tools/optiongroup/ORXOptionButton.h"
#include "tools/pages/PageRules.h"
#include "tools/textbox/ORXTextBox.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMetaProperty>
#include <QPainter>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTimer>

#include <cmath>
#include <limits>
#include <optional>

namespace orx::tools::pages {

namespace {

// Whether the control's property table takes the value for the property.
bool controlAccepts(QObject* control, const QString& property, const QVariant& value)
{
    if (auto* c = qobject_cast<ORXTextBox*>(control))
        return c->acceptsPropertyValue(property, value);
    if (auto* c = qobject_cast<ORXCheckBox*>(control))
        return c->acceptsPropertyValue(property, value);
    if (auto* c = qobject_cast<ORXOptionButton*>(control))
        return c->acceptsPropertyValue(property, value);
    if (auto* c = qobject_cast<ORXCommandButton*>(control))
        return c->acceptsPropertyValue(property, value);
    return true;
}

// A number field's value as the property's own type; nullopt when the
// type cannot hold it.
std::optional<QVariant> numberFor(const QMetaProperty& p, double number)
{
    if (!std::isfinite(number))
        return std::nullopt;
    const int type = p.metaType().id();
    if (type == QMetaType::Double)
        return QVariant(number);
    if (type == QMetaType::Float) {
        if (std::fabs(number) > double(std::numeric_limits<float>::max()))
            return std::nullopt;
        return QVariant(float(number));
    }
    const double whole = basic::roundHalfEven(number);
    if (whole < double(std::numeric_limits<int>::min()) || whole > double(std::numeric_limits<int>::max()))
        return std::nullopt;
    return QVariant(int(whole));
}

}  // namespace

// ---- OptionGroup -------------------------------------------------------------

OptionGroup::OptionGroup(const QString& name, const QString& title, const QStringList& captions,
                         const QList<int>& values, QWidget* parent)
    : QGroupBox(title, parent), values_(values), group_(new QButtonGroup(this))
{
    setObjectName(QStringLiteral("FR_") + name.mid(3));
    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(2);
    for (int i = 0; i < values.size(); ++i) {
        auto* option = new QRadioButton(captions.value(i), this);
        option->setObjectName(name + QLatin1Char('_') + QString::number(i));
        group_->addButton(option, i);
        layout->addWidget(option);
        options_.append(option);
        connect(option, &QRadioButton::clicked, this, [this, i] {
            value_ = values_.at(i);
            Q_EMIT chosen(value_);
        });
    }
}

void OptionGroup::setValue(int value)
{
    value_ = value;
    const int index = int(values_.indexOf(value));
    group_->setExclusive(index >= 0);
    for (int i = 0; i < options_.size(); ++i)
        options_[i]->setChecked(i == index);
    group_->setExclusive(true);
}

// ---- BorderPreview -----------------------------------------------------------

BorderPreview::BorderPreview(int index, QWidget* parent)
    : QFrame(parent), index_(index)
{
    setObjectName(QStringLiteral("PIC_Border_") + QString::number(index));
    setFrameStyle(QFrame::NoFrame);
    setFixedSize(48, 22);
    setAutoFillBackground(true);
}

void BorderPreview::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    draw::PainterSurface surface(&painter, palette());
    paintBorderPreview(surface, index_);
}

void BorderPreview::mousePressEvent(QMouseEvent* event)
{
    QFrame::mousePressEvent(event);
    Q_EMIT clicked(index_);
}

// ---- PropertyPage ------------------------------------------------------------

PropertyPage::PropertyPage(const QString& caption, QWidget* parent)
    : QWidget(parent), caption_(caption)
{
    writer_ = [](QObject* control, const QString& property, const QVariant& value) {
        control->setProperty(property.toLatin1().constData(), value);
    };
}

PropertyPage::~PropertyPage() = default;

QLineEdit* PropertyPage::addText(QFormLayout* form, const char* name, const char* property, const QString& label)
{
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QLatin1String(name));
    form->addRow(label, edit);
    selectAllOnFocus(edit);
    connect(edit, &QLineEdit::textEdited, this, &PropertyPage::markChanged);
    addField(property, edit, [edit](const QVariant& v) { edit->setText(v.toString()); },
             [edit] { return QVariant(edit->text()); });
    return edit;
}

QLineEdit* PropertyPage::addNumber(QFormLayout* form, const char* name, const char* property, const QString& label)
{
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QLatin1String(name));
    form->addRow(label, edit);
    selectAllOnFocus(edit);
    connect(edit, &QLineEdit::textEdited, this, &PropertyPage::markChanged);
    addField(property, edit, [edit](const QVariant& v) { edit->setText(numberText(v)); },
             [edit] { return QVariant(numberOfText(edit->text())); });
    fields_.back().number = true;
    return edit;
}

QPlainTextEdit* PropertyPage::addList(QFormLayout* form, const char* name, const char* property, const QString& label)
{
    auto* edit = new QPlainTextEdit(this);
    edit->setObjectName(QLatin1String(name));
    edit->setTabChangesFocus(true);
    edit->setFixedHeight(72);
    form->addRow(label, edit);
    selectAllOnFocus(edit);
    connect(edit, &QPlainTextEdit::textChanged, this, &PropertyPage::markChanged);
    addField(property, edit, [edit](const QVariant& v) { edit->setPlainText(listToLines(v.toString())); },
             [edit] { return QVariant(linesToList(edit->toPlainText())); });
    return edit;
}

QCheckBox* PropertyPage::addCheck(const char* name, const char* property, const QString& caption, QWidget* parent)
{
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(QLatin1String(name));
    connect(box, &QCheckBox::clicked, this, &PropertyPage::markChanged);
    addField(property, box, [box](const QVariant& v) { box->setChecked(v.toBool()); },
             [box] { return QVariant(box->isChecked()); });
    return box;
}

OptionGroup* PropertyPage::addOptions(const char* name, const char* property, const QString& title,
                                      const QStringList& captions, const QList<int>& values, QWidget* parent)
{
    auto* group = new OptionGroup(QLatin1String(name), title, captions, values, parent);
    connect(group, &OptionGroup::chosen, this, &PropertyPage::markChanged);
    addField(property, group, [group](const QVariant& v) { group->setValue(v.toInt()); },
             [group] { return QVariant(group->value()); });
    return group;
}

OptionGroup* PropertyPage::addBorderEffects(const QString& title, QWidget* parent)
{
    OptionGroup* group = addOptions("OB_BorderEffect", "BorderEffect", title, {}, {0, 1, 2, 3, 4}, parent);
    auto* effects = qobject_cast<QVBoxLayout*>(group->layout());
    for (int i = 0; i < group->count(); ++i) {
        QRadioButton* option = group->option(i);
        effects->removeWidget(option);
        auto* row = new QHBoxLayout;
        row->addWidget(option);
        auto* preview = new BorderPreview(i, group);
        row->addWidget(preview);
        row->addStretch();
        effects->addLayout(row);
        connect(preview, &BorderPreview::clicked, option, &QRadioButton::click);
    }
    return group;
}

void PropertyPage::addField(const char* property, QWidget* widget, std::function<void(const QVariant&)> show,
                            std::function<QVariant()> value)
{
    widget->setProperty("propertyTag", QLatin1String(property));
    fields_.push_back(Field{QLatin1String(property), widget, std::move(show), std::move(value)});
}

QLineEdit* PropertyPage::addDisplay(QFormLayout* form, const char* name, const QString& label)
{
    auto* edit = new QLineEdit;
    edit->setObjectName(QLatin1String(name));
    edit->setReadOnly(true);
    form->addRow(label, edit);
    return edit;
}

PropertyPage::Field* PropertyPage::field(const QString& property)
{
    for (Field& f : fields_) {
        if (f.property == property)
            return &f;
    }
    return nullptr;
}

QWidget* PropertyPage::fieldOf(const QString& property) const
{
    for (const Field& f : fields_) {
        if (f.property.compare(property, Qt::CaseInsensitive) == 0)
            return f.widget;
    }
    return nullptr;
}

void PropertyPage::SelectionChanged(const QList<QObject*>& selected)
{
    control_ = selected.isEmpty() ? nullptr : selected.first();
    fill();
}

void PropertyPage::fill()
{
    loaded_ = false;
    if (control_) {
        for (Field& f : fields_)
            f.show(control_->property(f.property.toLatin1().constData()));
        afterFill();
        for (Field& f : fields_)
            f.loaded = f.value();
    }
    changed_ = false;
    loaded_ = true;
}

void PropertyPage::ApplyChanges()
{
    errors_.clear();
    if (!control_)
        return;
    QStringList order = writeOrder_;
    for (const Field& f : fields_) {
        if (!order.contains(f.property))
            order.append(f.property);
    }
    // Only what differs from the value loaded into the page is written: a
    // setter may change other properties as it stores (an empty
    // PasswordChar allows pasting, spin buttons hide the combo button, an
    // Appearance releases a latched switch), so re-writing an unchanged field
    // would undo what the designer set elsewhere.
    for (const QString& property : order) {
        const Field* f = field(property);
        if (!f)
            continue;
        const QVariant v = f->value();
        if (v != f->loaded)
            write(*f, v);
        if (!control_)
            return;
    }
    fill();
}

void PropertyPage::write(const Field& f, const QVariant& pageValue)
{
    const QMetaObject* meta = control_->metaObject();
    const int index = meta->indexOfProperty(f.property.toLatin1().constData());
    if (index < 0) {
        errors_.append(tr("%1: the control has no such property").arg(f.property));
        return;
    }
    const QMetaProperty p = meta->property(index);
    QVariant value = pageValue;
    if (f.number) {
        const std::optional<QVariant> typed = numberFor(p, pageValue.toDouble());
        if (!typed) {
            errors_.append(tr("%1: %2 is out of range").arg(f.property, numberText(pageValue)));
            return;
        }
        value = *typed;
    }
    if (!controlAccepts(control_, f.property, value)) {
        errors_.append(tr("%1: %2 is out of range").arg(f.property, f.number ? numberText(value) : value.toString()));
        return;
    }
    try {
        writer_(control_, f.property, value);
    } catch (const basic::BasicError& e) {
        errors_.append(f.property + QStringLiteral(": ") + e.description());
    }
}

void PropertyPage::EditProperty(const QString& name)
{
    QWidget* w = fieldOf(name);
    if (!w || !w->isVisible() || !w->isEnabled())
        return;
    if (auto* group = qobject_cast<OptionGroup*>(w)) {
        for (int i = 0; i < group->count(); ++i) {
            if (group->option(i)->isChecked() || i == group->count() - 1) {
                host::giveFocus(group->option(i));
                return;
            }
        }
    }
    host::giveFocus(w);
}

void PropertyPage::markChanged()
{
    if (!loaded_ || changed_)
        return;
    changed_ = true;
    Q_EMIT changed();
}

void PropertyPage::runRule(const std::function<void()>& rule)
{
    if (!loaded_)
        return;
    loaded_ = false;
    rule();
    loaded_ = true;
    markChanged();
}

void PropertyPage::selectAllOnFocus(QWidget* edit)
{
    edit->installEventFilter(this);
}

bool PropertyPage::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusIn) {
        // After the click that gave the focus has placed the caret.
        if (auto* line = qobject_cast<QLineEdit*>(watched))
            QTimer::singleShot(0, line, &QLineEdit::selectAll);
        else if (auto* text = qobject_cast<QPlainTextEdit*>(watched))
            QTimer::singleShot(0, text, &QPlainTextEdit::selectAll);
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace orx::tools::pages
