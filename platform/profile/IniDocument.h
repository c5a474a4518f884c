#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <optional>

namespace orx::profile {

enum class TextEncoding { Utf8, Windows1252, Utf16LE };

// What one line of a profile file means to lookups.
enum class LineKind { Blank, Comment, Section, Key, Other };

struct LineInfo {
    LineKind kind = LineKind::Other;
    QStringView name;   // section or key name, blanks trimmed
    QStringView value;  // key value, blanks trimmed and outer quotes removed
};

// Classifies one line (without its line end). The views point into `line`.
LineInfo classifyLine(QStringView line);

// Blanks as profile files know them: space, tab and vertical tab.
QStringView trimBlanks(QStringView text);

// The text a value is written as so that reading it back gives the value
// itself: verbatim unless blanks at its ends or an outer quote pair would be
// lost on the way back, in which case it goes inside double quotes.
QString encodeValue(const QString& value);

// Why a section, key and value cannot be stored as one line that reads back
// the same (a line break anywhere, '=' in or '[' before the key, ']' in or no
// section name), or an empty string when they can.
QString unstorableReason(const QString& section, const QString& key, const QString& value);

// A profile file held line by line. Lines the caller does not touch are
// written back exactly as they were read, line ends and encoding included.
class IniDocument {
public:
    IniDocument() = default;

    static IniDocument parse(const QByteArray& bytes);
    QByteArray serialize() const;

    TextEncoding encoding() const { return encoding_; }
    bool hasByteOrderMark() const { return bom_; }

    // Lookups compare section and key names without regard to case; only the
    // first occurrence of a section is searched and its first matching key wins.
    std::optional<QString> value(QStringView section, QStringView key) const;
    QStringList sections() const;
    QStringList keys(QStringView section) const;

    // Edits report whether the text changed.
    bool setValue(const QString& section, const QString& key, const QString& value);
    bool removeKey(QStringView section, QStringView key);
    bool removeSection(QStringView section);

private:
    struct Line {
        QString text;
        QString end;  // "\r\n", "\r", "\n", or empty for a last line without one
    };

    qsizetype findSection(QStringView section) const;
    qsizetype sectionEnd(qsizetype header) const;
    void insertLine(qsizetype at, const QString& text);
    QString lineEnd() const;

    QList<Line> lines_;
    TextEncoding encoding_ = TextEncoding::Utf8;
    bool bom_ = false;
};

}  // namespace orx::profile
