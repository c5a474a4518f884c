#pragma once

#include "platform/basic/PlatformExport.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <optional>

namespace orx::profile {

enum class TextEncoding { Utf8, Windows1252, Utf16LE };

// What one line of a profile file means to lookups.
enum class LineKind { Blank, Comment, Section, Key, Other };

struct ORX_PLATFORM_EXPORT LineInfo {
    LineKind kind = LineKind::Other;
    QStringView name;   // section or key name, blanks trimmed
    QStringView value;  // key value, blanks trimmed and outer quotes removed
};

// Classifies one line (without its line end). The views point into `line`.
ORX_PLATFORM_EXPORT LineInfo classifyLine(QStringView line);

// Blanks as profile files know them: space, tab and vertical tab.
ORX_PLATFORM_EXPORT QStringView trimBlanks(QStringView text);

// The text a value is written as so that reading it back gives the value
// itself: verbatim unless blanks at its ends or an outer quote pair would be
// lost on the way back, in which case it goes inside double quotes.
ORX_PLATFORM_EXPORT QString encodeValue(const QString& value);

// Why a section, key and value cannot be stored as one line that reads back
// the same (a line break anywhere, '=' in or '[' before the key, ']' in or no
// section name), or an empty string when they can.
ORX_PLATFORM_EXPORT QString unstorableReason(const QString& section, const QString& key, const QString& value);

// A profile file held line by line. Lines the caller does not touch are
// written back exactly as they were read, line ends and encoding included.
class ORX_PLATFORM_EXPORT IniDocument {
public:
    IniDocument() = default;

    static IniDocument parse(const QByteArray& bytes);
    QByteArray serialize() const;

    TextEncoding encoding() const { return encoding_; }
    bool hasByteOrderMark() const { return bom_; }
    // False when the bytes were not whole text of their encoding (a UTF-16LE
    // mark followed by an odd number of bytes):
    // the text is read as far as it goes, but serializing it would not give
    // the file back, so such a document must not be written over it.
    bool isExact() const { return exact_; }
    // Whether both hold the same lines with the same line ends.
    bool sameText(const IniDocument& other) const;

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

    // Lines are found through an index of section headers (the first
    // occurrence of each name, folded), kept up to date by every edit.
    void reindex();
    qsizetype findSection(QStringView section) const;
    qsizetype sectionEnd(qsizetype header) const;
    void insertLine(qsizetype at, const QString& text);
    QString lineEnd() const;

    QList<Line> lines_;
    QHash<QString, qsizetype> sectionIndex_;
    TextEncoding encoding_ = TextEncoding::Utf8;
    bool bom_ = false;
    bool exact_ = true;
};

}  // namespace orx::profile
