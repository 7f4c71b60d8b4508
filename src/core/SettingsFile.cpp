#include "core/SettingsFile.h"

#include <QFile>
#include <QRegularExpression>
#include <QSaveFile>

namespace qrt {

SettingsFile::SettingsFile(QString path) : m_path(std::move(path)) {}

void SettingsFile::ensureLoaded() const {
    if (m_loaded)
        return;
    m_loaded = true;
    m_lines.clear();
    m_raw.clear();
    m_bom.clear();
    QFile file(m_path);
    if (m_path.isEmpty() || !file.open(QIODevice::ReadOnly))
        return;
    QByteArray bytes = file.readAll();
    static const QByteArray utf8Bom = QByteArrayLiteral("\xEF\xBB\xBF");
    if (bytes.startsWith(utf8Bom)) {
        m_bom = utf8Bom;
        bytes.remove(0, utf8Bom.size());
    }
    m_newline = bytes.contains("\r\n") || !bytes.contains('\n') ? QStringLiteral("\r\n") : QStringLiteral("\n");
    m_raw = bytes.split('\n');
    if (!m_raw.isEmpty() && m_raw.last().isEmpty())
        m_raw.removeLast();
    for (QByteArray& line : m_raw) {
        if (line.endsWith('\r'))
            line.chop(1);
        m_lines << QString::fromUtf8(line);
    }
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
    // A line break would end the line early and put the rest of the value into the file as lines of its own.
    static const QRegularExpression lineBreak(QStringLiteral("[\r\n]"));
    if (section.contains(lineBreak) || key.contains(lineBreak) || value.contains(lineBreak)) {
        if (error)
            *error = QStringLiteral("A setting cannot hold a line break");
        return false;
    }
    const Lookup at = find(section, key);
    QStringList lines = m_lines;
    QList<QByteArray> raw = m_raw;
    auto put = [&](int index, const QString& line, bool replace) {
        if (replace) {
            lines[index] = line;
            raw[index] = line.toUtf8();
        } else {
            lines.insert(index, line);
            raw.insert(index, line.toUtf8());
        }
    };
    if (at.keyLine >= 0) {
        QString k, old;
        splitKeyLine(lines.at(at.keyLine), &k, &old);
        put(at.keyLine, k + QLatin1Char('=') + value, true);
    } else if (at.sectionLine >= 0) {
        put(at.lastLine + 1, key + QLatin1Char('=') + value, false);
    } else {
        put(int(lines.size()), QLatin1Char('[') + section + QLatin1Char(']'), false);
        put(int(lines.size()), key + QLatin1Char('=') + value, false);
    }

    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    const QByteArray newline = m_newline.toUtf8();
    QByteArray bytes = m_bom;
    for (const QByteArray& line : raw)
        bytes += line + newline;
    file.write(bytes);
    if (!file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    m_lines = lines;
    m_raw = raw;
    return true;
}

} // namespace qrt
