#include "tools/pages/TextBoxPages.h"

#include "platform/basic/BasicError.h"
#include "platform/basic/Logging.h"
#include "tools/common/Library.h"
#include "tools/common/SettingsFiles.h"
#include "tools/currency/ORXCurrencies.h"
#include "tools/currency/ORXCurrency.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace orx::tools::pages {

namespace {

int templateOf(const QObject* control)
{
    return control ? control->property("Template").toInt() : 0;
}

}  // namespace

// ---- General -----------------------------------------------------------------

ORXTX_General_PPage::ORXTX_General_PPage(QWidget* parent)
    : PropertyPage(QStringLiteral("General"), parent)
{
    setObjectName(QStringLiteral("ORXTX_General_PPage"));
    auto* columns = new QHBoxLayout(this);
    auto* form = new QFormLayout;
    columns->addLayout(form);
    addText(form, "EF_Caption", "Caption", QStringLiteral("Caption:"));
    addNumber(form, "EF_CapWidth", "CapWidth", QStringLiteral("CapWidth:"));
    addText(form, "EF_PasswordChar", "PasswordChar", QStringLiteral("PasswordChar:"));
    addText(form, "EF_ToolTipText", "ToolTipText", QStringLiteral("ToolTipText:"));
    addText(form, "EF_Text", "Text", QStringLiteral("Text:"));
    addText(form, "EF_NullText", "NullText", QStringLiteral("NullText:"));
    addText(form, "EF_Tag", "Tag", QStringLiteral("Tag:"));
    addText(form, "EF_TagMore", "TagMore", QStringLiteral("TagMore:"));
    layout_ = addText(form, "EF_Layout", "Layout", QStringLiteral("Layout:"));
    addNumber(form, "EF_MaxLength", "MaxLength", QStringLiteral("MaxLength:"));
    addText(form, "EF_MinValue", "MinValue", QStringLiteral("MinValue:"));
    addText(form, "EF_MaxValue", "MaxValue", QStringLiteral("MaxValue:"));
    columns->addWidget(addOptions("OB_CapAlignment", "CapAlignment", QStringLiteral("CapAlignment:"),
                                  {tr("Top Left"), tr("Top Right"), tr("Top Center"), tr("Middle Left"),
                                   tr("Middle Right"), tr("Middle Center"), tr("Bottom Left"), tr("Bottom Right"),
                                   tr("Bottom Center")},
                                  {0, 1, 2, 3, 4, 5, 6, 7, 8}, this),
                       0, Qt::AlignTop);
    // The text last: it is taken under the layout and limits just written.
    setWriteOrder({QStringLiteral("Caption"), QStringLiteral("CapWidth"), QStringLiteral("CapAlignment"),
                   QStringLiteral("PasswordChar"), QStringLiteral("ToolTipText"), QStringLiteral("NullText"),
                   QStringLiteral("Tag"), QStringLiteral("TagMore"), QStringLiteral("Layout"),
                   QStringLiteral("MaxLength"), QStringLiteral("MinValue"), QStringLiteral("MaxValue"),
                   QStringLiteral("Text")});
}

void ORXTX_General_PPage::afterFill()
{
    layout_->setEnabled(layoutEditable(templateOf(control())));
}

// ---- Appearance --------------------------------------------------------------

