#include "cli/DataFileCheck.h"

#include "cli/ToolTexts.h"
#include "core/DataFile.h"

#include <QDir>

namespace qrt::cli {

QString notRadioDataText(const QString& path) {
    QByteArray bytes;
    if (!datafile::readFile(path, datafile::FileSize + 1, &bytes).ok())
        return {};
    const QString reason = datafile::whyNotRadioData(bytes, toolTexts());
    if (reason.isEmpty())
        return {};
    return QDir::toNativeSeparators(path) + QStringLiteral(" is not radio data: ") + reason + QLatin1Char('.');
}

} // namespace qrt::cli
