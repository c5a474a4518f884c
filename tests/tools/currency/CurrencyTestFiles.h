#pragma once

#include "platform/basic/BasicError.h"
#include "tests/support/TestSupport.h"
#include "tools/currency/ORXCurrencies.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <functional>
#include <optional>

namespace orx::test {

// The two-currency catalogue of samples/ORXCurrency.INI (Lira and Euro,
// written under Italian settings), byte for byte.
inline const QByteArray ItalianSampleCatalogue = "[Lira]\r\nSymbol=L.\r\nDecimals=0\r\nEuroChange=1936,27\r\n"
                                                 "[Euro]\r\nSymbol=EUR\r\nDecimals=2\r\nEuroChange=0\r\n"
                                                 "[Complete]\r\nList=Lira|Euro\r\n";

// The sample of the source tree, found from this file's own place. The
// compiler may name this file relative to the build folder, whose bin/
// holds the test programs; a relative name is resolved from there, not from
// the folder the test happens to run in.
inline QString sampleCatalogueFile()
{
    QString source = QStringLiteral(__FILE__);
    if (QDir::isRelativePath(source))
        source = QCoreApplication::applicationDirPath() + QStringLiteral("/../") + source;
    return QDir::cleanPath(source + QStringLiteral("/../../../../samples/ORXCurrency.INI"));
}

inline QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline void writeAll(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(bytes);
}

// A fresh folder with a collection that reads and writes the file in it.
struct Catalogue {
    QString folder = freshFolder(QStringLiteral("currency"));
    tools::ORXCurrencies list;
    Catalogue() { list.setPathINI(folder); }
    QString file() const { return folder + QStringLiteral("/ORXCurrency.INI"); }
    void add(const QString& name, const QString& symbol = {}, short decimals = 0, double rate = 0)
    {
        tools::ORXCurrency* c = list.NewCurrency();
        c->setName(name);
        c->setSymbol(symbol);
        c->setDecimals(decimals);
        c->setEuroChange(rate);
    }
};

inline QStringList namesOf(const tools::ORXCurrencies& list)
{
    QStringList names;
    for (int i = 1; i <= list.Count(); ++i)
        names << list.CurrencyByIndex(i)->Name();
    return names;
}

inline std::optional<basic::BasicError> errorOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const basic::BasicError& e) {
        return e;
    }
    return std::nullopt;
}

}  // namespace orx::test
