#pragma once

// The four pages of the text box.
#include "tools/pages/PageRules.h"
#include "tools/pages/PropertyPage.h"

#include <QPointer>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;

namespace orx::tools {
class ORXCurrencies;
}

namespace orx::tools::pages {

class ORX_TOOLS_EXPORT ORXTX_General_PPage : public PropertyPage {
    Q_OBJECT
public:
    explicit ORXTX_General_PPage(QWidget* parent = nullptr);

protected:
    void afterFill() override;

private:
    QLineEdit* layout_ = nullptr;
};

class ORX_TOOLS_EXPORT ORXTX_Appearance_PPage : public PropertyPage {
    Q_OBJECT
public:
    explicit ORXTX_Appearance_PPage(QWidget* parent = nullptr);
};

class ORX_TOOLS_EXPORT ORXTX_Characters_PPage : public PropertyPage {
    Q_OBJECT
public:
    explicit ORXTX_Characters_PPage(QWidget* parent = nullptr);

protected:
    void afterFill() override;

private:
    void showBoxes(const CharacterBoxes& boxes);
    CharacterBoxes boxes() const;

    std::array<QCheckBox*, kCharacterBoxes> boxes_{};
};

class ORX_TOOLS_EXPORT ORXTX_Templates_PPage : public PropertyPage {
    Q_OBJECT
public:
    explicit ORXTX_Templates_PPage(QWidget* parent = nullptr);
    ~ORXTX_Templates_PPage() override;

protected:
    void afterFill() override;

private:
    // What the chosen template shows: the currency controls, the spin frames.
    void showForTemplate(int templ, const QString& selCurrency);
    void fillCurrencies(const QString& selCurrency);
    void showCurrency(const QString& name);

    OptionGroup* templates_ = nullptr;
    OptionGroup* alignment_ = nullptr;
    QComboBox* currencies_ = nullptr;
    QList<QWidget*> currencyWidgets_;
    QList<QWidget*> spinWidgets_;
    QLineEdit* path_ = nullptr;
    QLineEdit* symbol_ = nullptr;
    QLineEdit* decimals_ = nullptr;
    QLineEdit* euroChange_ = nullptr;
    QLineEdit* layout_ = nullptr;
    QPointer<ORXCurrencies> collection_;
};

}  // namespace orx::tools::pages