ORXTX_Appearance_PPage::ORXTX_Appearance_PPage(QWidget* parent)
    : PropertyPage(QStringLiteral("Appearance"), parent)
{
    setObjectName(QStringLiteral("ORXTX_Appearance_PPage"));
    auto* columns = new QHBoxLayout(this);
    auto* left = new QVBoxLayout;
    columns->addLayout(left);
    left->addWidget(addOptions("OB_Appearance", "Appearance", QStringLiteral("Appearance:"),
                               {QStringLiteral("Flat"), QStringLiteral("3D")}, {0, 1}, this));
    left->addWidget(addBorderEffects(QStringLiteral("BorderEffect:"), this));
    left->addWidget(addOptions("OB_LockSize", "LockSize", QStringLiteral("LockSize:"),
                               {tr("No"), tr("Height"), tr("Width"), tr("Both")}, {0, 1, 2, 3}, this));
    left->addWidget(addOptions("OB_ComboType", "ComboType", QStringLiteral("ComboType:"),
                               {QStringLiteral("Combo"), QStringLiteral("List")}, {0, 1}, this));
    left->addStretch();
    auto* right = new QVBoxLayout;
    columns->addLayout(right);
    auto* form = new QFormLayout;
    right->addLayout(form);
    addNumber(form, "EF_ComboRows", "ComboRows", QStringLiteral("ComboRows:"));
    addText(form, "EF_ComboItems", "ComboItems", QStringLiteral("ComboItems:"));
    addText(form, "EF_ComboItemKeys", "ComboItemKeys", QStringLiteral("ComboItemKeys:"));
    auto* checks = new QGridLayout;
    right->addLayout(checks);
    static const char* const kChecks[] = {"AllowNothing",       "AllowPaste",         "CheckBoxEnabled",
                                          "CheckBoxValue",      "CheckBoxVisible",    "ComboButtonEnabled",
                                          "ComboButtonVisible", "ErrorBeep",          "IfErrUndo",
                                          "Locked",             "SelTextAuto",        "ShowFocusRect",
                                          "TabStop",            "Unique",             "UseNullValueDefault"};
    int i = 0;
    for (const char* property : kChecks) {
        const QByteArray name = QByteArray("CK_") + property;
        QCheckBox* box = addCheck(name.constData(), property, QLatin1String(property), this);
        checks->addWidget(box, i / 2, i % 2);
        ++i;
    }
    right->addStretch();
    // The look first: BorderEffect is stored under the Appearance it couples with.
    setWriteOrder({QStringLiteral("Appearance"), QStringLiteral("BorderEffect")});
}

// ---- Characters --------------------------------------------------------------

ORXTX_Characters_PPage::ORXTX_Characters_PPage(QWidget* parent)
    : PropertyPage(QStringLiteral("Characters"), parent)
{
    setObjectName(QStringLiteral("ORXTX_Characters_PPage"));
    auto* layout = new QVBoxLayout(this);
    static const char* const kCaptions[kCharacterBoxes] = {"Allow All",
                                                           "Allow Alfabetic",
                                                           "Allow Spaces",
                                                           "Allow Numeric",
                                                           "Allow CharacterTable Characters",
                                                           "Exclude CharacterTable Characters",
                                                           "Upper Case A-Z",
                                                           "Lower Case a-z",
                                                           "Capitalize First Character of Words"};
    for (int i = 0; i < kCharacterBoxes; ++i) {
        auto* box = new QCheckBox(QLatin1String(kCaptions[i]), this);
        box->setObjectName(QStringLiteral("CK_Characters_") + QString::number(i));
        layout->addWidget(box);
        boxes_[i] = box;
        connect(box, &QCheckBox::clicked, this, [this, i] {
            runRule([this, i] {
                CharacterBoxes b = boxes();
                applyCharacterRule(b, i);
                showBoxes(b);
            });
        });
    }
    // The nine boxes are one field: the sum of their flags.
    addField("Characters", boxes_[0], [this](const QVariant& v) { showBoxes(characterBoxes(v.toInt())); },
             [this] {
                 CharacterBoxes b = boxes();
                 return QVariant(charactersOf(b));
             });
    auto* form = new QFormLayout;
    layout->addLayout(form);
    addText(form, "EF_CharacterTable", "CharacterTable", QStringLiteral("CharacterTable:"));
    layout->addStretch();
}

void ORXTX_Characters_PPage::showBoxes(const CharacterBoxes& boxes)
{
    for (int i = 0; i < kCharacterBoxes; ++i)
        boxes_[i]->setChecked(boxes[i]);
}

CharacterBoxes ORXTX_Characters_PPage::boxes() const
{
    CharacterBoxes b{};
    for (int i = 0; i < kCharacterBoxes; ++i)
        b[i] = boxes_[i]->isChecked();
    return b;
}

void ORXTX_Characters_PPage::afterFill()
{
    const bool string = templateOf(control()) == 0;
    for (QCheckBox* box : boxes_)
        box->setEnabled(string);
}

// ---- Templates ---------------------------------------------------------------

