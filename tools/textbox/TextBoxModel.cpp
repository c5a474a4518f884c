// The text box's widgets, its plain properties, creation and the property bag.
#include "tools/textbox/ORXTextBox_p.h"
#include "tools/common/PropertyTable.h"

#include "platform/app/Application.h"
#include "platform/basic/BasicError.h"
#include "platform/basic/Strings.h"
#include "platform/basic/Variant.h"
#include "platform/host/Extender.h"
#include "platform/host/PropertyBag.h"
#include "platform/host/Services.h"
#include "platform/host/Twips.h"
#include "tools/common/Library.h"
#include "tools/currency/ORXCurrencies.h"
#include "tools/currency/ORXCurrency.h"
#include "tools/currency/ORXList.h"
#include "tools/textbox/LibraryState.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProxyStyle>
#include <QPushButton>
#include <QScrollBar>

namespace orx::tools {

using namespace textbox;

namespace {

// Shows the control's own password character in the edit field.
class PasswordStyle : public QProxyStyle {
public:
    explicit PasswordStyle(const QString* mask)
        : mask_(mask)
    {
    }
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override
    {
        if (hint == SH_LineEdit_PasswordCharacter && !mask_->isEmpty())
            return mask_->at(0).unicode();
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }

private:
    const QString* mask_;
};

void setColour(QWidget* w, QPalette::ColorRole role, host::OleColor colour)
{
    QPalette p = w->palette();
    p.setColor(role, host::resolveColor(colour));
    w->setPalette(p);
}


}  // namespace

ORXTextBox::ORXTextBox(QWidget* parent)
    : UserControl(parent), d(std::make_unique<Private>(this))
{
    setFocusPolicy(Qt::StrongFocus);
    setAutoFillBackground(true);
    d->SavedText = basic::nullVariant();
    d->createWidgets();
    d->comboList();
    // Every property starts at its default; the host then initialises or
    // loads the control.
    d->properties().applyAllDefaults(*this);
    d->StoredSelCurrency.clear();
}

ORXTextBox::~ORXTextBox() = default;

void ORXTextBox::Private::createWidgets()
{
    // In the order the control declares them: later ones lie above.
    ORX_CM_TX_INT_Left = new QPushButton(q);
    ORX_CM_TX_INT_Left->setObjectName(QStringLiteral("ORX_CM_TX_INT_Left"));
    ORX_CM_TX_INT_Right = new QPushButton(q);
    ORX_CM_TX_INT_Right->setObjectName(QStringLiteral("ORX_CM_TX_INT_Right"));
    LB_Combo = new QListWidget(q);
    LB_Combo->setObjectName(QStringLiteral("LB_Combo"));
    VS_Spin = new QScrollBar(Qt::Vertical, q);
    VS_Spin->setObjectName(QStringLiteral("VS_Spin"));
    VS_Spin->setRange(0, 30000);
    VS_Spin->setValue(15000);
    EF_Text = new QLineEdit(q);
    EF_Text->setObjectName(QStringLiteral("EF_Text"));
    CK_Selected = new QCheckBox(q);
    CK_Selected->setObjectName(QStringLiteral("CK_Selected"));
    CK_Selected->setChecked(true);
    SH_Focus = new QFrame(q);
    SH_Focus->setObjectName(QStringLiteral("SH_Focus"));
    SF_Caption = new QLabel(q);
    SF_Caption->setObjectName(QStringLiteral("SF_Caption"));

    for (QPushButton* b : {ORX_CM_TX_INT_Left, ORX_CM_TX_INT_Right}) {
        b->setFocusPolicy(Qt::NoFocus);
        b->hide();
    }
    QObject::connect(ORX_CM_TX_INT_Left, &QPushButton::clicked, q, [this] { showCurrentCurrency(); });
    LB_Combo->hide();
    VS_Spin->setFocusPolicy(Qt::NoFocus);
    VS_Spin->hide();
    CK_Selected->hide();
    QObject::connect(CK_Selected, &QCheckBox::toggled, q, [this] { applyCheckBoxClick(); });
    SH_Focus->setAttribute(Qt::WA_TransparentForMouseEvents);
    SH_Focus->hide();

    // The edit field is reached through the control; the user never tabs
    // to it on its own. Every way text enters it passes the key rules, so
    // the unfiltered ways (context menu, dropping) are closed.
    EF_Text->hide();
    EF_Text->setFocusPolicy(Qt::ClickFocus);
    EF_Text->setContextMenuPolicy(Qt::NoContextMenu);
    EF_Text->setAcceptDrops(false);
    EF_Text->setFrame(false);
    auto* style = new PasswordStyle(&passwordChar_);
    style->setParent(EF_Text);
    EF_Text->setStyle(style);
    EF_Text->installEventFilter(q);
    QObject::connect(EF_Text, &QLineEdit::textChanged, q, [this](const QString& text) { onEditFieldChanged(text); });

    SF_Caption->setAutoFillBackground(true);
    SF_Caption->setTextFormat(Qt::PlainText);
    SF_Caption->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    SF_Caption->setMouseTracking(true);
    SF_Caption->installEventFilter(q);

    applyColours();
    applyFont();
    setUpSideWidgets();
}

void ORXTextBox::Private::applyColours()
{
    setColour(q, QPalette::Window, q->ambientBackColor());
    setColour(EF_Text, QPalette::Base, backColor_);
    setColour(EF_Text, QPalette::Text, foreColor_);
    setColour(SF_Caption, QPalette::Window, backColor_);
    setColour(SF_Caption, QPalette::WindowText, foreColor_);
    setColour(CK_Selected, QPalette::Window, backColor_);
    SH_Focus->setStyleSheet(QStringLiteral("QFrame#SH_Focus { border: 1px solid %1; background: transparent; }")
                                .arg(host::resolveColor(focusRectColor_).name()));
}

void ORXTextBox::Private::applyFont()
{
    const QFont f = font_.toQFont();
    EF_Text->setFont(f);
    SF_Caption->setFont(f);
}

void ORXTextBox::Private::applyMousePointer()
{
    // Classic pointer numbers: 0 default, 1 arrow, 2 cross, 3 I-beam,
    // 11 hourglass, 99 the custom MouseIcon.
    switch (mousePointer_) {
    case 1: q->setCursor(Qt::ArrowCursor); break;
    case 2: q->setCursor(Qt::CrossCursor); break;
    case 3: q->setCursor(Qt::IBeamCursor); break;
    case 11: q->setCursor(Qt::WaitCursor); break;
    case 99:
        if (!mouseIcon_.isNull()) {
            q->setCursor(QCursor(QPixmap::fromImage(mouseIcon_)));
            break;
        }
        [[fallthrough]];
    default: q->unsetCursor(); break;
    }
}

// Resize and placeWidgets: TextBoxLayout.cpp.

void ORXTextBox::Private::refuseAtRunTime(const char* member) const
{
    if (runMode())
        basic::raiseError(basic::err::GetNotSupportedAtRuntime, QStringLiteral("ORXTextBox.") + QLatin1String(member));
}

ORXList* ORXTextBox::Private::comboList()
{
    if (!ComboList)
        ComboList = new ORXList(q);
    return ComboList;
}

void ORXTextBox::Private::notifyBorder(const QStringList& names)
{
    for (const QString& n : names)
        q->PropertyChanged(n);
    q->update();
}

// ---- Plain properties ----------------------------------------------------

void ORXTextBox::Private::applyAlignment()
{
    const Qt::Alignment h = alignment_ == ORXTX_Right_Justify ? Qt::AlignRight
        : alignment_ == ORXTX_Center                          ? Qt::AlignHCenter
                                                              : Qt::AlignLeft;
    SF_Caption->setAlignment(h | Qt::AlignVCenter);
}

void ORXTextBox::setAlignment(ORXTX_TextAlign_Constants value)
{
    d->alignment_ = value;
    d->applyAlignment();
    PropertyChanged(QStringLiteral("Alignment"));
}

void ORXTextBox::setAllowNothing(bool on)
{
    d->allowNothing_ = on;
    PropertyChanged(QStringLiteral("AllowNothing"));
}

void ORXTextBox::setAllowPaste(bool on)
{
    if (!d->passwordChar_.isEmpty())
        return;
    d->allowPaste_ = on;
    PropertyChanged(QStringLiteral("AllowPaste"));
}

void ORXTextBox::setAppearance(ORXTX::ORXTX_Appearance_Constants value)
{
    d->notifyBorder(d->border_.setAppearance(value).notify);
}

void ORXTextBox::setBorderStyle(ORXTX::ORXTX_BorderStyle_Constants value)
{
    d->notifyBorder(d->border_.setBorderStyle(value).notify);
}

void ORXTextBox::setBorderEffect(ORXTX::ORXTX_BorderEffect_Constants value)
{
    d->notifyBorder(d->border_.setBorderEffect(value).notify);
}

void ORXTextBox::setBackColor(host::OleColor color)
{
    d->backColor_ = color;
    d->applyColours();
    update();
    PropertyChanged(QStringLiteral("BackColor"));
}

void ORXTextBox::setCapAlignment(ORXTX_CaptAlign_Constants value)
{
    d->capAlignment_ = value;
    update();
    PropertyChanged(QStringLiteral("CapAlignment"));
}

void ORXTextBox::setCaption(const QString& text)
{
    d->caption_ = text;
    update();
    PropertyChanged(QStringLiteral("Caption"));
}

void ORXTextBox::setCapWidth(float twips)
{
    if (!(twips < extender()->width()))
        return;
    d->capWidth_ = twips;
    PropertyChanged(QStringLiteral("CapWidth"));
    d->placeWidgets();
    update();
}

int ORXTextBox::ComboCount() const
{
    return d->ComboList ? d->ComboList->ListCount() : 0;
}

void ORXTextBox::setComboRows(float rows)
{
    d->comboRows_ = rows;
    PropertyChanged(QStringLiteral("ComboRows"));
}

int ORXTextBox::ComboIndex() const
{
    return d->ComboList ? d->ComboList->ListIndex() : 0;
}

QVariant ORXTextBox::ComboItem(int Index) const
{
    return d->ComboList ? d->ComboList->List(Index) : QVariant(QString());
}

QVariant ORXTextBox::ComboItemKey(int Index) const
{
    return d->ComboList ? d->ComboList->ListKey(Index) : QVariant(QString());
}

QString ORXTextBox::ComboItemKeys() const
{
    return d->ComboList ? d->ComboList->ListKeyString() : QString();
}

void ORXTextBox::setComboItemKeys(const QString& keys)
{
    d->comboList()->setListKeyString(keys);
    PropertyChanged(QStringLiteral("ComboItemKeys"));
}

QString ORXTextBox::ComboItems() const
{
    return d->ComboList ? d->ComboList->ListString() : QString();
}

void ORXTextBox::setComboItems(const QString& items)
{
    d->comboList()->setListString(items);
    PropertyChanged(QStringLiteral("ComboItems"));
}

QVariant ORXTextBox::ComboKey() const
{
    return d->ComboList ? d->ComboList->ListKey(d->ComboList->ListIndex()) : QVariant(QString());
}

int ORXTextBox::ComboNewIndex() const
{
    return d->ComboList ? d->ComboList->NewIndex() : 0;
}

void ORXTextBox::setCurrencyDisplayCapt(const QString& text)
{
    d->currencyDisplayCapt_ = text;
    PropertyChanged(QStringLiteral("CurrencyDisplayCapt"));
}

void ORXTextBox::setDesignHeight(float twips)
{
    d->refuseAtRunTime("DesignHeight");
    d->designHeight_ = twips;
    PropertyChanged(QStringLiteral("DesignHeight"));
}

void ORXTextBox::setDesignWidth(float twips)
{
    d->refuseAtRunTime("DesignWidth");
    d->designWidth_ = twips;
    PropertyChanged(QStringLiteral("DesignWidth"));
}

void ORXTextBox::setEnabledState(bool on)
{
    d->enabled_ = on;
    setEnabled(on);
    PropertyChanged(QStringLiteral("Enabled"));
}

void ORXTextBox::setErrorBeep(bool on)
{
    d->errorBeep_ = on;
    PropertyChanged(QStringLiteral("ErrorBeep"));
}

void ORXTextBox::setErrorMess(const QString& text)
{
    d->errorMess_ = text;
    PropertyChanged(QStringLiteral("ErrorMess"));
}

void ORXTextBox::setErrOutOfRangeMess(const QString& text)
{
    d->errOutOfRangeMess_ = text;
    PropertyChanged(QStringLiteral("ErrOutOfRangeMess"));
}

void ORXTextBox::setFocusRectColor(host::OleColor color)
{
    d->focusRectColor_ = color;
    d->applyColours();
    PropertyChanged(QStringLiteral("FocusRectColor"));
}

void ORXTextBox::setFontValue(const host::StdFont& font)
{
    d->font_ = font;
    d->applyFont();
    PropertyChanged(QStringLiteral("Font"));
}

void ORXTextBox::setForeColor(host::OleColor color)
{
    d->foreColor_ = color;
    d->applyColours();
    PropertyChanged(QStringLiteral("ForeColor"));
}

void ORXTextBox::setIfErrMess(bool on)
{
    d->ifErrMess_ = on;
    PropertyChanged(QStringLiteral("IfErrMess"));
}

void ORXTextBox::setIfErrUndo(bool on)
{
    d->ifErrUndo_ = on;
    PropertyChanged(QStringLiteral("IfErrUndo"));
}

// SaveSettings, LoadTemplateSettings, ResetSettings: TextBoxPresets.cpp.

bool ORXTextBox::Locked() const
{
    return d->EF_Text->isReadOnly();
}

void ORXTextBox::setLocked(bool on)
{
    d->EF_Text->setReadOnly(on);
    PropertyChanged(QStringLiteral("Locked"));
}

void ORXTextBox::setLockSize(ORXTX_LockSize_Constants value)
{
    d->lockSize_ = value;
    PropertyChanged(QStringLiteral("LockSize"));
}

void ORXTextBox::setModified(bool on)
{
    d->modified_ = on;
    PropertyChanged(QStringLiteral("Modified"));
}

void ORXTextBox::setMouseIcon(const QImage& picture)
{
    d->mouseIcon_ = picture;
    d->applyMousePointer();
    PropertyChanged(QStringLiteral("MouseIcon"));
}

void ORXTextBox::setMousePointer(int pointer)
{
    d->mousePointer_ = pointer;
    d->applyMousePointer();
    PropertyChanged(QStringLiteral("MousePointer"));
}

void ORXTextBox::setRaiseCBClickOnCKTrue(bool on)
{
    d->raiseCBClickOnCKTrue_ = on;
    PropertyChanged(QStringLiteral("RaiseCBClickOnCKTrue"));
}

void ORXTextBox::setShowFocusRect(bool on)
{
    if (!on && d->comboType_ == ORXTX_List_Type)
        return;
    d->showFocusRect_ = on;
    PropertyChanged(QStringLiteral("ShowFocusRect"));
}

void ORXTextBox::setSelTextAuto(bool on)
{
    d->selTextAuto_ = on;
    PropertyChanged(QStringLiteral("SelTextAuto"));
}

bool ORXTextBox::TabStop() const
{
    return extender()->tabStop();
}

void ORXTextBox::setTabStop(bool on)
{
    extender()->setTabStop(on);
    PropertyChanged(QStringLiteral("TabStop"));
}

QString ORXTextBox::Tag() const
{
    return extender()->tag();
}

void ORXTextBox::setTag(const QString& tag)
{
    extender()->setTag(tag);
    PropertyChanged(QStringLiteral("Tag"));
}

void ORXTextBox::setTagMore(const QString& text)
{
    d->tagMore_ = text;
    PropertyChanged(QStringLiteral("TagMore"));
}

QString ORXTextBox::ToolTipText() const
{
    return extender()->toolTipText();
}

void ORXTextBox::setToolTipText(const QString& text)
{
    extender()->setToolTipText(text);
    d->SF_Caption->setToolTip(text);
    d->EF_Text->setToolTip(text);
    PropertyChanged(QStringLiteral("ToolTipText"));
}

void ORXTextBox::setUnique(bool on)
{
    d->unique_ = on;
    PropertyChanged(QStringLiteral("Unique"));
}

void ORXTextBox::setUseNullValueDefault(bool on)
{
    d->useNullValueDefault_ = on;
    PropertyChanged(QStringLiteral("UseNullValueDefault"));
}

QString ORXTextBox::VersionName() const
{
    return App().productName();
}

QString ORXTextBox::VersionNumber() const
{
    return app::Application::versionText();
}

// ---- Methods --------------------------------------------------------------

void ORXTextBox::ComboAddItem(const QVariant& Item, const QVariant& ItemKey, int Index)
{
    d->comboList()->AddItem(Item, ItemKey, Index >= 1 ? Index : 0);
}

void ORXTextBox::ComboClear()
{
    d->comboList()->Clear();
}

void ORXTextBox::ComboRemoveItem(int Index)
{
    d->comboList()->RemoveItem(Index);
}

QObject* ORXTextBox::NewORXCurrencies()
{
    return new ORXCurrencies();
}

QObject* ORXTextBox::NewORXCurrency()
{
    return new ORXCurrency();
}

void ORXTextBox::ResetDesignSize()
{
    extender()->setHeight(d->designHeight_);
    extender()->setWidth(d->designWidth_);
}

QObject* ORXTextBox::NewORXList()
{
    return new ORXList();
}

void ORXTextBox::ShowAboutBox()
{
    host::MsgBox(tr("%1\nORXTextBox, version %2").arg(VersionName(), VersionNumber()), host::mb::Information,
                 tr("About ORXTextBox"));
}

// ---- Host lifecycle -------------------------------------------------------

void ORXTextBox::AmbientChanged(const QString& name)
{
    if (name.compare(QLatin1String("BackColor"), Qt::CaseInsensitive) == 0)
        setColour(this, QPalette::Window, ambientBackColor());
}

void ORXTextBox::InitProperties()
{
    d->errorFlag_ = false;
    d->CheckSavesText = true;
    d->ReadSeparators();

    d->hasFocus_ = false;
    d->lastText_ = d->SF_Caption->text();
    d->formattedText_ = d->SF_Caption->text();
    d->comboList()->Clear();
    d->applyNewControlDefaults();
    d->selCurrency_.clear();

    // The presets file may set any of these, the template included.
    d->readPresets();
    d->applyColours();
    d->applyFont();
    d->updateSideButtons();
    d->placeWidgets();
}

void ORXTextBox::ReadProperties(host::PropertyBag& bag)
{
    d->SuppressChange = false;
    d->CheckLinksBlank = true;
    const Private::Phase before = d->phase;
    d->phase = Private::Phase::Loading;
    d->CheckSavesText = true;
    d->centreSpinBar();
    d->SpinArmed = true;
    d->DefaultCurrencyName.clear();
    d->hasFocus_ = false;

    d->readBag(bag);

    d->applyColours();
    d->applyFont();
    d->applyMousePointer();
    d->updateSideButtons();
    d->placeWidgets();
    d->RefreshDisplay();
    d->phase = before;
}

void ORXTextBox::Private::computeDataNames()
{
    dataIndex_.clear();
    dataName_.clear();
    if (basic::trimSpaces(q->extender()->dataField()).isEmpty())
        return;
    const QString source = q->extender()->dataSource();
    const qsizetype p = source.indexOf(QLatin1Char('('));
    if (p < 0) {
        dataName_ = source;
        return;
    }
    dataName_ = source.left(p);
    // The text between "(" and the last character, which closes the index.
    dataIndex_ = source.mid(p + 1, qMax<qsizetype>(0, source.size() - p - 2));
}

void ORXTextBox::WriteProperties(host::PropertyBag& bag)
{
    d->writeBag(bag);
}

// ---- Property reads ------------------------------------------------------

auto ORXTextBox::Alignment() const -> ORXTX_TextAlign_Constants
{
    return ORXTX_TextAlign_Constants(d->alignment_);
}

auto ORXTextBox::AllowNothing() const -> bool
{
    return d->allowNothing_;
}

auto ORXTextBox::AllowPaste() const -> bool
{
    return d->allowPaste_;
}

auto ORXTextBox::Appearance() const -> ORXTX::ORXTX_Appearance_Constants
{
    return ORXTX::ORXTX_Appearance_Constants(d->border_.Appearance());
}

auto ORXTextBox::BackColor() const -> host::OleColor
{
    return d->backColor_;
}

auto ORXTextBox::Blanked() const -> bool
{
    return d->blanked_;
}

auto ORXTextBox::BorderStyle() const -> ORXTX::ORXTX_BorderStyle_Constants
{
    return ORXTX::ORXTX_BorderStyle_Constants(d->border_.BorderStyle());
}

auto ORXTextBox::BorderEffect() const -> ORXTX::ORXTX_BorderEffect_Constants
{
    return ORXTX::ORXTX_BorderEffect_Constants(d->border_.BorderEffect());
}

auto ORXTextBox::CapAlignment() const -> ORXTX_CaptAlign_Constants
{
    return ORXTX_CaptAlign_Constants(d->capAlignment_);
}

auto ORXTextBox::Caption() const -> QString
{
    return d->caption_;
}

auto ORXTextBox::CapWidth() const -> float
{
    return d->capWidth_;
}

auto ORXTextBox::Characters() const -> int
{
    return d->characters_;
}

auto ORXTextBox::CharacterTable() const -> QString
{
    return d->characterTable_;
}

auto ORXTextBox::CheckBoxEnabled() const -> bool
{
    return d->checkBoxEnabled_;
}

auto ORXTextBox::CheckBoxValue() const -> bool
{
    return d->checkBoxValue_;
}

auto ORXTextBox::CheckBoxVisible() const -> bool
{
    return d->checkBoxVisible_;
}

auto ORXTextBox::ComboButtonEnabled() const -> bool
{
    return d->comboButtonEnabled_;
}

auto ORXTextBox::ComboButtonVisible() const -> bool
{
    return d->comboButtonVisible_;
}

auto ORXTextBox::ComboRows() const -> float
{
    return d->comboRows_;
}

auto ORXTextBox::ComboType() const -> ORXTX_ComboType_Constants
{
    return ORXTX_ComboType_Constants(d->comboType_);
}

auto ORXTextBox::Currencies() const -> ORXCurrencies*
{
    return d->currencies_;
}

auto ORXTextBox::CurrencyDisplayCapt() const -> QString
{
    return d->currencyDisplayCapt_;
}

auto ORXTextBox::DataIndex() const -> QString
{
    return d->dataIndex_;
}

auto ORXTextBox::DataName() const -> QString
{
    return d->dataName_;
}

auto ORXTextBox::DesignHeight() const -> float
{
    return d->designHeight_;
}

auto ORXTextBox::DesignWidth() const -> float
{
    return d->designWidth_;
}

auto ORXTextBox::Enabled() const -> bool
{
    return d->enabled_;
}

auto ORXTextBox::ErrorBeep() const -> bool
{
    return d->errorBeep_;
}

auto ORXTextBox::ErrorDesc() const -> QString
{
    return d->errorDesc_;
}

auto ORXTextBox::ErrorFlag() const -> bool
{
    return d->errorFlag_;
}

auto ORXTextBox::ErrorMess() const -> QString
{
    return d->errorMess_;
}

auto ORXTextBox::ErrOutOfRangeMess() const -> QString
{
    return d->errOutOfRangeMess_;
}

auto ORXTextBox::FocusRectColor() const -> host::OleColor
{
    return d->focusRectColor_;
}

auto ORXTextBox::Font() const -> host::StdFont
{
    return d->font_;
}

auto ORXTextBox::ForeColor() const -> host::OleColor
{
    return d->foreColor_;
}

auto ORXTextBox::FormattedText() const -> QString
{
    return d->formattedText_;
}

auto ORXTextBox::HandleCurrencyChanges() const -> bool
{
    return d->handleCurrencyChanges_;
}

auto ORXTextBox::HasFocus() const -> bool
{
    return d->hasFocus_;
}

auto ORXTextBox::IfErrMess() const -> bool
{
    return d->ifErrMess_;
}

auto ORXTextBox::IfErrUndo() const -> bool
{
    return d->ifErrUndo_;
}

auto ORXTextBox::LastText() const -> QVariant
{
    return d->lastText_;
}

auto ORXTextBox::Layout() const -> QString
{
    return d->layout_;
}

auto ORXTextBox::LockSize() const -> ORXTX_LockSize_Constants
{
    return ORXTX_LockSize_Constants(d->lockSize_);
}

auto ORXTextBox::MaxValue() const -> QString
{
    return d->maxValue_;
}

auto ORXTextBox::MinValue() const -> QString
{
    return d->minValue_;
}

auto ORXTextBox::Modified() const -> bool
{
    return d->modified_;
}

auto ORXTextBox::MouseIcon() const -> QImage
{
    return d->mouseIcon_;
}

auto ORXTextBox::MousePointer() const -> int
{
    return d->mousePointer_;
}

auto ORXTextBox::NullText() const -> QString
{
    return d->nullText_;
}

auto ORXTextBox::PasswordChar() const -> QString
{
    return d->passwordChar_;
}

auto ORXTextBox::RaiseCBClickOnCKTrue() const -> bool
{
    return d->raiseCBClickOnCKTrue_;
}

auto ORXTextBox::RawText() const -> QVariant
{
    return d->rawText_;
}

auto ORXTextBox::ShowFocusRect() const -> bool
{
    return d->showFocusRect_;
}

auto ORXTextBox::ShowSymbolCurrency() const -> bool
{
    return d->showSymbolCurrency_;
}

auto ORXTextBox::SelCurrency() const -> QString
{
    return d->selCurrency_;
}

auto ORXTextBox::SelTextAuto() const -> bool
{
    return d->selTextAuto_;
}

auto ORXTextBox::SpinButtons() const -> bool
{
    return d->spinButtons_;
}

auto ORXTextBox::SpinDateType() const -> ORXTX_DateInc_Constants
{
    return ORXTX_DateInc_Constants(d->spinDateType_);
}

auto ORXTextBox::SpinTimeType() const -> ORXTX_TimeInc_Constants
{
    return ORXTX_TimeInc_Constants(d->spinTimeType_);
}

auto ORXTextBox::SpinValue() const -> double
{
    return d->spinValue_;
}

auto ORXTextBox::TagMore() const -> QString
{
    return d->tagMore_;
}

auto ORXTextBox::Template() const -> ORXTX_Template_Constants
{
    return ORXTX_Template_Constants(d->template_);
}

auto ORXTextBox::Text() const -> QVariant
{
    return d->text_;
}

auto ORXTextBox::Unique() const -> bool
{
    return d->unique_;
}

auto ORXTextBox::UseDefaultCurrency() const -> bool
{
    return d->useDefaultCurrency_;
}

auto ORXTextBox::UseNullValueDefault() const -> bool
{
    return d->useNullValueDefault_;
}

auto ORXTextBox::currencyButton() const -> QPushButton*
{
    return d->ORX_CM_TX_INT_Left;
}

auto ORXTextBox::dropDownButton() const -> QPushButton*
{
    return d->ORX_CM_TX_INT_Right;
}

auto ORXTextBox::comboListBox() const -> QListWidget*
{
    return d->LB_Combo;
}

auto ORXTextBox::spinBar() const -> QScrollBar*
{
    return d->VS_Spin;
}

auto ORXTextBox::editField() const -> QLineEdit*
{
    return d->EF_Text;
}

auto ORXTextBox::checkBox() const -> QCheckBox*
{
    return d->CK_Selected;
}

auto ORXTextBox::focusFrame() const -> QFrame*
{
    return d->SH_Focus;
}

auto ORXTextBox::displayLabel() const -> QLabel*
{
    return d->SF_Caption;
}

auto ORXTextBox::reverted() const -> bool
{
    return d->Reverted;
}

auto ORXTextBox::Private::runMode() const -> bool
{
    return q->ambientUserMode();
}

}  // namespace orx::tools
