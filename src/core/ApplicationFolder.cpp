#include "core/ApplicationFolder.h"

#include "core/AppContext.h"
#include "core/InterfaceTexts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace qrt::appfolder {

QStringList shippedFileNames() {
    return {AppContext::SettingsFileName, AppContext::TemplateFileName, AppContext::FactoryFileName};
}

QString shippedFilesFolder(const QString& executableDir) {
    return QDir::cleanPath(executableDir + QStringLiteral("/../share/") + ShippedFolderName);
}

QString perUserFolder() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)).filePath(ShippedFolderName);
}

namespace {

// Copies each shipped file the folder does not hold yet; files already there are the
// user's and stay as they are.
QString copyMissingShippedFiles(const QString& from, const QString& to) {
    for (const QString& name : shippedFileNames()) {
        const QString target = QDir(to).filePath(name);
        if (QFileInfo::exists(target))
            continue;
        const QString source = QDir(from).filePath(name);
        if (!QFileInfo(source).isFile())
            continue; // the start-up reports the missing file as it does in any folder
        if (!QFile::copy(source, target))
            return QStringLiteral("Cannot copy %1 to %2.")
                .arg(QDir::toNativeSeparators(source), QDir::toNativeSeparators(target));
        // Copies of read-only installed files must stay writable for the user.
        QFile::setPermissions(target, QFile::permissions(target) | QFile::WriteOwner | QFile::ReadOwner);
    }
    return {};
}

} // namespace

Choice choose(const QString& commandLineDir, const QString& executableDir) {
    if (!commandLineDir.isEmpty())
        return {commandLineDir, {}};
    if (QFileInfo(QDir(executableDir).filePath(AppContext::SettingsFileName)).isFile())
        return {executableDir, {}};
    const QString userFolder = perUserFolder();
    if (!QDir().mkpath(userFolder))
        return {{}, QStringLiteral("Cannot make the folder %1.").arg(QDir::toNativeSeparators(userFolder))};
    const QString error = copyMissingShippedFiles(shippedFilesFolder(executableDir), userFolder);
    if (!error.isEmpty())
        return {{}, error};
    return {userFolder, {}};
}

QString userGuidePage(const QString& executableDir, Language language) {
    const QStringList roots = {QDir(executableDir).filePath(QStringLiteral("guide")),
                               QDir(shippedFilesFolder(executableDir)).filePath(QStringLiteral("guide"))};
    for (const QString& folder : {InterfaceTexts::localeName(language), InterfaceTexts::localeName(DefaultLanguage)}) {
        for (const QString& root : roots) {
            const QString page = QDir(root).filePath(folder + QStringLiteral("/index.html"));
            if (QFileInfo(page).isFile())
                return page;
        }
    }
    return {};
}

} // namespace qrt::appfolder
