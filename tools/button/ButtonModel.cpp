// The button's parts, its plain properties, creation and the host lifecycle.
#include "tools/button/ORXCommandButton_p.h"

#include "platform/app/Application.h"
#include "platform/basic/BasicError.h"
#include "platform/host/Extender.h"
#include "platform/host/Form.h"
#include "platform/host/PropertyBag.h"
#include "platform/host/Services.h"
#include "platform/host/Twips.h"
#include "tools/common/Library.h"
#include "tools/common/PropertyTable.h"

#include <QAccessible>
#include <QLabel>
#include <QTimer>
#include <QWindow>

namespace orx::tools {

void installButtonAccessibility();  // ButtonAccessible.cpp

ORXCommandButton::ORXCommandButton(QWidget* parent)
    : UserControl(parent), d(std::make_unique<Private>(this))
{
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Moves without a button held light the flat looks.
    setMouseTracking(true);

    // The picture element is windowless, as the classic image control: the
    // pointer over it is over the button, and its mouse input is the
    // button's own at the button's coordinates.
    d->IMG_Button = new QLabel(this);
    d->IMG_Button->setObjectName(QStringLiteral("IMG_Button"));
    d->IMG_Button->setAttribute(Qt::WA_TransparentForMouseEvents);
    d->IMG_Button->hide();

    d->TM_Mouse = new QTimer(this);
    d->TM_Mouse->setObjectName(QStringLiteral("TM_Mouse"));
    d->TM_Mouse->setInterval(100);
    connect(d->TM_Mouse, &QTimer::timeout, this, [this] { d->onHoverTick(); });

    d->setUpKeys();
    connect(extender(), &host::Extender::cancelChanged, this, [this] { d->updateKeys(); });
    installButtonAccessibility();

    // Every property starts at its default; the host then initialises or
    // loads the control.
    d->properties().applyAllDefaults(*this);
    d->splitCaptionList();
    d->applySurfaceBackColor();
}

ORXCommandButton::~ORXCommandButton() = default;

// ---- Helpers of the private side ----------------------------------------------

bool ORXCommandButton::Private::runMode() const
{
    return q->ambientUserMode();
}

void ORXCommandButton::Private::refuseAtRunTime(const char* member) const
{
    if (runMode())
        basic::raiseError(basic::err::GetNotSupportedAtRuntime,
                          QStringLiteral("ORXCommandButton.") + QLatin1String(member));
}

QImage ORXCommandButton::Private::pictureOrNone(const QImage& picture)
{
    // A picture without pixels has no handle: it is kept as none.
    return picture.isNull() ? QImage() : picture;
}

bool ORXCommandButton::Private::containerTakesHotSpot() const
{
    const QString kind = q->extender()->containerKind();
    return kind == QLatin1String("Form") || kind == QLatin1String("PictureBox");
}

host::OleColor ORXCommandButton::Private::containerBackColor() const
{
    if (QObject* container = q->extender()->container()) {
        const QVariant colour = container->property("BackColor");
        if (colour.canConvert<host::OleColor>() && colour.metaType() == QMetaType::fromType<host::OleColor>())
            return colour.value<host::OleColor>();
    }
    return q->ambientBackColor();
}

void ORXCommandButton::Private::applySurfaceBackColor()
{
    // A surface that takes a colour is cleared to it, as the classic
    // surface was, even to the colour it had: the corners of a rounded face
    // must not keep the square face drawn before.
    surfaceBackColor_ = shape_ == ORXCM_Rounded ? containerBackColor() : backColor_;
    if (!canvas_.isNull()) {
        canvas_.fill(host::resolveColor(surfaceBackColor_));
        focusRectShown_ = false;
    }
}

void ORXCommandButton::Private::setSurfaceBorder(bool on)
{
    if (surfaceBorder_ == on)
        return;
    surfaceBorder_ = on;
    q->update();
}

void ORXCommandButton::Private::applyLookBorder()
{
    const bool frameless = appearance_ == ORXCM_Flat || appearance_ == ORXCM_HotSpot || appearance_ == ORXCM_Switch_Flat;
    if (frameless) {
        // A look without a frame would be invisible on the form being
        // designed; at run time it shows none.
        if (!runMode())
            setSurfaceBorder(true);
    } else {
        setSurfaceBorder(false);
    }
    if (!runMode()) {
        // While designing, the hot spot watches for being moved.
        if (appearance_ == ORXCM_HotSpot)
            TM_Mouse->start();
        else
            TM_Mouse->stop();
    }
}

void ORXCommandButton::Private::applyMousePointer()
{
    // Classic pointer numbers: 0 default, 1 arrow, 2 cross, 3 I-beam,
    // 11 hourglass, 99 the custom MouseIcon.
    QCursor cursor;
    bool custom = true;
    switch (mousePointer_) {
    case 1: cursor = QCursor(Qt::ArrowCursor); break;
    case 2: cursor = QCursor(Qt::CrossCursor); break;
    case 3: cursor = QCursor(Qt::IBeamCursor); break;
    case 11: cursor = QCursor(Qt::WaitCursor); break;
    case 99:
        if (!mouseIcon_.isNull()) {
            cursor = QCursor(QPixmap::fromImage(mouseIcon_));
            break;
        }
        custom = false;
        break;
    default: custom = false; break;
    }
    for (QWidget* w : {static_cast<QWidget*>(q), static_cast<QWidget*>(IMG_Button)}) {
        if (custom)
            w->setCursor(cursor);
        else
            w->unsetCursor();
    }
}

// ---- Properties -----------------------------------------------------------------

auto ORXCommandButton::Appearance() const -> ORXCM_Appearance_Constants
{
    return ORXCM_Appearance_Constants(d->appearance_);
}

void ORXCommandButton::setAppearance(ORXCM_Appearance_Constants value)
{
    // The default button keeps the 3D look.
    if (d->isDefault_ && value != ORXCM_3D)
        return;
    if (value == ORXCM_HotSpot) {
        if (!d->containerTakesHotSpot()) {
            if (!d->runMode())
                host::MsgBox(QStringLiteral("For this setting the control must be located on a Form or PictureBox."),
                             host::mb::Critical | host::mb::SystemModal, extender()->name());
            return;
        }
        setShowFocusRect(false);
        setCaptions(QString());
        setTabStop(false);
        d->IMG_Button->clear();
        d->IMG_Button->hide();
        d->picture_ = d->upPicture_ = d->downPicture_ = d->disabledPicture_ = QImage();
        setShape(ORXCM_Square);
    }
    d->appearance_ = value;
    d->applyLookBorder();
    if (value == ORXCM_Switch_Flat || value == ORXCM_Switch_3D)
        d->value_ = false;
    d->visualState_ = 4;
    d->redraw();
    PropertyChanged(QStringLiteral("Appearance"));
}

bool ORXCommandButton::AutoScroll() const
{
    return d->autoScroll_;
}

void ORXCommandButton::setAutoScroll(bool on)
{
    if (d->ignoredInHotSpot())
        return;
    d->autoScroll_ = on;
    PropertyChanged(QStringLiteral("AutoScroll"));
}

host::OleColor ORXCommandButton::BackColor() const
{
    return d->backColor_;
}

void ORXCommandButton::setBackColor(host::OleColor colour)
{
    d->backColor_ = colour;
    if (d->shape_ == ORXCM_Square)
        d->surfaceBackColor_ = colour;
    d->redraw();
    PropertyChanged(QStringLiteral("BackColor"));
}

auto ORXCommandButton::BorderStyle() const -> ORXCM_BorderStyle_Constants
{
    return ORXCM_BorderStyle_Constants(d->borderStyle_);
}

void ORXCommandButton::setBorderStyle(ORXCM_BorderStyle_Constants value)
{
    d->borderStyle_ = value;
    d->redraw();
    PropertyChanged(QStringLiteral("BorderStyle"));
}

bool ORXCommandButton::Cancel() const
{
    return extender()->isCancel();
}

void ORXCommandButton::setCancel(bool on)
{
    if (d->ignoredInHotSpot())
        return;
    extender()->setCancel(on);
    PropertyChanged(QStringLiteral("Cancel"));
}

int ORXCommandButton::CapCount() const
{
    return int(d->captionList_.size());
}

void ORXCommandButton::setCapCount(int)
{
    // Read-only in effect: the count follows the caption list.
}

auto ORXCommandButton::CapAlignment() const -> ORXCM_CaptAlign_Constants
{
    return ORXCM_CaptAlign_Constants(d->capAlignment_);
}

void ORXCommandButton::setCapAlignment(ORXCM_CaptAlign_Constants value)
{
    if (d->ignoredInHotSpot())
        return;
    d->capAlignment_ = value;
    d->redraw();
    PropertyChanged(QStringLiteral("CapAlignment"));
}

bool ORXCommandButton::Default() const
{
    return extender()->isDefault();
}

void ORXCommandButton::setDefault(bool on)
{
    if (d->ignoredInHotSpot())
        return;
    // The form tells every control (this one too) through DisplayAsDefault.
    extender()->setDefault(on);
    PropertyChanged(QStringLiteral("Default"));
}

float ORXCommandButton::DesignHeight() const
{
    return d->designHeight_;
}

void ORXCommandButton::setDesignHeight(float twips)
{
    // The design size belongs to the form being designed; at run time a
    // set is ignored.
    if (d->runMode())
        return;
    d->designHeight_ = twips;
    PropertyChanged(QStringLiteral("DesignHeight"));
}

float ORXCommandButton::DesignWidth() const
{
    return d->designWidth_;
}

void ORXCommandButton::setDesignWidth(float twips)
{
    if (d->runMode())
        return;
    d->designWidth_ = twips;
    PropertyChanged(QStringLiteral("DesignWidth"));
}

QImage ORXCommandButton::DisabledPicture() const
{
    return d->disabledPicture_;
}

void ORXCommandButton::setDisabledPicture(const QImage& picture)
{
    if (d->ignoredInHotSpot())
        return;
    d->disabledPicture_ = Private::pictureOrNone(picture);
    d->showPictureForState();
    d->redraw();
    PropertyChanged(QStringLiteral("DisabledPicture"));
}

QImage ORXCommandButton::DownPicture() const
{
    return d->downPicture_;
}

void ORXCommandButton::setDownPicture(const QImage& picture)
{
    if (d->ignoredInHotSpot())
        return;
    d->downPicture_ = Private::pictureOrNone(picture);
    d->showPictureForState();
    d->redraw();
    PropertyChanged(QStringLiteral("DownPicture"));
}

QImage ORXCommandButton::UpPicture() const
{
    return d->upPicture_;
}

void ORXCommandButton::setUpPicture(const QImage& picture)
{
    if (d->ignoredInHotSpot())
        return;
    d->upPicture_ = Private::pictureOrNone(picture);
    d->showPictureForState();
    d->redraw();
    PropertyChanged(QStringLiteral("UpPicture"));
}

bool ORXCommandButton::Enabled() const
{
    return d->enabled_;
}

void ORXCommandButton::setEnabledState(bool on)
{
    // The caption turns grey while drawn disabled; ForeColor itself stays
    // what the program set, so it survives saving and loading.
    d->enabled_ = on;
    setEnabled(on);
    d->showPicture(on ? d->picture_ : d->disabledPicture_);
    d->redraw();
    PropertyChanged(QStringLiteral("Enabled"));
}

host::StdFont ORXCommandButton::Font() const
{
    return d->font_;
}

void ORXCommandButton::setFontValue(const host::StdFont& font)
{
    d->font_ = font;
    d->redraw();
    PropertyChanged(QStringLiteral("Font"));
}

host::OleColor ORXCommandButton::ForeColor() const
{
    return d->foreColor_;
}

void ORXCommandButton::setForeColor(host::OleColor colour)
{
    d->foreColor_ = colour;
    d->redraw();
    PropertyChanged(QStringLiteral("ForeColor"));
}

bool ORXCommandButton::HasFocus() const
{
    return d->hasFocus_;
}

void ORXCommandButton::setHasFocus(bool)
{
    // Follows the focus notices only.
}

float ORXCommandButton::HorizSpacing() const
{
    return d->horizSpacing_;
}

void ORXCommandButton::setHorizSpacing(float twips)
{
    if (d->ignoredInHotSpot())
        return;
    d->horizSpacing_ = twips < 4 ? 4.0f : twips;
    d->redraw();
    PropertyChanged(QStringLiteral("HorizSpacing"));
}

int ORXCommandButton::hdc() const
{
    // There is no device context: the nearest thing is the identity of the
    // surface the button paints on, which changes when it is re-created.
    return int(d->canvas_.cacheKey() & 0x7fffffff);
}

int ORXCommandButton::hwnd() const
{
    const QWindow* window = this->window()->windowHandle();
    return window ? int(window->winId() & 0x7fffffff) : 0;
}

auto ORXCommandButton::LockSize() const -> ORXCM_LockSize_Constants
{
    return ORXCM_LockSize_Constants(d->lockSize_);
}

void ORXCommandButton::setLockSize(ORXCM_LockSize_Constants value)
{
    d->lockSize_ = value;
    PropertyChanged(QStringLiteral("LockSize"));
}

QImage ORXCommandButton::MouseIcon() const
{
    return d->mouseIcon_;
}

void ORXCommandButton::setMouseIcon(const QImage& picture)
{
    d->mouseIcon_ = Private::pictureOrNone(picture);
    d->applyMousePointer();
    PropertyChanged(QStringLiteral("MouseIcon"));
}

int ORXCommandButton::MousePointer() const
{
    return d->mousePointer_;
}

void ORXCommandButton::setMousePointer(int pointer)
{
    d->mousePointer_ = pointer;
    d->applyMousePointer();
    PropertyChanged(QStringLiteral("MousePointer"));
}

QImage ORXCommandButton::Picture() const
{
    return d->picture_;
}

void ORXCommandButton::setPicture(const QImage& picture)
{
    if (d->ignoredInHotSpot())
        return;
    d->picture_ = Private::pictureOrNone(picture);
    d->showPicture(d->picture_);
    if (d->picture_.isNull()) {
        // No picture any more: the element stops showing the old one.
        d->IMG_Button->clear();
        d->IMG_Button->hide();
    }
    d->redraw();
    PropertyChanged(QStringLiteral("Picture"));
}

auto ORXCommandButton::PicturePosition() const -> ORXCM_PicturePosition_Constants
{
    return ORXCM_PicturePosition_Constants(d->picturePosition_);
}

void ORXCommandButton::setPicturePosition(ORXCM_PicturePosition_Constants value)
{
    d->picturePosition_ = value;
    // Laid out at once, or the picture would stay where it was until the
    // next change that lays the button out.
    d->redraw();
    PropertyChanged(QStringLiteral("PicturePosition"));
}

auto ORXCommandButton::Shape() const -> ORXCM_Shape_Constants
{
    return ORXCM_Shape_Constants(d->shape_);
}

void ORXCommandButton::setShape(ORXCM_Shape_Constants value)
{
    d->shape_ = value;
    d->applySurfaceBackColor();
    if (value == ORXCM_Rounded)
        d->setSurfaceBorder(false);
    d->redraw();
    PropertyChanged(QStringLiteral("Shape"));
}

bool ORXCommandButton::ShowFocusRect() const
{
    return d->showFocusRect_;
}

void ORXCommandButton::setShowFocusRect(bool on)
{
    if (d->ignoredInHotSpot())
        return;
    d->showFocusRect_ = on;
    d->syncFocusRect();
    PropertyChanged(QStringLiteral("ShowFocusRect"));
}

bool ORXCommandButton::TabStop() const
{
    return extender()->tabStop();
}

void ORXCommandButton::setTabStop(bool on)
{
    if (d->ignoredInHotSpot())
        return;
    extender()->setTabStop(on);
    PropertyChanged(QStringLiteral("TabStop"));
}

void ORXCommandButton::tabStopChanged(bool on)
{
    setFocusPolicy(on ? Qt::StrongFocus : Qt::ClickFocus);
}

QString ORXCommandButton::Tag() const
{
    return extender()->tag();
}

void ORXCommandButton::setTag(const QString& tag)
{
    extender()->setTag(tag);
    PropertyChanged(QStringLiteral("Tag"));
}

QString ORXCommandButton::TagMore() const
{
    return d->tagMore_;
}

void ORXCommandButton::setTagMore(const QString& text)
{
    d->tagMore_ = text;
    PropertyChanged(QStringLiteral("TagMore"));
}

QString ORXCommandButton::ToolTipText() const
{
    return extender()->toolTipText();
}

void ORXCommandButton::setToolTipText(const QString& text)
{
    extender()->setToolTipText(text);
    d->IMG_Button->setToolTip(extender()->toolTipText());
    PropertyChanged(QStringLiteral("ToolTipText"));
}

bool ORXCommandButton::Value() const
{
    return d->value_;
}

void ORXCommandButton::setValue(bool on)
{
    if (d->appearance_ != ORXCM_Switch_Flat && d->appearance_ != ORXCM_Switch_3D)
        return;
    d->value_ = on;
    d->visualState_ = 1;
    d->redraw();
    if (QAccessible::isActive()) {
        QAccessible::State changed;
        changed.checked = true;
        changed.pressed = true;
        QAccessibleStateChangeEvent event(this, changed);
        QAccessible::updateAccessibility(&event);
    }
    PropertyChanged(QStringLiteral("Value"));
}

QString ORXCommandButton::VersionName() const
{
    return App().productName();
}

QString ORXCommandButton::VersionNumber() const
{
    return app::Application::versionText();
}

int ORXCommandButton::VertSpacing() const
{
    return d->vertSpacing_;
}

void ORXCommandButton::setVertSpacing(int twips)
{
    if (d->ignoredInHotSpot())
        return;
    d->vertSpacing_ = twips < 4 ? 4 : twips;
    d->redraw();
    PropertyChanged(QStringLiteral("VertSpacing"));
}

// ---- Methods ----------------------------------------------------------------------

void ORXCommandButton::ResetDesignSize()
{
    // A design size of 0 was never recorded; restoring it would shrink the
    // button to nothing.
    if (d->designHeight_ > 0)
        extender()->setHeight(d->designHeight_);
    if (d->designWidth_ > 0)
        extender()->setWidth(d->designWidth_);
}

void ORXCommandButton::ShowAboutBox()
{
    host::MsgBox(tr("%1\nORXCommandButton, version %2").arg(VersionName(), VersionNumber()), host::mb::Information,
                 tr("About ORXCommandButton"));
}

// ---- Accessors for the container's tools and tests ----------------------------

QLabel* ORXCommandButton::IMG_Button() const
{
    return d->IMG_Button;
}

QTimer* ORXCommandButton::TM_Mouse() const
{
    return d->TM_Mouse;
}

int ORXCommandButton::visualState() const
{
    return d->visualState_;
}

int ORXCommandButton::lastPaintedState() const
{
    return d->lastPainted_;
}

QString ORXCommandButton::accessKeys() const
{
    return d->accessKeys_;
}

QString ORXCommandButton::currentCaption() const
{
    return d->currentCaption_;
}

bool ORXCommandButton::surfaceBorder() const
{
    return d->surfaceBorder_;
}

QRect ORXCommandButton::captionRectUp() const
{
    return QRect(d->up_.capX, d->up_.capY, d->up_.capW, d->up_.capH);
}

QPoint ORXCommandButton::picturePositionUp() const
{
    return QPoint(d->up_.picX, d->up_.picY);
}

void ORXCommandButton::recordDrawing(draw::RecordingSurface* recorder)
{
    d->recorder_ = recorder;
}

QImage ORXCommandButton::surfaceImage() const
{
    return d->canvas_;
}

// ---- Host lifecycle ------------------------------------------------------------------

void ORXCommandButton::InitProperties()
{
    d->applyNewControlDefaults();
    d->readPresets();
    d->applySurfaceBackColor();
    d->applyMousePointer();
    d->splitCaptionList();
    d->showCurrentCaption();
}

void ORXCommandButton::ReadProperties(host::PropertyBag& bag)
{
    d->isDefault_ = false;
    d->visualState_ = 4;
    d->readBag(bag);
    d->rememberedLeft_ = extender()->left();
    d->rememberedTop_ = extender()->top();
    d->redraw();
}

void ORXCommandButton::WriteProperties(host::PropertyBag& bag)
{
    d->writeBag(bag);
}

void ORXCommandButton::AmbientChanged(const QString& name)
{
    if (name.compare(QLatin1String("DisplayAsDefault"), Qt::CaseInsensitive) == 0) {
        d->isDefault_ = extender()->isDefault();
        d->applyDefaultBorder();
        if (d->isDefault_ && d->appearance_ != ORXCM_3D)
            d->appearance_ = ORXCM_3D;
        d->updateKeys();
        d->redraw();
    } else if (name.compare(QLatin1String("UserMode"), Qt::CaseInsensitive) == 0) {
        // The same form switched between designing and running: the
        // design-time border goes (or comes back), and the form's keys act on
        // buttons at run time only.
        if (ambientUserMode() && d->appearance_ != ORXCM_3D && d->appearance_ != ORXCM_Switch_3D)
            d->setSurfaceBorder(false);
        else
            d->applyLookBorder();
        d->applyDefaultBorder();
        d->updateKeys();
        d->redraw();
    } else if (name.compare(QLatin1String("BackColor"), Qt::CaseInsensitive) == 0 && d->shape_ == ORXCM_Rounded) {
        d->applySurfaceBackColor();
        d->redraw();
    }
}

void ORXCommandButton::Resize()
{
    d->ensureCanvas();
    d->layOut();
}

void ORXCommandButton::Shown()
{
    AmbientChanged(QStringLiteral("DisplayAsDefault"));
}

}  // namespace orx::tools
