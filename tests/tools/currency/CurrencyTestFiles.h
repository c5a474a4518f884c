#pragma once

#include "tests/support/TestSupport.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>

namespace orx::test {

// The two-currency catalogue of samples/ORXCurrency.INI (Lira and Euro,
// written under Italian settings), byte for byte.
inline const QByteArray ItalianSampleCatalogue =
    "[Lira]\r\nSymbol=L.\r\nDecimals=0\r\nEuroChange=1936,27\r\n"
    "[Euro]\r\nSymbol=EUR\r\nDecimals=2\r\nEuroChange=0\r\n"
    "[Complete]\r\nList=Lira|Euro\r\n";

// The sample file of the source tree, found from this file's own place.
inline QString sampleCatalogueFile()
{
    return QFileInfo(QStringLiteral(__FILE__)).absoluteDir().absoluteFilePath(
        QStringLiteral("../../../samples/ORXCurrency.INI"));
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

// A fresh folder as PathINI holds it, and the currency file in it.
struct CurrencyFolder {
    QString folder = freshFolder(QStringLiteral("currency"));
    QString pathIni() const { return folder + QLatin1Char('/'); }
    QString file() const { return folder + QStringLiteral("/ORXCurrency.INI"); }
};

}  // namespace orx::test
