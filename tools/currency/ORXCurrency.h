#pragma once

#include "platform/basic/BasicError.h"
#include "tools/common/ToolsExport.h"

#include <QObject>
#include <QString>

namespace orx::tools {

// Error numbers of the currency record (ORXCurrency_Errors).
enum ORXCurrency_Errors : int {
    ORXCurr_ReservedName = basic::objectError(1),
};

// The format pattern of amounts in a currency: the symbol, every character
// of it escaped so that pattern characters in a symbol ("#", "0", ".")
// show literally, then the number with thousands grouping and `decimals`
// fixed decimals; the same again after ";" with a minus sign for negative
// amounts. An empty symbol gives the plain number; decimals below 1 give
// no decimal part.
ORX_TOOLS_EXPORT QString BuildLayout(const QString& symbol, int decimals);

// One currency of the catalogue: name, symbol, decimals, its rate against
// the Euro (units of the currency per Euro, 0 when unknown) and its two
// ready-made patterns. The record stores what it is given; only the
// collection builds the patterns, when it loads a currency.
//
// A record that belongs to a collection guards the name of the collection's
// system currency: it refuses the exact name "System" (ORXCurr_ReservedName),
// so no stored currency can pose as the one taken from the regional settings.
class ORX_TOOLS_EXPORT ORXCurrency : public QObject {
    Q_OBJECT
    Q_PROPERTY(short Decimals READ Decimals WRITE setDecimals)
    Q_PROPERTY(double EuroChange READ EuroChange WRITE setEuroChange)
    Q_PROPERTY(bool IsClear READ IsClear)
    Q_PROPERTY(QString Layout READ Layout WRITE setLayout)
    Q_PROPERTY(QString LayoutNoSymb READ LayoutNoSymb WRITE setLayoutNoSymb)
    Q_PROPERTY(QString Name READ Name WRITE setName)
    Q_PROPERTY(QString Symbol READ Symbol WRITE setSymbol)

public:
    explicit ORXCurrency(QObject* parent = nullptr);

    short Decimals() const { return decimals_; }
    void setDecimals(short decimals) { decimals_ = decimals; }
    // Negative rates are kept as they are; conversions use the magnitude.
    double EuroChange() const { return euroChange_; }
    void setEuroChange(double rate) { euroChange_ = rate; }
    bool IsClear() const { return name_.isEmpty(); }
    QString Layout() const { return layout_; }
    void setLayout(const QString& layout) { layout_ = layout; }
    QString LayoutNoSymb() const { return layoutNoSymb_; }
    void setLayoutNoSymb(const QString& layout) { layoutNoSymb_ = layout; }
    QString Name() const { return name_; }
    // Raises ORXCurr_ReservedName (source "ORXCurrency.Name") for exactly
    // "System" while the name is guarded, keeping the old name. The test is
    // case-sensitive: "system" is accepted.
    void setName(const QString& name);
    QString Symbol() const { return symbol_; }
    void setSymbol(const QString& symbol) { symbol_ = symbol; }

    // Empties every field; the guard stays as it is.
    Q_INVOKABLE void Clear();

    // The collection's hold on the reserved name; not part of the public
    // interface.
    bool nameGuard() const { return nameGuard_; }
    void setNameGuard(bool guard) { nameGuard_ = guard; }

    // The name a guarded record refuses.
    static constexpr const char* ReservedName = "System";

private:
    QString name_;
    QString symbol_;
    short decimals_ = 0;
    double euroChange_ = 0.0;
    QString layout_;
    QString layoutNoSymb_;
    bool nameGuard_ = false;
};

}  // namespace orx::tools
