#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace qrt {

// The program's INI settings file. Reading follows the fixed-width buffer rule:
// a missing file or key gives the default, and a value keeps at most width - 1
// characters. Writing changes one key and keeps every other line as it was.
// Section and key names are compared without regard to case. The file is UTF-8; lines
// that are not (a legacy code page) are read as well as they decode and written back as
// they were.
class SettingsFile {
public:
    explicit SettingsFile(QString path = {});

    const QString& path() const { return m_path; }

    QString read(const QString& section, const QString& key, const QString& defaultValue, int width) const;
    // Whether the key is present in the file (whatever its value).
    bool contains(const QString& section, const QString& key) const;
    // Writes one key; returns false (with a reason) when the file cannot be written.
    bool write(const QString& section, const QString& key, const QString& value, QString* error = nullptr);

private:
    struct Lookup {
        int sectionLine = -1; // index of the "[section]" line, -1 when missing
        int lastLine = -1;    // last non-blank line of the section
        int keyLine = -1;     // index of the key's line, -1 when missing
    };
    void ensureLoaded() const;
    Lookup find(const QString& section, const QString& key) const;
    static bool isSectionLine(const QString& line, QString* name);
    static bool splitKeyLine(const QString& line, QString* key, QString* value);

    QString m_path;
    mutable bool m_loaded = false;
    mutable QStringList m_lines;     // decoded, for lookups
    mutable QList<QByteArray> m_raw; // the bytes of each line, written back unchanged
    mutable QByteArray m_bom;        // the byte order mark the file started with, if any
    mutable QString m_newline = QStringLiteral("\r\n");
};

} // namespace qrt
