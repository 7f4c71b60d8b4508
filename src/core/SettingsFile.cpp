#include "core/SettingsFile.h"

#include "core/ErrorLog.h"
#include "core/FileAccess.h"

#include <QFileInfo>
#include <QRegularExpression>

namespace qrt {

namespace {

QString folded(const QString& name) {
    return name.toCaseFolded();
}

} // namespace

SettingsFile::SettingsFile(QString path) : m_path(std::move(path)) {}

Result SettingsFile::status() const {
    ensureLoaded();
    return m_status;
}

void SettingsFile::ensureLoaded() const {
    if (m_loaded)
        return;
    m_loaded = true;
    m_status = {};
    loadFrom({});
    if (m_path.isEmpty() || !QFileInfo::exists(m_path))
        return;
    QByteArray bytes;
    const Result read = fileaccess::readRegularFile(m_path, MaxFileSize + 1, &bytes);
    if (read.failed()) {
        // A folder, pipe or device is refused before it is opened: a pipe would wait for a writer.
        QString problem;
        if (read.reasonKey() == fileaccess::IsFolder)
            problem = QStringLiteral("it is a folder");
        else if (read.reasonKey() == fileaccess::NotRegular)
            problem = QStringLiteral("it is not a regular file");
        else
            problem = QStringLiteral("it cannot be read (%1)").arg(read.reason());
        m_status = Result::failure(problem, read.errorNumber())
                       .setReasonKey(read.reasonKey().isEmpty() ? fileaccess::ReadFailed : read.reasonKey());
        return;
    }
    if (bytes.size() > MaxFileSize) {
        m_status =
            Result::failure(QStringLiteral("it is larger than %1 bytes").arg(MaxFileSize)).setReasonKey(TooLargeKey);
        return;
    }
    loadFrom(bytes);
}

void SettingsFile::loadFrom(QByteArray bytes) const {
    m_lines.clear();
    m_raw.clear();
    m_bom.clear();
    static const QByteArray utf8Bom = QByteArrayLiteral("\xEF\xBB\xBF");
    if (bytes.startsWith(utf8Bom)) {
        m_bom = utf8Bom;
        bytes.remove(0, utf8Bom.size());
    }
    m_newline = bytes.contains("\r\n") || !bytes.contains('\n') ? QStringLiteral("\r\n") : QStringLiteral("\n");
    if (!bytes.isEmpty())
        m_raw = bytes.split('\n');
    if (!m_raw.isEmpty() && m_raw.last().isEmpty())
        m_raw.removeLast();
    for (QByteArray& line : m_raw) {
        if (line.endsWith('\r'))
            line.chop(1);
        m_lines << QString::fromUtf8(line);
    }
    buildIndex();
}

void SettingsFile::buildIndex() const {
    m_sections.clear();
    QString current; // the section being indexed; null outside one that counts
    QString name, k, v;
    for (int i = 0; i < m_lines.size(); ++i) {
        const QString& line = m_lines.at(i);
        if (isSectionLine(line, &name)) {
            // Only the first section of a name counts; the lines of a later one are not its keys.
            current = m_sections.contains(folded(name)) ? QString() : folded(name);
            if (!current.isNull()) {
                SectionIndex& s = m_sections[current];
                s.headerLine = i;
                s.lastLine = i;
            }
            continue;
        }
        if (current.isNull())
            continue;
        SectionIndex& s = m_sections[current];
        if (!line.trimmed().isEmpty())
            s.lastLine = i;
        if (splitKeyLine(line, &k, &v) && !s.keyLines.contains(folded(k)))
            s.keyLines.insert(folded(k), i);
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
    const auto s = m_sections.constFind(folded(section));
    if (s == m_sections.constEnd())
        return result;
    result.sectionLine = s->headerLine;
    result.lastLine = s->lastLine;
    result.keyLine = s->keyLines.value(folded(key), -1);
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

Result SettingsFile::write(const QString& section, const QString& key, const QString& value) {
    // A line break would end the line early and put the rest of the value into the file as lines of its own.
    static const QRegularExpression lineBreak(QStringLiteral("[\r\n]"));
    if (section.contains(lineBreak) || key.contains(lineBreak) || value.contains(lineBreak))
        return Result::failure(QStringLiteral("A setting cannot hold a line break"), err::InvalidPropertyValue);
    const Lookup at = find(section, key);
    if (m_status.failed()) {
        // What the file holds was never read, so writing it would lose it (or block on a pipe).
        return Result::failure(QStringLiteral("The settings file is not used: ") + m_status.reason(),
                               err::PathFileAccess);
    }
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

    const QByteArray newline = m_newline.toUtf8();
    QByteArray bytes = m_bom;
    for (const QByteArray& line : raw)
        bytes += line + newline;
    // All or nothing: a failed write (a full disk) leaves the settings file as it was.
    const Result written = fileaccess::replaceFile(m_path, bytes);
    if (written.failed())
        return written;
    m_lines = lines;
    m_raw = raw;
    buildIndex();
    return {};
}

} // namespace qrt
