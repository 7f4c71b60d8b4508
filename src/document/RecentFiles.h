#pragma once

#include <QObject>
#include <QStringList>

namespace qrt {

class SettingsFile;

// The data files used last (opened, saved, or written as the backup of a read), most
// recent first, remembered in the settings file's section RecentFiles as File1..File8.
class RecentFiles : public QObject {
    Q_OBJECT
public:
    static constexpr int MaxCount = 8;
    static inline const QString Section = QStringLiteral("RecentFiles");

    explicit RecentFiles(SettingsFile& settings, QObject* parent = nullptr);

    const QStringList& paths() const { return m_paths; }
    // Puts the file first (once: an earlier entry of the same file goes); the oldest beyond
    // MaxCount drops off.
    void add(const QString& path);
    void remove(const QString& path);
    void clear();

Q_SIGNALS:
    void changed();

private:
    void store();

    SettingsFile& m_settings;
    QStringList m_paths;
};

} // namespace qrt
