#include "platform/profile/IniDocument.h"

#include <array>
#include <QCoreApplication>
#include <QStringDecoder>
#include <QStringEncoder>
#include <utility>

namespace orx::profile {

namespace {

// Windows-1252 from 0x80 to 0x9F. The five bytes the code page leaves
// undefined map to the C1 control of the same number, as the system's own
// conversion does; that makes every byte round-trip, so junk in a file
// survives a rewrite untouched. The table is ours rather than ICU's so the
// result does not depend on how Qt was built.
constexpr std::array<char16_t, 32> kCp1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

const QByteArray kUtf8Bom("\xEF\xBB\xBF", 3);
const QByteArray kUtf16LeBom("\xFF\xFE", 2);

QString decodeCp1252(QByteArrayView bytes)
{
    QString out(bytes.size(), Qt::Uninitialized);
    QChar* dst = out.data();
    for (char b : bytes) {
        const auto u = static_cast<unsigned char>(b);
        *dst++ = (u >= 0x80 && u < 0xA0) ? QChar(kCp1252High[u - 0x80]) : QChar(u);
    }
    return out;
}

std::optional<QByteArray> encodeCp1252(const QString& text)
{
    QByteArray out;
    out.reserve(text.size());
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
            out.append(static_cast<char>(u));
            continue;
        }
        int found = -1;
        for (int i = 0; i < 32; ++i) {
            if (kCp1252High[i] == u) {
                found = i;
                break;
            }
        }
        if (found < 0)
            return std::nullopt;
        out.append(static_cast<char>(0x80 + found));
    }
    return out;
}

// Decodes `bytes` only when encoding the result gives the very same bytes,
// so a rewrite can never alter lines nobody edited.
std::optional<QString> decodeExactly(QByteArrayView bytes, QStringConverter::Encoding encoding)
{
    const auto flags = QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom;
    QStringDecoder decoder(encoding, flags);
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return std::nullopt;
    QStringEncoder encoder(encoding, QStringConverter::Flag::Stateless);
    const QByteArray back = encoder.encode(text);
    if (encoder.hasError() || back != bytes)
        return std::nullopt;
    return text;
}

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\v');
}

bool sameName(QStringView a, QStringView b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

QStringView unquote(QStringView value)
{
    if (value.size() >= 2) {
        const QChar first = value.front();
        if ((first == QLatin1Char('"') || first == QLatin1Char('\'')) && value.back() == first)
            return value.mid(1, value.size() - 2);
    }
    return value;
}

}  // namespace

QStringView trimBlanks(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    return text.mid(begin, end - begin);
}

QString encodeValue(const QString& value)
{
    if (unquote(trimBlanks(value)) == QStringView(value))
        return value;
    return QLatin1Char('"') + value + QLatin1Char('"');
}

QString unstorableReason(const QString& section, const QString& key, const QString& value)
{
    const auto hasLineBreak = [](const QString& text) {
        return text.contains(QLatin1Char('\r')) || text.contains(QLatin1Char('\n'));
    };
    if (section.isEmpty())
        return QCoreApplication::translate("IniDocument", "no section name");
    if (hasLineBreak(section) || section.contains(QLatin1Char(']')))
        return QCoreApplication::translate("IniDocument", "the section name \"%1\" holds a line break or ']'")
                   .arg(section);
    if (hasLineBreak(key) || key.contains(QLatin1Char('=')) || trimBlanks(key).startsWith(QLatin1Char('[')))
        return QCoreApplication::translate("IniDocument", "the key \"%1\" holds a line break or '=', or starts with '['")
                   .arg(key);
    if (hasLineBreak(value))
        return QCoreApplication::translate("IniDocument", "the value holds a line break");
    return {};
}

LineInfo classifyLine(QStringView line)
{
    LineInfo info;
    const QStringView text = trimBlanks(line);
    if (text.isEmpty()) {
        info.kind = LineKind::Blank;
        return info;
    }
    if (text.front() == QLatin1Char(';')) {
        info.kind = LineKind::Comment;
        return info;
    }
    if (text.front() == QLatin1Char('[')) {
        // The first ']' closes the name, so "[sec] ; note" still names "sec".
        const qsizetype close = text.indexOf(QLatin1Char(']'));
        if (close > 0) {
            info.kind = LineKind::Section;
            info.name = trimBlanks(text.mid(1, close - 1));
            return info;
        }
    }
    const qsizetype eq = text.indexOf(QLatin1Char('='));
    if (eq < 0)
        return info;
    info.kind = LineKind::Key;
    info.name = trimBlanks(text.left(eq));
    info.value = unquote(trimBlanks(text.mid(eq + 1)));
    return info;
}

