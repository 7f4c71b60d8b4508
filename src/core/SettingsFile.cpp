#include "core/SettingsFile.h"

#include <QFile>
#include <QSaveFile>

namespace qrt {

SettingsFile::SettingsFile(QString path) : m_path(std::move(path)) {}

void SettingsFile::ensureLoaded() const {
    if (m_loaded)
        return;
    m_loaded = true;
    m_lines.clear();
    QFile file(m_path);
    if (m_path.isEmpty() || !file.open(QIODevice::ReadOnly))
        return;
    QString text = QString::fromUtf8(file.readAll());
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    m_newline = text.contains(QStringLiteral("\r\n")) || !text.contains(QLatin1Char('\n')) ? QStringLiteral("\r\n")
                                                                                           : QStringLiteral("\n");
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    m_lines = text.split(QLatin1Char('\n'));
    if (!m_lines.isEmpty() && m_lines.last().isEmpty())
        m_lines.removeLast();
}

bool SettingsFile::isSectionLine(const QString& line, QString* name) {
    const QString t = line.trimmed();
    if (!t.startsWith(QLatin1Char('[')))
        return false;
    const int close = t.indexOf(QLatin1Char(']'));
    if (close < 0)
        return false;
    *name = t.mid(1, close - 1).trimmed();
    return true;
}

bool SettingsFile::splitKeyLine(const QString& line, QString* key, QString* value) {
    const QString t = line.trimmed();
    if (t.isEmpty() || t.startsWith(QLatin1Char(';')))
        return false;
    const int eq = t.indexOf(QLatin1Char('='));
    if (eq <= 0)
        return false;
    *key = t.left(eq).trimmed();
    *value = t.mid(eq + 1).trimmed();
    return true;
}

SettingsFile::Lookup SettingsFile::find(const QString& section, const QString& key) const {
    ensureLoaded();
    Lookup result;
    QString name, k, v;
    bool inSection = false;
    for (int i = 0; i < m_lines.size(); ++i) {
        const QString& line = m_lines.at(i);
        if (isSectionLine(line, &name)) {
            if (inSection)
                break; // only the first section of that name counts
            inSection = name.compare(section, Qt::CaseInsensitive) == 0;
            if (inSection) {
                result.sectionLine = i;
                result.lastLine = i;
            }
            continue;
        }
        if (!inSection)
            continue;
        if (!line.trimmed().isEmpty())
            result.lastLine = i;
        if (result.keyLine < 0 && splitKeyLine(line, &k, &v) && k.compare(key, Qt::CaseInsensitive) == 0)
            result.keyLine = i;
    }
    return result;
}

QString SettingsFile::read(const QString& section, const QString& key, const QString& defaultValue, int width) const {
    QString value = defaultValue;
    const Lookup at = find(section, key);
    if (at.keyLine >= 0) {
        QString k;
        splitKeyLine(m_lines.at(at.keyLine), &k, &value);
    }
    // The value lands in a buffer of `width` characters whose last one is the terminator.
    return value.left(qMax(0, width - 1)).trimmed();
}

bool SettingsFile::contains(const QString& section, const QString& key) const {
    return find(section, key).keyLine >= 0;
}

bool SettingsFile::write(const QString& section, const QString& key, const QString& value, QString* error) {
    const Lookup at = find(section, key);
    QStringList lines = m_lines;
    if (at.keyLine >= 0) {
        QString k, old;
        splitKeyLine(lines.at(at.keyLine), &k, &old);
        lines[at.keyLine] = k + QLatin1Char('=') + value;
    } else if (at.sectionLine >= 0) {
        lines.insert(at.lastLine + 1, key + QLatin1Char('=') + value);
    } else {
        lines << QLatin1Char('[') + section + QLatin1Char(']') << key + QLatin1Char('=') + value;
    }

    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    file.write((lines.join(m_newline) + m_newline).toUtf8());
    if (!file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    m_lines = lines;
    return true;
}

} // namespace qrt
