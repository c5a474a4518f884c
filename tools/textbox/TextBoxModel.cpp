// The text box's widgets, its plain properties, creation and the property bag.
#include "tools/textbox/ORXTextBox.h"

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
    : UserControl(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setAutoFillBackground(true);
    font_ = ambientFont();
    SavedText = basic::nullVariant();
    createWidgets();
    comboList();
}

ORXTextBox::~ORXTextBox() = default;

void ORXTextBox::createWidgets()
{
    // In the order the control declares them: later ones lie above.
    ORX_CM_TX_INT_Left = new QPushButton(this);
    ORX_CM_TX_INT_Left->setObjectName(QStringLiteral("ORX_CM_TX_INT_Left"));
    ORX_CM_TX_INT_Right = new QPushButton(this);
    ORX_CM_TX_INT_Right->setObjectName(QStringLiteral("ORX_CM_TX_INT_Right"));
    LB_Combo = new QListWidget(this);
    LB_Combo->setObjectName(QStringLiteral("LB_Combo"));
    VS_Spin = new QScrollBar(Qt::Vertical, this);
    VS_Spin->setObjectName(QStringLiteral("VS_Spin"));
    VS_Spin->setRange(0, 30000);
    VS_Spin->setValue(15000);
    EF_Text = new QLineEdit(this);
    EF_Text->setObjectName(QStringLiteral("EF_Text"));
    CK_Selected = new QCheckBox(this);
    CK_Selected->setObjectName(QStringLiteral("CK_Selected"));
    CK_Selected->setChecked(true);
    SH_Focus = new QFrame(this);
    SH_Focus->setObjectName(QStringLiteral("SH_Focus"));
    SF_Caption = new QLabel(this);
    SF_Caption->setObjectName(QStringLiteral("SF_Caption"));

    for (QPushButton* b : {ORX_CM_TX_INT_Left, ORX_CM_TX_INT_Right}) {
        b->setFocusPolicy(Qt::NoFocus);
        b->hide();
    }
    connect(ORX_CM_TX_INT_Left, &QPushButton::clicked, this, [this] { showCurrentCurrency(); });
    LB_Combo->hide();
    VS_Spin->setFocusPolicy(Qt::NoFocus);
    VS_Spin->hide();
    CK_Selected->hide();
    connect(CK_Selected, &QCheckBox::toggled, this, [this] { applyCheckBoxClick(); });
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
    EF_Text->installEventFilter(this);
    connect(EF_Text, &QLineEdit::textChanged, this, &ORXTextBox::onEditFieldChanged);

    SF_Caption->setAutoFillBackground(true);
    SF_Caption->setTextFormat(Qt::PlainText);
    SF_Caption->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    SF_Caption->setMouseTracking(true);
    SF_Caption->installEventFilter(this);

    applyColours();
    applyFont();
    setUpSideWidgets();
}

void ORXTextBox::applyColours()
{
    setColour(this, QPalette::Window, ambientBackColor());
    setColour(EF_Text, QPalette::Base, backColor_);
    setColour(EF_Text, QPalette::Text, foreColor_);
    setColour(SF_Caption, QPalette::Window, backColor_);
    setColour(SF_Caption, QPalette::WindowText, foreColor_);
    setColour(CK_Selected, QPalette::Window, backColor_);
    SH_Focus->setStyleSheet(QStringLiteral("QFrame#SH_Focus { border: 1px solid %1; background: transparent; }")
                                .arg(host::resolveColor(focusRectColor_).name()));
}

void ORXTextBox::applyFont()
{
    const QFont f = font_.toQFont();
    EF_Text->setFont(f);
    SF_Caption->setFont(f);
}