namespace {

struct Decoded {
    QString text;
    TextEncoding encoding = TextEncoding::Utf8;
    bool bom = false;
    bool exact = true;
};

// The one rule for what text a file's bytes hold; writing relies on it to
// choose bytes that read back as the text it means.
Decoded decodeFile(QByteArrayView bytes)
{
    Decoded d;
    if (bytes.startsWith(kUtf16LeBom)) {
        // The mark says UTF-16LE, and nothing else would read such a file
        // sensibly. Text that is not whole UTF-16 (an odd byte at the end)
        // is read as far as it goes, but it cannot be written back as it was.
        d.encoding = TextEncoding::Utf16LE;
        d.bom = true;
        const QByteArrayView body = bytes.sliced(2);
        if (auto decoded = decodeExactly(body, QStringConverter::Utf16LE)) {
            d.text = *decoded;
        } else {
            QStringDecoder decoder(QStringConverter::Utf16LE,
                                   QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom);
            d.text = decoder.decode(body.first(body.size() & ~qsizetype(1)));
            d.exact = false;
        }
        return d;
    }
    const bool utf8Bom = bytes.startsWith(kUtf8Bom);
    if (auto decoded = decodeExactly(bytes.sliced(utf8Bom ? 3 : 0), QStringConverter::Utf8)) {
        d.text = *decoded;
        d.bom = utf8Bom;
        return d;
    }
    d.text = decodeCp1252(bytes);
    d.encoding = TextEncoding::Windows1252;
    return d;
}

}  // namespace

IniDocument IniDocument::parse(const QByteArray& bytes)
{
    IniDocument doc;
    Decoded decoded = decodeFile(bytes);
    const QString text = std::move(decoded.text);
    doc.encoding_ = decoded.encoding;
    doc.bom_ = decoded.bom;
    doc.exact_ = decoded.exact;

    qsizetype start = 0;
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = text[i];
        if (c != QLatin1Char('\r') && c != QLatin1Char('\n'))
            continue;
        const qsizetype endLength = (c == QLatin1Char('\r') && i + 1 < size && text[i + 1] == QLatin1Char('\n')) ? 2 : 1;
        doc.lines_.append({text.mid(start, i - start), text.mid(i, endLength)});
        i += endLength - 1;
        start = i + 1;
    }
    if (start < size)
        doc.lines_.append({text.mid(start), QString()});
    doc.reindex();
    return doc;
}

QByteArray IniDocument::serialize() const
{
    QString text;
    qsizetype total = 0;
    for (const Line& line : lines_)
        total += line.text.size() + line.end.size();
    text.reserve(total);
    for (const Line& line : lines_) {
        text += line.text;
        text += line.end;
    }

    switch (encoding_) {
    case TextEncoding::Utf16LE: {
        QStringEncoder encoder(QStringConverter::Utf16LE, QStringConverter::Flag::Stateless);
        return kUtf16LeBom + QByteArray(encoder.encode(text));
    }
    case TextEncoding::Windows1252:
        // Bytes that would read back as other text (an edit left valid
        // UTF-8, or what looks like a byte-order mark, at the start) are
        // not written either.
        if (auto bytes = encodeCp1252(text); bytes && decodeFile(*bytes).text == text)
            return *bytes;
        // A character the code page cannot hold: rather than write '?' in
        // its place, the whole file moves to UTF-8, which reads back whole.
        [[fallthrough]];
    case TextEncoding::Utf8: {
        QStringEncoder encoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
        QByteArray bytes = encoder.encode(text);
        return bom_ && encoding_ == TextEncoding::Utf8 ? kUtf8Bom + bytes : bytes;
    }
    }
    return {};
}

bool IniDocument::sameText(const IniDocument& other) const
{
    if (lines_.size() != other.lines_.size())
        return false;
    for (qsizetype i = 0; i < lines_.size(); ++i) {
        if (lines_[i].text != other.lines_[i].text || lines_[i].end != other.lines_[i].end)
            return false;
    }
    return true;
}

void IniDocument::reindex()
{
    // Case folding is the rule sameName() compares by, so a look-up here
    // finds the header a scan would.
    sectionIndex_.clear();
    for (qsizetype i = 0; i < lines_.size(); ++i) {
        const LineInfo info = classifyLine(lines_[i].text);
        if (info.kind != LineKind::Section)
            continue;
        const QString folded = info.name.toString().toCaseFolded();
        if (!sectionIndex_.contains(folded))
            sectionIndex_.insert(folded, i);
    }
}

qsizetype IniDocument::findSection(QStringView section) const
{
    const auto found = sectionIndex_.constFind(section.toString().toCaseFolded());
    return found == sectionIndex_.cend() ? -1 : found.value();
}

qsizetype IniDocument::sectionEnd(qsizetype header) const
{
    qsizetype i = header + 1;
    while (i < lines_.size() && classifyLine(lines_[i].text).kind != LineKind::Section)
        ++i;
    return i;
}

