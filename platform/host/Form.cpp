#include "platform/host/Form.h"

#include "platform/basic/BasicError.h"
#include "platform/com/Component.h"
#include "platform/host/Extender.h"
#include "platform/profile/AtomicFile.h"
#include "platform/profile/RegularFile.h"
#include "platform/host/PropertyBag.h"
#include "platform/host/UserControl.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QMouseEvent>
#include <QPainter>
#include <QResizeEvent>
#include <utility>

namespace orx::host {

using basic::BasicError;
namespace err = basic::err;

ContainerBox::ContainerBox(const QString& kind, QWidget* parent)
    : QFrame(parent)
    , kind_(kind)
{
    setFrameShape(kind == QLatin1String("Frame") ? QFrame::Box : QFrame::StyledPanel);
}

Form::Form(QWidget* parent)
    : QWidget(parent)
{
    font_ = StdFont::fromQFont(QApplication::font());
    setAutoFillBackground(true);
    applyBackColor();
    connect(qApp, &QApplication::focusChanged, this, &Form::onFocusChanged);
    updateDesignSheet();
}

Form::~Form()
{
    // QWidget's destructor still closes the window and so moves the focus;
    // the form's own handler must not run on a form that is already gone.
    disconnect(qApp, &QApplication::focusChanged, this, &Form::onFocusChanged);
}

void Form::notifyAmbient(const QString& name)
{
    for (UserControl* c : controls())
        c->AmbientChanged(name);
}

void Form::setUserMode(bool on)
{
    if (userMode_ == on)
        return;
    userMode_ = on;
    if (on)
        clearSelection();
    updateDesignSheet();
    notifyAmbient(QStringLiteral("UserMode"));
}

void Form::setAmbientFont(const StdFont& font)
{
    font_ = font;
    setFont(font.toQFont());
    notifyAmbient(QStringLiteral("Font"));
}

void Form::applyBackColor()
{
    QPalette p = palette();
    p.setColor(QPalette::Window, resolveColor(backColor_));
    setPalette(p);
}

void Form::setAmbientBackColor(OleColor color)
{
    backColor_ = color;
    applyBackColor();
    notifyAmbient(QStringLiteral("BackColor"));
}

void Form::setAmbientForeColor(OleColor color)
{
    foreColor_ = color;
    notifyAmbient(QStringLiteral("ForeColor"));
}

bool Form::displayAsDefault(const UserControl* control) const
{
    if (!control || !control->extender()->isDefault())
        return false;
    // Another button-like control holding the focus shows itself as default instead.
    const UserControl* f = focused_.data();
    return !f || f == control || !f->extender()->isDefault();
}

UserControl* Form::addControl(const QString& progIdOrClsid, const QString& name, const TwipRect& rect,
                              const QString& containerName)
{
    QObject* object = com::createObject(progIdOrClsid);
    auto* control = qobject_cast<UserControl*>(object);
    if (!control) {
        delete object;
        basic::raiseError(err::CannotCreateObject, QStringLiteral("Form.Add"),
                          QCoreApplication::translate("Form", "%1 is not a control").arg(progIdOrClsid));
    }
    const com::ClassRef ref = com::findClass(progIdOrClsid);
    return placeControl(control, ref.library->progId(*ref.info), name, rect, containerName);
}

UserControl* Form::placeControl(UserControl* control, const QString& progId, const QString& name,
                                const TwipRect& rect, const QString& containerName)
{
    QWidget* parent = this;
    if (!containerName.isEmpty()) {
        parent = containerNamed(containerName);
        if (!parent) {
            delete control;
            basic::raiseError(err::InvalidPropertyValue, QStringLiteral("Form.Add"),
                              QCoreApplication::translate("Form", "no container named %1").arg(containerName));
        }
    }
    control->setParent(parent);
    placed_.append(Placed{control, progId});
    attach(control);
    control->extender()->setName(name);
    control->extender()->move(rect.left, rect.top, rect.width, rect.height);
    control->InitProperties();
    control->setVisible(control->extender()->isVisible());
    if (sheet_ && !userMode_)
        sheet_->raise();
    setModified(true);
    return control;
}

ContainerBox* Form::addContainer(const QString& kind, const QString& name, const TwipRect& rect)
{
    auto* box = new ContainerBox(kind, this);
    box->setObjectName(name);
    setTwipGeometry(box, rect);
    box->show();
    containers_.append(box);
    return box;
}

void Form::attach(UserControl* control)
{
    Extender* ext = control->extender();
    connect(ext, &Extender::defaultChanged, this, [this, control](bool on) { onDefaultChanged(control, on); });
    connect(ext, &Extender::cancelChanged, this, [this, control](bool on) { onCancelChanged(control, on); });
}

void Form::onDefaultChanged(UserControl* control, bool on)
{
    if (on) {
        for (UserControl* c : controls()) {
            if (c != control)
                c->extender()->setDefault(false);
        }
    }
    for (UserControl* c : controls())
        c->AmbientChanged(QStringLiteral("DisplayAsDefault"));
}

void Form::onCancelChanged(UserControl* control, bool on)
{
    if (!on)
        return;
    for (UserControl* c : controls()) {
        if (c != control)
            c->extender()->setCancel(false);
    }
}

void Form::removeControl(UserControl* control)
{
    for (qsizetype i = 0; i < placed_.size(); ++i) {
        if (placed_[i].control == control) {
            placed_.removeAt(i);
            selection_.removeAll(control);
            delete control;
            setModified(true);
            return;
        }
    }
}

void Form::clear()
{
    selection_.clear();
    destroy(std::exchange(placed_, {}), std::exchange(containers_, {}));
}

void Form::destroy(const QList<Placed>& placed, const QList<QPointer<ContainerBox>>& containers)
{
    for (const Placed& p : placed)
        delete p.control.data();
    for (const QPointer<ContainerBox>& box : containers)
        delete box.data();
}

QList<UserControl*> Form::controls() const
{
    QList<UserControl*> out;
    for (const Placed& p : placed_) {
        if (p.control)
            out << p.control.data();
    }
    return out;
}

UserControl* Form::control(const QString& name) const
{
    for (UserControl* c : controls()) {
        if (c->extender()->name().compare(name, Qt::CaseInsensitive) == 0)
            return c;
    }
    return nullptr;
}

QString Form::progIdOf(const UserControl* control) const
{
    for (const Placed& p : placed_) {
        if (p.control == control)
            return p.progId;
    }
    return QString();
}

QList<ContainerBox*> Form::containers() const
{
    QList<ContainerBox*> out;
    for (const QPointer<ContainerBox>& box : containers_) {
        if (box)
            out << box.data();
    }
    return out;
}

ContainerBox* Form::containerNamed(const QString& name) const
{
    for (ContainerBox* box : containers()) {
        if (box->objectName().compare(name, Qt::CaseInsensitive) == 0)
            return box;
    }
    return nullptr;
}

void Form::setModified(bool on)
{
    if (modified_ == on)
        return;
    modified_ = on;
    Q_EMIT modifiedChanged(on);
}

void Form::controlPropertyChanged(UserControl* control, const QString& name)
{
    setModified(true);
    Q_EMIT propertyChanged(control, name);
}

bool Form::canPropertyChange(UserControl* control, const QString& name)
{
    return propertyChangePolicy ? propertyChangePolicy(control, name) : true;
}

QList<UserControl*> Form::selectedControls() const
{
    QList<UserControl*> out;
    for (const QPointer<UserControl>& c : selection_) {
        if (c)
            out << c.data();
    }
    return out;
}

void Form::select(UserControl* control, bool addToSelection)
{
    if (!addToSelection)
        selection_.clear();
    if (control && !selection_.contains(control))
        selection_.append(control);
    if (sheet_)
        sheet_->update();
    Q_EMIT selectionChanged();
}

void Form::clearSelection()
{
    if (selection_.isEmpty())
        return;
    selection_.clear();
    if (sheet_)
        sheet_->update();
    Q_EMIT selectionChanged();
}

UserControl* Form::controlOf(QObject* object) const
{
    for (QObject* o = object; o; o = o->parent()) {
        if (auto* c = qobject_cast<UserControl*>(o)) {
            if (c->form() == this && !progIdOf(c).isNull())
                return c;
        }
        if (o == this)
            break;
    }
    return nullptr;
}

void Form::onFocusChanged(QWidget* old, QWidget* now)
{
    UserControl* from = old ? controlOf(old) : nullptr;
    UserControl* to = now ? controlOf(now) : nullptr;
    if (from == to)
        return;
    if (from)
        from->ExitFocus();
    focused_ = to;
    if (to)
        to->EnterFocus();
    // The default button shows as default only while no other button has the focus.
    for (UserControl* c : controls()) {
        if (c->extender()->isDefault())
            c->AmbientChanged(QStringLiteral("DisplayAsDefault"));
    }
}

// While designing, a transparent sheet lies over the whole form: it takes the
// mouse and the keyboard, so a click selects a control instead of operating
// it (a press would otherwise give a constituent widget the focus before any
// filter could refuse it), and it draws the selection.
class DesignSheet : public QWidget {
public:
    explicit DesignSheet(Form* form)
        : QWidget(form)
        , form_(form)
    {
        setAttribute(Qt::WA_NoSystemBackground);
        setAttribute(Qt::WA_TranslucentBackground);
        setFocusPolicy(Qt::ClickFocus);
    }

protected:
    void mousePressEvent(QMouseEvent* event) override
    {
        setFocus(Qt::MouseFocusReason);
        UserControl* hit = nullptr;
        const QPoint at = event->position().toPoint();
        for (UserControl* c : form_->controls()) {
            if (c->isVisible() && QRect(c->mapTo(form_, QPoint(0, 0)), c->size()).contains(at))
                hit = c;  // the last placed lies on top
        }
        if (hit)
            form_->select(hit, event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier));
        else
            form_->clearSelection();
    }

    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DashLine));
        for (UserControl* c : form_->selectedControls())
            painter.drawRect(QRect(c->mapTo(form_, QPoint(0, 0)), c->size()).adjusted(-2, -2, 1, 1));
    }

