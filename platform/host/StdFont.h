#pragma once

#include "platform/host/HostExport.h"

#include <QFont>
#include <QMetaType>
#include <QString>

namespace orx::host {

// A font as the controls see it: name, size in points, the style flags,
// weight (400 normal, 700 bold) and character set. Bold and Weight are tied:
// setting Bold gives weight 700 or 400, a weight of 550 or more reads as bold.
struct ORX_HOST_EXPORT StdFont {
    Q_GADGET
    Q_PROPERTY(QString Name MEMBER name)
    Q_PROPERTY(double Size MEMBER size)
    Q_PROPERTY(bool Bold READ bold WRITE setBold)
    Q_PROPERTY(bool Italic MEMBER italic)
    Q_PROPERTY(bool Underline MEMBER underline)
    Q_PROPERTY(bool Strikethrough MEMBER strikethrough)
    Q_PROPERTY(int Weight MEMBER weight)
    Q_PROPERTY(int Charset MEMBER charset)

public:
    QString name = QStringLiteral("DejaVu Sans");
    double size = 8.25;
    bool italic = false;
    bool underline = false;
    bool strikethrough = false;
    int weight = 400;
    int charset = 0;

    bool bold() const { return weight >= 550; }
    void setBold(bool b) { weight = b ? 700 : 400; }

    QFont toQFont() const;
    static StdFont fromQFont(const QFont& font, int charset = 0);

    bool operator==(const StdFont&) const = default;
};

}  // namespace orx::host

Q_DECLARE_METATYPE(orx::host::StdFont)
