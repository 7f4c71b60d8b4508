#include "document/RecentFiles.h"

#include "core/SettingsFile.h"

#include <QFileInfo>

namespace qrt {

namespace {
// A path as long as file systems allow.
constexpr int PathWidth = 4097;

QString keyOf(int position) {
    return QStringLiteral("File%1").arg(position + 1);
}

QString canonical(const QString& path) {
    return QFileInfo(path).absoluteFilePath();
}
} // namespace

RecentFiles::RecentFiles(SettingsFile& settings, QObject* parent) : QObject(parent), m_settings(settings) {
    for (int position = 0; position < MaxCount; ++position) {
        const QString path = m_settings.read(Section, keyOf(position), QString(), PathWidth).trimmed();
        if (!path.isEmpty() && !m_paths.contains(path))
            m_paths << path;
    }
}

void RecentFiles::add(const QString& path) {
    const QString file = canonical(path);
    if (!m_paths.isEmpty() && m_paths.constFirst() == file)
        return;
    m_paths.removeAll(file);
    m_paths.prepend(file);
    while (m_paths.size() > MaxCount)
        m_paths.removeLast();
    store();
}

void RecentFiles::remove(const QString& path) {
    if (m_paths.removeAll(canonical(path)) > 0)
        store();
}

void RecentFiles::clear() {
    if (m_paths.isEmpty())
        return;
    m_paths.clear();
    store();
}

void RecentFiles::store() {
    // Only keys that change are written: each write rewrites the settings file.
    for (int position = 0; position < MaxCount; ++position) {
        const QString value = m_paths.value(position);
        if (m_settings.read(Section, keyOf(position), QString(), PathWidth).trimmed() != value)
            m_settings.write(Section, keyOf(position), value);
    }
    Q_EMIT changed();
}

} // namespace qrt