private:
    Form* form_;
};

void Form::updateDesignSheet()
{
    if (userMode_) {
        if (sheet_)
            sheet_->hide();
        return;
    }
    if (!sheet_)
        sheet_ = new DesignSheet(this);
    sheet_->setGeometry(rect());
    sheet_->raise();
    sheet_->show();
    sheet_->update();
}

void Form::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (sheet_)
        sheet_->setGeometry(rect());
}

// ---------------------------------------------------------------- form files

namespace {

const QString FormatName = QStringLiteral("ORX form");
constexpr int FormatVersion = 1;

[[noreturn]] void loadError(const QString& file, const QString& what)
{
    basic::raiseError(err::ErrorLoadingFromFile, QStringLiteral("Form.Load"),
                      QCoreApplication::translate("Form", "form file %1: %2").arg(file, what));
}

QJsonObject twipRectJson(const TwipRect& r)
{
    return QJsonObject{{QStringLiteral("Left"), r.left}, {QStringLiteral("Top"), r.top},
                       {QStringLiteral("Width"), r.width}, {QStringLiteral("Height"), r.height}};
}

// The extender members a form file stores, with their JSON type.
struct ExtenderKey {
    const char* name;
    QJsonValue::Type type;
};
constexpr ExtenderKey ExtenderKeys[] = {
    {"Name", QJsonValue::String},     {"Left", QJsonValue::Double},        {"Top", QJsonValue::Double},
    {"Width", QJsonValue::Double},    {"Height", QJsonValue::Double},      {"TabStop", QJsonValue::Bool},
    {"ToolTipText", QJsonValue::String}, {"Tag", QJsonValue::String},      {"Default", QJsonValue::Bool},
    {"Cancel", QJsonValue::Bool},     {"Visible", QJsonValue::Bool},       {"DataField", QJsonValue::String},
    {"DataSource", QJsonValue::String},
};

const char* jsonTypeName(QJsonValue::Type t)
{
    switch (t) {
    case QJsonValue::String: return "a string";
    case QJsonValue::Double: return "a number";
    case QJsonValue::Bool: return "a boolean";
    case QJsonValue::Object: return "an object";
    case QJsonValue::Array: return "an array";
    case QJsonValue::Null: return "null";
    default: return "nothing";
    }
}

TwipRect readRect(const QJsonObject& o, const QString& file, const QString& what)
{
    TwipRect r;
    double* fields[] = {&r.left, &r.top, &r.width, &r.height};
    const char* names[] = {"Left", "Top", "Width", "Height"};
    for (int i = 0; i < 4; ++i) {
        const QJsonValue v = o.value(QLatin1String(names[i]));
        if (!v.isDouble())
            loadError(file, QCoreApplication::translate("Form", "%1, key \"%2\": a number was expected, the file holds %3")
                                .arg(what, QLatin1String(names[i]), QLatin1String(jsonTypeName(v.type()))));
        *fields[i] = v.toDouble();
    }
    return r;
}

}  // namespace