ORXTX_Templates_PPage::ORXTX_Templates_PPage(QWidget* parent)
    : PropertyPage(QStringLiteral("Templates"), parent)
{
    setObjectName(QStringLiteral("ORXTX_Templates_PPage"));
    auto* columns = new QHBoxLayout(this);
    auto* left = new QVBoxLayout;
    columns->addLayout(left);
    templates_ = addOptions("OB_Templates", "Template", tr("Template"),
                            {QStringLiteral("String"), QStringLiteral("Numeric"), QStringLiteral("Currency"),
                             QStringLiteral("Percent"), QStringLiteral("Day  Month  Year"),
                             QStringLiteral("Month  Day  Year"), QStringLiteral("Year  Month  Day"),
                             QStringLiteral("Day  Month"), QStringLiteral("Month  Day"), QStringLiteral("Month  Year"),
                             QStringLiteral("Year  Month"), QStringLiteral("Hour  Minute"),
                             QStringLiteral("Hour  Minute  Seconds")},
                            {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}, this);
    left->addWidget(templates_);
    alignment_ = addOptions("OB_Alignment", "Alignment", tr("Alignment"), {tr("Left"), tr("Center"), tr("Right")},
                            {0, 2, 1}, this);
    left->addWidget(alignment_);
    left->addStretch();

    auto* right = new QVBoxLayout;
    columns->addLayout(right);
    auto* spin = new QGroupBox(tr("Spin"), this);
    spin->setObjectName(QStringLiteral("FR_Spin"));
    auto* spinForm = new QFormLayout(spin);
    spinForm->addRow(addCheck("CK_SpinButtons", "SpinButtons", QStringLiteral("SpinButtons"), spin));
    addNumber(spinForm, "EF_SpinValue", "SpinValue", QStringLiteral("SpinValue:"));
    auto* spinTypes = new QHBoxLayout;
    OptionGroup* dateType = addOptions("OB_SpinDateType", "SpinDateType", QStringLiteral("SpinDateType"),
                                       {QStringLiteral("Days"), QStringLiteral("Weeks"), QStringLiteral("Months"),
                                        QStringLiteral("Years")},
                                       {1, 2, 3, 4}, this);
    dateType->setObjectName(QStringLiteral("FR_SpinDateType"));
    OptionGroup* timeType = addOptions("OB_SpinTimeType", "SpinTimeType", QStringLiteral("SpinTimeType"),
                                       {QStringLiteral("Seconds"), QStringLiteral("Minutes"), QStringLiteral("Hours")},
                                       {1, 2, 3}, this);
    timeType->setObjectName(QStringLiteral("FR_SpinTimeType"));
    spinTypes->addWidget(spin);
    spinTypes->addWidget(dateType);
    spinTypes->addWidget(timeType);
    right->addLayout(spinTypes);
    spinWidgets_ = {spin, dateType, timeType};

    auto* currencyForm = new QFormLayout;
    right->addLayout(currencyForm);
    currencies_ = new QComboBox(this);
    currencies_->setObjectName(QStringLiteral("CB_Currencies"));
    currencyForm->addRow(tr("Currency:"), currencies_);
    auto* currencyLabel = currencyForm->labelForField(currencies_);
    currencyLabel->setObjectName(QStringLiteral("SF_SelCurrency"));
    addField("SelCurrency", currencies_, [](const QVariant&) {}, [this] { return QVariant(currencies_->currentText()); });
    connect(currencies_, &QComboBox::activated, this, [this] {
        showCurrency(currencies_->currentText());
        markChanged();
    });
    path_ = addDisplay(currencyForm, "EF_SelCurrencyPath", QStringLiteral("Current ORXCurrency.INI's Path:"));
    auto* pathLabel = currencyForm->labelForField(path_);
    pathLabel->setObjectName(QStringLiteral("SF_SelCurrencyPath"));

    auto* shown = new QGroupBox(tr("Currency"), this);
    shown->setObjectName(QStringLiteral("FR_Currency"));
    auto* shownForm = new QFormLayout(shown);
    symbol_ = addDisplay(shownForm, "EF_Symbol", tr("Symbol:"));
    decimals_ = addDisplay(shownForm, "EF_Decimals", tr("Decimals:"));
    euroChange_ = addDisplay(shownForm, "EF_EuroChange",
                             QStringLiteral("Change Value to Euro (Valid Only for European Currencies)"));
    layout_ = addDisplay(shownForm, "EF_Layout", tr("Layout:"));
    right->addWidget(shown);

    auto* changes = new QGroupBox(tr("Currency changes"), this);
    changes->setObjectName(QStringLiteral("FR_CurrencyChanges"));
    auto* changesForm = new QFormLayout(changes);
    addText(changesForm, "EF_CurrDisplayCapt", "CurrencyDisplayCapt", QStringLiteral("CurrencyDisplayCapt:"));
    changesForm->addRow(addCheck("CK_ShowSymbolCurrency", "ShowSymbolCurrency", QStringLiteral("ShowSymbolCurrency"),
                                 changes));
    changesForm->addRow(addCheck("CK_HandleCurrencyChanges", "HandleCurrencyChanges",
                                 QStringLiteral("HandleCurrencyChanges"), changes));
    changesForm->addRow(addCheck("CK_UseDefaultCurrency", "UseDefaultCurrency", QStringLiteral("UseDefaultCurrency"),
                                 changes));
    right->addWidget(changes);
    right->addStretch();
    currencyWidgets_ = {currencyLabel, currencies_, shown, pathLabel, path_, changes};

    // A template the designer chooses brings its alignment; the fill shows
    // the control's own alignment and never runs this.
    connect(templates_, &OptionGroup::chosen, this, [this](int templ) {
        alignment_->setValue(alignmentForTemplate(templ));
        showForTemplate(templ, control() ? control()->property("SelCurrency").toString() : QString());
    });
    setWriteOrder({QStringLiteral("Template"), QStringLiteral("SelCurrency"), QStringLiteral("CurrencyDisplayCapt"),
                   QStringLiteral("ShowSymbolCurrency"), QStringLiteral("HandleCurrencyChanges"),
                   QStringLiteral("UseDefaultCurrency"), QStringLiteral("SpinButtons"), QStringLiteral("Alignment"),
                   QStringLiteral("SpinValue"), QStringLiteral("SpinDateType"), QStringLiteral("SpinTimeType")});
}

