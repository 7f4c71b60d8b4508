#pragma once

#include "core/Result.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

namespace qrt {

// The program's INI settings file. Reading follows the fixed-width buffer rule:
// a missing file or key gives the default, and a value keeps at most width - 1
// characters. Writing changes one key and keeps every other line as it was.
// Section and key names are compared without regard to case; of a duplicated section or
// key the first counts. The file is UTF-8; lines that are not (a legacy code page) are
// read as well as they decode and written back as they were.
//
// A file that cannot serve as settings (a folder, a device or pipe, a file larger than
// MaxFileSize, a file that cannot be read) is not used at all: every key reads its
// default, status() says why, and nothing is ever written into it.
class SettingsFile {
public:
    static constexpr qint64 MaxFileSize = 1024 * 1024;

    explicit SettingsFile(QString path = {});

    const QString& path() const { return m_path; }

    // Failed, with why in English, when the file is not used; ok when it was read or does
    // not exist. Its reason key tells the user why (see ExtraTexts); the text of TooLargeKey
    // takes MaxFileSize as its %1.
    Result status() const;
    static inline const QString TooLargeKey = QStringLiteral("file.reason.tooLarge");

    QString read(const QString& section, const QString& key, const QString& defaultValue, int width) const;
    // Whether the key is present in the file (whatever its value).
    bool contains(const QString& section, const QString& key) const;
    // Writes one key; fails (with the reason) when the file cannot be written, and then the
    // file stays as it was.
    Result write(const QString& section, const QString& key, const QString& value);

private:
    struct Lookup {
        int sectionLine = -1; // index of the "[section]" line, -1 when missing
        int lastLine = -1;    // last non-blank line of the section
        int keyLine = -1;     // index of the key's line, -1 when missing
    };
    // Where each section's lines are, found once per reading of the file.
    struct SectionIndex {
        int headerLine = -1;
        int lastLine = -1;
        QHash<QString, int> keyLines; // case-folded key -> its first line
    };
    void ensureLoaded() const;
    void loadFrom(QByteArray bytes) const;
    void buildIndex() const;
    Lookup find(const QString& section, const QString& key) const;
    static bool isSectionLine(const QString& line, QString* name);
    static bool splitKeyLine(const QString& line, QString* key, QString* value);

    QString m_path;
    mutable bool m_loaded = false;
    mutable Result m_status;
    mutable QStringList m_lines;     // decoded, for lookups
    mutable QList<QByteArray> m_raw; // the bytes of each line, written back unchanged
    mutable QByteArray m_bom;        // the byte order mark the file started with, if any
    mutable QString m_newline = QStringLiteral("\r\n");
    mutable QHash<QString, SectionIndex> m_sections; // case-folded section name -> its first occurrence
};

} // namespace qrt