void ORXTextBox::applyMousePointer()
{
    // Classic pointer numbers: 0 default, 1 arrow, 2 cross, 3 I-beam,
    // 11 hourglass, 99 the custom MouseIcon.
    switch (mousePointer_) {
    case 1: setCursor(Qt::ArrowCursor); break;
    case 2: setCursor(Qt::CrossCursor); break;
    case 3: setCursor(Qt::IBeamCursor); break;
    case 11: setCursor(Qt::WaitCursor); break;
    case 99:
        if (!mouseIcon_.isNull()) {
            setCursor(QCursor(QPixmap::fromImage(mouseIcon_)));
            break;
        }
        [[fallthrough]];
    default: unsetCursor(); break;
    }
}

// Resize and placeWidgets: TextBoxLayout.cpp.

void ORXTextBox::refuseAtRunTime(const char* member) const
{
    if (runMode())
        basic::raiseError(basic::err::GetNotSupportedAtRuntime, QStringLiteral("ORXTextBox.") + QLatin1String(member));
}

ORXList* ORXTextBox::comboList()
{
    if (!ComboList)
        ComboList = new ORXList(this);
    return ComboList;
}

void ORXTextBox::notifyBorder(const QStringList& names)
{
    for (const QString& n : names)
        PropertyChanged(n);
    update();
}

// ---- Plain properties ----------------------------------------------------

void ORXTextBox::applyAlignment()
{
    const Qt::Alignment h = alignment_ == ORXTX_Right_Justify ? Qt::AlignRight
        : alignment_ == ORXTX_Center                          ? Qt::AlignHCenter
                                                              : Qt::AlignLeft;
    SF_Caption->setAlignment(h | Qt::AlignVCenter);
}

void ORXTextBox::setAlignment(ORXTX_TextAlign_Constants value)
{
    alignment_ = value;
    applyAlignment();
    PropertyChanged(QStringLiteral("Alignment"));
}

void ORXTextBox::setAllowNothing(bool on)
{
    allowNothing_ = on;
    PropertyChanged(QStringLiteral("AllowNothing"));
}

void ORXTextBox::setAllowPaste(bool on)
{
    if (!passwordChar_.isEmpty())
        return;
    allowPaste_ = on;
    PropertyChanged(QStringLiteral("AllowPaste"));
}

void ORXTextBox::setAppearance(ORXTX::ORXTX_Appearance_Constants value)
{
    notifyBorder(border_.setAppearance(value).notify);
}

void ORXTextBox::setBorderStyle(ORXTX::ORXTX_BorderStyle_Constants value)
{
    notifyBorder(border_.setBorderStyle(value).notify);
}

void ORXTextBox::setBorderEffect(ORXTX::ORXTX_BorderEffect_Constants value)
{
    notifyBorder(border_.setBorderEffect(value).notify);
}

void ORXTextBox::setBackColor(host::OleColor color)
{
    backColor_ = color;
    applyColours();
    update();
    PropertyChanged(QStringLiteral("BackColor"));
}

void ORXTextBox::setCapAlignment(ORXTX_CaptAlign_Constants value)
{
    capAlignment_ = value;
    update();
    PropertyChanged(QStringLiteral("CapAlignment"));
}

void ORXTextBox::setCaption(const QString& text)
{
    caption_ = text;
    update();
    PropertyChanged(QStringLiteral("Caption"));
}

void ORXTextBox::setCapWidth(float twips)
{
    if (!(twips < extender()->width()))
        return;
    capWidth_ = twips;
    PropertyChanged(QStringLiteral("CapWidth"));
    placeWidgets();
    update();
}

int ORXTextBox::ComboCount() const
{
    return ComboList ? ComboList->ListCount() : 0;
}

void ORXTextBox::setComboRows(float rows)
{
    comboRows_ = rows;
    PropertyChanged(QStringLiteral("ComboRows"));
}

int ORXTextBox::ComboIndex() const
{
    return ComboList ? ComboList->ListIndex() : 0;
}

QVariant ORXTextBox::ComboItem(int Index) const
{
    return ComboList ? ComboList->List(Index) : QVariant(QString());
}