ORXTX_Templates_PPage::~ORXTX_Templates_PPage() = default;

void ORXTX_Templates_PPage::afterFill()
{
    showForTemplate(templates_->value(), control()->property("SelCurrency").toString());
}

void ORXTX_Templates_PPage::showForTemplate(int templ, const QString& selCurrency)
{
    const bool currency = templ == 2;
    for (QWidget* w : std::as_const(currencyWidgets_))
        w->setVisible(currency);
    for (QWidget* w : std::as_const(spinWidgets_))
        w->setVisible(templ != 0);
    if (currency)
        fillCurrencies(selCurrency);
    else
        currencies_->clear();
}

void ORXTX_Templates_PPage::fillCurrencies(const QString& selCurrency)
{
    currencies_->clear();
    delete collection_;
    collection_ = new ORXCurrencies(this);
    collection_->setPathINI(GetUserSetting(QStringLiteral("Currency"), QStringLiteral("Path"), App().path()).toString());
    try {
        collection_->Refresh();
    } catch (const basic::BasicError& e) {
        // The records read before the failure are still listed.
        qCWarning(orx::lcTools) << "the currency list of the Templates page is incomplete:" << e.description();
    }
    for (int i = 1; i <= collection_->Count(); ++i) {
        if (const ORXCurrency* c = collection_->CurrencyByIndex(i))
            currencies_->addItem(c->Name());
    }
    path_->setText(collection_->PathINI());
    int index = currencies_->findText(selCurrency, Qt::MatchFixedString);
    if (selCurrency.isEmpty() || index < 0)
        index = currencies_->findText(ORXCurrencies::SystemCurrencyName(), Qt::MatchFixedString);
    currencies_->setCurrentIndex(index);
    showCurrency(currencies_->currentText());
}

void ORXTX_Templates_PPage::showCurrency(const QString& name)
{
    const ORXCurrency* c = collection_ && !name.isEmpty() ? collection_->CurrencyByName(name) : nullptr;
    symbol_->setText(c ? c->Symbol() : QString());
    decimals_->setText(c ? QString::number(c->Decimals()) : QString());
    euroChange_->setText(c ? numberText(c->EuroChange()) : QString());
    layout_->setText(c ? c->Layout() : QString());
}

}  // namespace orx::tools::pages
