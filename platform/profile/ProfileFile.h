#pragma once

#include "platform/basic/PlatformExport.h"
#include "platform/profile/IniDocument.h"

#include <QString>
#include <QStringList>
#include <optional>

// Profile (INI) files with the rules the classic Windows profile calls follow,
// on plain files. Every call reads the file afresh; every write replaces it
// atomically. Section and key arguments lose leading and trailing spaces.
namespace orx::profile {

// The folder a bare file name (no folder part) is looked up in, shared by the
// whole process. An empty folder means the current directory (the default).
ORX_PLATFORM_EXPORT void setBareNameFolder(const QString& folder);
ORX_PLATFORM_EXPORT QString bareNameFolder();

// The path a profile file name stands for: backslashes become folder
// separators and a bare name is placed in bareNameFolder().
ORX_PLATFORM_EXPORT QString resolveProfilePath(const QString& fileName);

// As GetPrivateProfileStringA: copies the value (or `defaultValue`, less its
// trailing spaces, when the file, section or key is missing) over the start
// of `buffer` followed by one NUL and returns the number of characters copied
// without the NUL. A value longer than size-1 is cut to size-1 characters;
// size 1 gives "" and 0; size 0 (or less) leaves the buffer untouched and
// returns 0. A buffer shorter than `size` is first padded with NULs to `size`.
// A null `section` lists the file's section names, a null `key` the keys of
// `section`: each name followed by a NUL, the list ended by one more NUL; when
// the list does not fit, it is cut, ends in two NULs and size-2 is returned.
ORX_PLATFORM_EXPORT int getPrivateProfileString(const QString& section, const QString& key, const QString& defaultValue,
                                                QString& buffer, int size, const QString& fileName);

// A plain value read: std::nullopt when the file, section or key is missing.
// No length limit.
ORX_PLATFORM_EXPORT std::optional<QString> readProfileValue(const QString& fileName, const QString& section,
                                                            const QString& key);

// As WritePrivateProfileStringA: a missing key deletes the section (its
// comment and blank lines stay), a missing value deletes the key; otherwise the
// key is replaced in place (keeping its spelling) or inserted after the last
// key line of its section, or the section is appended. A value whose outer
// blanks or outer quote pair would be lost on reading back is written inside
// double quotes. Returns false with a readable reason in `error` when the file
// cannot be read or written or the names cannot be stored; the previous file
// is then left exactly as it was.
ORX_PLATFORM_EXPORT bool writePrivateProfileString(const QString& section, const std::optional<QString>& key,
                                                   const std::optional<QString>& value, const QString& fileName,
                                                   QString* error = nullptr);

// One reading of a profile file for many look-ups (a catalogue of thousands
// of entries reads its file once instead of once per value). The calls
// above read through it, so its answers are theirs. A missing or unreadable
// file, or an empty name, reads as an empty file.
class ORX_PLATFORM_EXPORT ProfileReader {
public:
    explicit ProfileReader(const QString& fileName);

    std::optional<QString> value(const QString& section, const QString& key) const;
    // getPrivateProfileString on the text read.
    int getString(const QString& section, const QString& key, const QString& defaultValue,
                  QString& buffer, int size) const;
    QStringList sections() const;
    QStringList keys(const QString& section) const;

private:
    IniDocument document_;
};

// Section names in file order, duplicates listed.
ORX_PLATFORM_EXPORT QStringList profileSections(const QString& fileName);
// Key names of the first occurrence of `section`, in file order.
ORX_PLATFORM_EXPORT QStringList profileKeys(const QString& fileName, const QString& section);

// As GetProfileStringA on the user's system settings file: only section
// "intl" exists, its keys taken from orx::basic::regional(): sDecimal,
// sThousand, sCurrency, iCurrDigits, sDate, sTime, sShortDate, iDate (0 MDY,
// 1 DMY, 2 YMD), s1159, s2359, sLongDate. Names are case-insensitive; the
// buffer rules are those of getPrivateProfileString.
ORX_PLATFORM_EXPORT int getProfileString(const QString& section, const QString& key, const QString& defaultValue,
                                         QString& buffer, int size);

}  // namespace orx::profile