QVariant ORXTextBox::ComboItemKey(int Index) const
{
    return ComboList ? ComboList->ListKey(Index) : QVariant(QString());
}

QString ORXTextBox::ComboItemKeys() const
{
    return ComboList ? ComboList->ListKeyString() : QString();
}

void ORXTextBox::setComboItemKeys(const QString& keys)
{
    comboList()->setListKeyString(keys);
    PropertyChanged(QStringLiteral("ComboItemKeys"));
}

QString ORXTextBox::ComboItems() const
{
    return ComboList ? ComboList->ListString() : QString();
}

void ORXTextBox::setComboItems(const QString& items)
{
    comboList()->setListString(items);
    PropertyChanged(QStringLiteral("ComboItems"));
}

QVariant ORXTextBox::ComboKey() const
{
    return ComboList ? ComboList->ListKey(ComboList->ListIndex()) : QVariant(QString());
}

int ORXTextBox::ComboNewIndex() const
{
    return ComboList ? ComboList->NewIndex() : 0;
}

void ORXTextBox::setCurrencyDisplayCapt(const QString& text)
{
    currencyDisplayCapt_ = text;
    PropertyChanged(QStringLiteral("CurrencyDisplayCapt"));
}

void ORXTextBox::setDesignHeight(float twips)
{
    refuseAtRunTime("DesignHeight");
    designHeight_ = twips;
    PropertyChanged(QStringLiteral("DesignHeight"));
}

void ORXTextBox::setDesignWidth(float twips)
{
    refuseAtRunTime("DesignWidth");
    designWidth_ = twips;
    PropertyChanged(QStringLiteral("DesignWidth"));
}

void ORXTextBox::setEnabledState(bool on)
{
    enabled_ = on;
    setEnabled(on);
    PropertyChanged(QStringLiteral("Enabled"));
}

void ORXTextBox::setErrorBeep(bool on)
{
    errorBeep_ = on;
    PropertyChanged(QStringLiteral("ErrorBeep"));
}

void ORXTextBox::setErrorMess(const QString& text)
{
    errorMess_ = text;
    PropertyChanged(QStringLiteral("ErrorMess"));
}

void ORXTextBox::setErrOutOfRangeMess(const QString& text)
{
    errOutOfRangeMess_ = text;
    PropertyChanged(QStringLiteral("ErrOutOfRangeMess"));
}

void ORXTextBox::setFocusRectColor(host::OleColor color)
{
    focusRectColor_ = color;
    applyColours();
    PropertyChanged(QStringLiteral("FocusRectColor"));
}

void ORXTextBox::setFontValue(const host::StdFont& font)
{
    font_ = font;
    applyFont();
    PropertyChanged(QStringLiteral("Font"));
}

void ORXTextBox::setForeColor(host::OleColor color)
{
    foreColor_ = color;
    applyColours();
    PropertyChanged(QStringLiteral("ForeColor"));
}

void ORXTextBox::setIfErrMess(bool on)
{
    ifErrMess_ = on;
    PropertyChanged(QStringLiteral("IfErrMess"));
}

void ORXTextBox::setIfErrUndo(bool on)
{
    ifErrUndo_ = on;
    PropertyChanged(QStringLiteral("IfErrUndo"));
}

// SaveSettings, LoadTemplateSettings, ResetSettings: TextBoxPresets.cpp.

bool ORXTextBox::Locked() const
{
    return EF_Text->isReadOnly();
}

void ORXTextBox::setLocked(bool on)
{
    EF_Text->setReadOnly(on);
    PropertyChanged(QStringLiteral("Locked"));
}

void ORXTextBox::setLockSize(ORXTX_LockSize_Constants value)
{
    lockSize_ = value;
    PropertyChanged(QStringLiteral("LockSize"));
}

void ORXTextBox::setModified(bool on)
{
    modified_ = on;
    PropertyChanged(QStringLiteral("Modified"));
}