void Form::save(const QString& path)
{
    QJsonArray controlsJson;
    for (UserControl* c : controls()) {
        const Extender* ext = c->extender();
        PropertyBag bag(QCoreApplication::translate("Form", "form file %1: control %2").arg(path, ext->name()));
        c->WriteProperties(bag);
        QJsonObject extender;
        for (const ExtenderKey& k : ExtenderKeys) {
            const QVariant v = ext->get(QLatin1String(k.name));
            extender.insert(QLatin1String(k.name), QJsonValue::fromVariant(v));
        }
        QString container;
        if (auto* box = qobject_cast<ContainerBox*>(c->parentWidget()))
            container = box->objectName();
        QJsonObject entry{{QStringLiteral("progid"), progIdOf(c)},
                          {QStringLiteral("extender"), extender},
                          {QStringLiteral("properties"), bag.toJson()}};
        if (!container.isEmpty())
            entry.insert(QStringLiteral("container"), container);
        controlsJson.append(entry);
    }
    QJsonArray containersJson;
    for (ContainerBox* box : containers()) {
        QJsonObject o = twipRectJson(twipGeometry(box));
        o.insert(QStringLiteral("Name"), box->objectName());
        o.insert(QStringLiteral("Kind"), box->kind());
        containersJson.append(o);
    }
    const QJsonObject formJson{
        {QStringLiteral("Width"), twipsFromPixelsX(width())},
        {QStringLiteral("Height"), twipsFromPixelsY(height())},
        {QStringLiteral("Font"), PropertyBag::valueToJson(QVariant::fromValue(font_))},
        {QStringLiteral("BackColor"), PropertyBag::valueToJson(QVariant::fromValue(backColor_))},
        {QStringLiteral("ForeColor"), PropertyBag::valueToJson(QVariant::fromValue(foreColor_))},
    };
    const QJsonObject root{{QStringLiteral("format"), FormatName},
                           {QStringLiteral("version"), FormatVersion},
                           {QStringLiteral("form"), formJson},
                           {QStringLiteral("containers"), containersJson},
                           {QStringLiteral("controls"), controlsJson}};

    QString error;
    if (!profile::replaceFileAtomically(path, QJsonDocument(root).toJson(QJsonDocument::Indented), &error))
        basic::raiseError(err::ErrorSavingToFile, QStringLiteral("Form.Save"),
                          QCoreApplication::translate("Form", "form file %1: %2").arg(path, error));
    setModified(false);
}