QString IniDocument::lineEnd() const
{
    for (const Line& line : lines_) {
        if (!line.end.isEmpty())
            return line.end;
    }
    return QStringLiteral("\r\n");
}

void IniDocument::insertLine(qsizetype at, const QString& text)
{
    const QString end = lineEnd();
    if (at > 0 && lines_[at - 1].end.isEmpty())
        lines_[at - 1].end = end;
    lines_.insert(at, {text, end});
    // The index follows the lines without a full rebuild, so building a file
    // of thousands of sections line by line stays linear.
    if (at < lines_.size() - 1) {
        for (auto it = sectionIndex_.begin(); it != sectionIndex_.end(); ++it) {
            if (it.value() >= at)
                ++it.value();
        }
    }
    const LineInfo info = classifyLine(lines_[at].text);
    if (info.kind == LineKind::Section) {
        const QString folded = info.name.toString().toCaseFolded();
        const auto found = sectionIndex_.find(folded);
        if (found == sectionIndex_.end())
            sectionIndex_.insert(folded, at);
        else if (found.value() > at)
            found.value() = at;
    }
}

std::optional<QString> IniDocument::value(QStringView section, QStringView key) const
{
    const qsizetype header = findSection(section);
    if (header < 0)
        return std::nullopt;
    const qsizetype end = sectionEnd(header);
    for (qsizetype i = header + 1; i < end; ++i) {
        const LineInfo info = classifyLine(lines_[i].text);
        if (info.kind == LineKind::Key && sameName(info.name, key))
            return info.value.toString();
    }
    return std::nullopt;
}

QStringList IniDocument::sections() const
{
    QStringList names;
    for (const Line& line : lines_) {
        const LineInfo info = classifyLine(line.text);
        if (info.kind == LineKind::Section)
            names << info.name.toString();
    }
    return names;
}

QStringList IniDocument::keys(QStringView section) const
{
    QStringList names;
    const qsizetype header = findSection(section);
    if (header < 0)
        return names;
    const qsizetype end = sectionEnd(header);
    for (qsizetype i = header + 1; i < end; ++i) {
        const LineInfo info = classifyLine(lines_[i].text);
        if (info.kind == LineKind::Key)
            names << info.name.toString();
    }
    return names;
}

bool IniDocument::setValue(const QString& section, const QString& key, const QString& value)
{
    const QString encoded = encodeValue(value);
    const qsizetype header = findSection(section);
    if (header < 0) {
        const qsizetype at = lines_.size();
        insertLine(at, QLatin1Char('[') + section + QLatin1Char(']'));
        insertLine(at + 1, key + QLatin1Char('=') + encoded);
        return true;
    }
    const qsizetype end = sectionEnd(header);
    qsizetype lastKey = -1;
    for (qsizetype i = header + 1; i < end; ++i) {
        const LineInfo info = classifyLine(lines_[i].text);
        if (info.kind != LineKind::Key)
            continue;
        if (sameName(info.name, key)) {
            const QString text = info.name.toString() + QLatin1Char('=') + encoded;
            if (text == lines_[i].text)
                return false;
            lines_[i].text = text;
            // A line the file spelled "[name=..." may now close its bracket.
            if (classifyLine(text).kind == LineKind::Section)
                reindex();
            return true;
        }
        lastKey = i;
    }
    insertLine(lastKey >= 0 ? lastKey + 1 : header + 1, key + QLatin1Char('=') + encoded);
    return true;
}

bool IniDocument::removeKey(QStringView section, QStringView key)
{
    const qsizetype header = findSection(section);
    if (header < 0)
        return false;
    // Every copy of the key goes: removing only the first would bring a
    // later duplicate back to life.
    const qsizetype end = sectionEnd(header);
    QList<Line> kept;
    kept.reserve(lines_.size());
    for (qsizetype i = 0; i < lines_.size(); ++i) {
        if (i > header && i < end) {
            const LineInfo info = classifyLine(lines_[i].text);
            if (info.kind == LineKind::Key && sameName(info.name, key))
                continue;
        }
        kept.append(lines_[i]);
    }
    const bool changed = kept.size() != lines_.size();
    lines_ = std::move(kept);
    if (changed)
        reindex();
    return changed;
}

bool IniDocument::removeSection(QStringView section)
{
    // Every occurrence goes, for the same reason as duplicate keys; comments
    // and blank lines inside stay where they are.
    bool inside = false;
    QList<Line> kept;
    kept.reserve(lines_.size());
    for (const Line& line : lines_) {
        const LineInfo info = classifyLine(line.text);
        if (info.kind == LineKind::Section)
            inside = sameName(info.name, section);
        if (!inside || info.kind == LineKind::Comment || info.kind == LineKind::Blank)
            kept.append(line);
    }
    const bool changed = kept.size() != lines_.size();
    lines_ = std::move(kept);
    if (changed)
        reindex();
    return changed;
}

}  // namespace orx::profile