void ORXTextBox::setMouseIcon(const QImage& picture)
{
    mouseIcon_ = picture;
    applyMousePointer();
    PropertyChanged(QStringLiteral("MouseIcon"));
}

void ORXTextBox::setMousePointer(int pointer)
{
    mousePointer_ = pointer;
    applyMousePointer();
    PropertyChanged(QStringLiteral("MousePointer"));
}

void ORXTextBox::setRaiseCBClickOnCKTrue(bool on)
{
    raiseCBClickOnCKTrue_ = on;
    PropertyChanged(QStringLiteral("RaiseCBClickOnCKTrue"));
}

void ORXTextBox::setShowFocusRect(bool on)
{
    if (!on && comboType_ == ORXTX_List_Type)
        return;
    showFocusRect_ = on;
    PropertyChanged(QStringLiteral("ShowFocusRect"));
}

void ORXTextBox::setSelTextAuto(bool on)
{
    selTextAuto_ = on;
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
    tagMore_ = text;
    PropertyChanged(QStringLiteral("TagMore"));
}

QString ORXTextBox::ToolTipText() const
{
    return extender()->toolTipText();
}

void ORXTextBox::setToolTipText(const QString& text)
{
    extender()->setToolTipText(text);
    SF_Caption->setToolTip(text);
    EF_Text->setToolTip(text);
    PropertyChanged(QStringLiteral("ToolTipText"));
}

void ORXTextBox::setUnique(bool on)
{
    unique_ = on;
    PropertyChanged(QStringLiteral("Unique"));
}

void ORXTextBox::setUseNullValueDefault(bool on)
{
    useNullValueDefault_ = on;
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
    comboList()->AddItem(Item, ItemKey, Index >= 1 ? Index : 0);
}

void ORXTextBox::ComboClear()
{
    comboList()->Clear();
}

void ORXTextBox::ComboRemoveItem(int Index)
{
    comboList()->RemoveItem(Index);
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
    extender()->setHeight(designHeight_);
    extender()->setWidth(designWidth_);
}

QObject* ORXTextBox::NewORXList()
{
    return new ORXList();
}

void ORXTextBox::ShowAboutBox()
{
    host::MsgBox(VersionName() + QStringLiteral("\nORXTextBox, version ") + VersionNumber(), host::mb::Information,
                 QStringLiteral("About ORXTextBox"));
}

// ---- Host lifecycle -------------------------------------------------------

void ORXTextBox::AmbientChanged(const QString& name)
{
    if (name.compare(QLatin1String("BackColor"), Qt::CaseInsensitive) == 0)
        setColour(this, QPalette::Window, ambientBackColor());
}

void ORXTextBox::InitProperties()
{
    errorFlag_ = false;
    Loading = false;
    CheckSavesText = true;
    ReadSeparators();

    hasFocus_ = false;
    lastText_ = SF_Caption->text();
    formattedText_ = SF_Caption->text();
    comboList()->Clear();
    applyNewControlDefaults();
    selCurrency_.clear();

    // The presets file may set any of these, the template included.
    readPresets();
    applyColours();
    applyFont();
    updateSideButtons();
    placeWidgets();
}

void ORXTextBox::ReadProperties(host::PropertyBag& bag)
{
    SuppressChange = false;
    CheckLinksBlank = true;
    Loading = true;
    CheckSavesText = true;
    centreSpinBar();
    SpinArmed = true;
    DefaultCurrencyName.clear();
    hasFocus_ = false;

    readBag(bag);

    applyColours();
    applyFont();
    applyMousePointer();
    updateSideButtons();
    placeWidgets();
    RefreshDisplay();
    Loading = false;
}

void ORXTextBox::computeDataNames()
{
    dataIndex_.clear();
    dataName_.clear();
    if (basic::trimSpaces(extender()->dataField()).isEmpty())
        return;
    const QString source = extender()->dataSource();
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
    writeBag(bag);
}

}  // namespace orx::tools