void Form::load(const QString& path)
{
    // Only a regular file is read: a pipe would never end the read.
    const profile::FileContent content = profile::readRegularFile(path);
    if (content.status == profile::FileContent::Status::Missing)
        basic::raiseError(err::FileNotFound, QStringLiteral("Form.Load"),
                          QCoreApplication::translate("Form", "form file %1: no such file").arg(path));
    if (content.status == profile::FileContent::Status::Failed)
        basic::raiseError(err::PathFileAccessError, QStringLiteral("Form.Load"),
                          QCoreApplication::translate("Form", "form file %1").arg(content.error));
    QJsonParseError parseError;
    const QJsonDocument doc = QJsonDocument::fromJson(content.bytes, &parseError);
    if (parseError.error != QJsonParseError::NoError)
        loadError(path, QCoreApplication::translate("Form", "not a valid form file (%1 at offset %2)")
                            .arg(parseError.errorString()).arg(parseError.offset));
    if (!doc.isObject())
        loadError(path, QCoreApplication::translate("Form", "not a valid form file (no top-level object)"));
    const QJsonObject root = doc.object();
    if (root.value(QStringLiteral("format")).toString() != FormatName)
        loadError(path, QCoreApplication::translate("Form", "not a form file (format is not \"%1\")").arg(FormatName));
    if (root.value(QStringLiteral("version")).toInt(-1) != FormatVersion)
        loadError(path, QCoreApplication::translate("Form", "unsupported form file version %1")
                            .arg(root.value(QStringLiteral("version")).toVariant().toString()));

    // Check everything before anything changes on the form.
    struct Pending {
        QString progId;
        QString container;
        QJsonObject extender;
        PropertyBag bag;
    };
    QList<Pending> pending;
    const QJsonValue controlsValue = root.value(QStringLiteral("controls"));
    if (!controlsValue.isArray())
        loadError(path, QCoreApplication::translate("Form", "\"controls\" is missing or not a list"));
    const QJsonArray controlsJson = controlsValue.toArray();
    for (qsizetype i = 0; i < controlsJson.size(); ++i) {
        if (!controlsJson[i].isObject())
            loadError(path, QCoreApplication::translate("Form", "control %1 is not an object").arg(i + 1));
        const QJsonObject entry = controlsJson[i].toObject();
        const QJsonObject extender = entry.value(QStringLiteral("extender")).toObject();
        const QString name = extender.value(QStringLiteral("Name")).toString();
        const QString what = QCoreApplication::translate("Form", "control %1")
                                 .arg(name.isEmpty() ? QString::number(i + 1) : name);
        if (name.isEmpty())
            loadError(path, QCoreApplication::translate("Form", "%1: the extender has no Name").arg(what));
        for (const ExtenderKey& k : ExtenderKeys) {
            const QJsonValue v = extender.value(QLatin1String(k.name));
            if (!v.isUndefined() && v.type() != k.type)
                loadError(path, QCoreApplication::translate("Form", "%1, extender key \"%2\": %3 was expected, the file holds %4")
                                    .arg(what, QLatin1String(k.name), QLatin1String(jsonTypeName(k.type)),
                                         QLatin1String(jsonTypeName(v.type()))));
        }
        readRect(extender, path, what);
        const QString progId = entry.value(QStringLiteral("progid")).toString();
        const com::ClassRef ref = com::findClass(progId);
        if (!ref || ref.info->kind != com::ClassKind::Control || !ref.info->create)
            loadError(path, QCoreApplication::translate("Form", "%1: unknown control class \"%2\"").arg(what, progId));
        const QJsonValue props = entry.value(QStringLiteral("properties"));
        if (!props.isUndefined() && !props.isObject())
            loadError(path, QCoreApplication::translate("Form", "%1: \"properties\" is not an object").arg(what));
        PropertyBag bag;
        try {
            bag = PropertyBag::fromJson(props.toObject(), QCoreApplication::translate("Form", "form file %1: %2")
                                                              .arg(path, what));
        } catch (const BasicError& e) {
            basic::raiseError(err::ErrorLoadingFromFile, QStringLiteral("Form.Load"), e.description());
        }
        pending.append(Pending{progId, entry.value(QStringLiteral("container")).toString(), extender, bag});
    }
    QList<std::tuple<QString, QString, TwipRect>> boxes;
    for (const QJsonValue& v : root.value(QStringLiteral("containers")).toArray()) {
        const QJsonObject o = v.toObject();
        const QString name = o.value(QStringLiteral("Name")).toString();
        boxes.append({o.value(QStringLiteral("Kind")).toString(), name,
                      readRect(o, path, QCoreApplication::translate("Form", "container %1").arg(name))});
    }
    for (const Pending& p : pending) {
        if (!p.container.isEmpty() && std::none_of(boxes.begin(), boxes.end(), [&](const auto& b) {
                return std::get<1>(b).compare(p.container, Qt::CaseInsensitive) == 0;
            }))
            loadError(path, QCoreApplication::translate("Form", "control %1: no container named %2")
                                .arg(p.extender.value(QStringLiteral("Name")).toString(), p.container));
    }

    // The previous contents stay until the new ones are complete: a control
    // that cannot be made or refuses its properties puts them all back, so a
    // failed load never loses what the form held.
    struct Previous {
        QList<Placed> placed;
        QList<QPointer<ContainerBox>> containers;
        QList<QPointer<UserControl>> selection;
        StdFont font;
        OleColor backColor;
        OleColor foreColor;
        QSize size;
    };
    Previous previous{std::exchange(placed_, {}), std::exchange(containers_, {}), std::exchange(selection_, {}),
                      font_, backColor_, foreColor_, size()};
    const auto restorePrevious = [&] {
        clear();
        placed_ = previous.placed;
        containers_ = previous.containers;
        selection_ = previous.selection;
        font_ = previous.font;
        setFont(font_.toQFont());
        backColor_ = previous.backColor;
        foreColor_ = previous.foreColor;
        applyBackColor();
        resize(previous.size);
        if (sheet_ && !userMode_)
            sheet_->raise();
    };

    try {
        const QJsonObject formJson = root.value(QStringLiteral("form")).toObject();
        bool ok = false;
        if (formJson.contains(QStringLiteral("Font"))) {
            const QVariant f = PropertyBag::valueFromJson(formJson.value(QStringLiteral("Font")), &ok);
            if (ok && f.metaType() == QMetaType::fromType<StdFont>())
                font_ = f.value<StdFont>(), setFont(font_.toQFont());
        }
        for (auto [key, target] : {std::pair{QStringLiteral("BackColor"), &backColor_}, std::pair{QStringLiteral("ForeColor"), &foreColor_}}) {
            const QVariant c = PropertyBag::valueFromJson(formJson.value(key), &ok);
            if (ok && c.metaType() == QMetaType::fromType<OleColor>())
                *target = c.value<OleColor>();
        }
        applyBackColor();
        if (formJson.value(QStringLiteral("Width")).isDouble() && formJson.value(QStringLiteral("Height")).isDouble())
            resize(pixelsFromTwipsX(formJson.value(QStringLiteral("Width")).toDouble()),
                   pixelsFromTwipsY(formJson.value(QStringLiteral("Height")).toDouble()));
        for (const auto& [kind, name, rect] : boxes)
            addContainer(kind, name, rect);

        for (Pending& p : pending) {
            const QString name = p.extender.value(QStringLiteral("Name")).toString();
            try {
                QObject* object = com::createObject(p.progId);
                auto* control = qobject_cast<UserControl*>(object);
                if (!control) {
                    delete object;
                    loadError(path, QCoreApplication::translate("Form", "control %1: \"%2\" is not a control")
                                        .arg(name, p.progId));
                }
                QWidget* parent = p.container.isEmpty() ? static_cast<QWidget*>(this) : containerNamed(p.container);
                control->setParent(parent);
                const com::ClassRef ref = com::findClass(p.progId);
                placed_.append(Placed{control, ref.library->progId(*ref.info)});
                attach(control);
                Extender* ext = control->extender();
                for (const ExtenderKey& k : ExtenderKeys) {
                    const QJsonValue v = p.extender.value(QLatin1String(k.name));
                    if (!v.isUndefined())
                        ext->set(QLatin1String(k.name), v.toVariant());
                }
                control->ReadProperties(p.bag);
                control->setVisible(ext->isVisible());
                if (sheet_ && !userMode_)
                    sheet_->raise();
            } catch (const BasicError& e) {
                if (e.description().contains(path))
                    throw;
                basic::raiseError(err::ErrorLoadingFromFile, QStringLiteral("Form.Load"),
                                  QCoreApplication::translate("Form", "form file %1: control %2: %3")
                                      .arg(path, name, e.description()));
            } catch (const std::exception& e) {
                basic::raiseError(err::ErrorLoadingFromFile, QStringLiteral("Form.Load"),
                                  QCoreApplication::translate("Form", "form file %1: control %2: %3")
                                      .arg(path, name, QString::fromLocal8Bit(e.what())));
            }
        }
    } catch (...) {
        restorePrevious();
        throw;
    }
    // Complete: the previous controls and containers go.
    destroy(previous.placed, previous.containers);
    setModified(false);
}

}  // namespace orx::host
