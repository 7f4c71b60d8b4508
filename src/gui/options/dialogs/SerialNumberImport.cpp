#include "gui/options/dialogs/SerialNumberImport.h"

#include "core/AppContext.h"
#include "core/SettingsFile.h"
#include "document/Document.h"
#include "gui/common/UserPrompts.h"
#include "options/SettingsModel.h"

#include <QDir>
#include <QFileInfo>

namespace qrt::gui {

SerialNumberImport::SerialNumberImport(Document& document, UserPrompts& prompts, QWidget* parent)
    : m_document(document), m_prompts(prompts), m_parent(parent) {}

int SerialNumberImport::exec() {
    const AppContext& context = m_document.context();
    const QString folder = QFileInfo(m_document.currentFilePath()).absolutePath();
    // No filter: serial-number lists come under any name.
    const QString path = m_prompts.openFileName(m_parent, context.text(TextId::ImportSerialNumbers), folder, QString());
    if (path.isEmpty())
        return -1;
    options::SettingsModel& settings = m_document.settings();
    const int count = settings.importSerialNumbers(path);
    if (const Result& status = settings.serialImportStatus(); status.failed()) {
        QString problem = status.inLanguage(context.extraTexts()).reason();
        if (status.reasonKey() == SettingsFile::TooLargeKey)
            problem = problem.arg(SettingsFile::MaxFileSize);
        m_prompts.inform(m_parent, QMessageBox::Warning, context.text(TextId::Notice),
                         context.text(TextId::ReadFileFailed) + QLatin1Char('\n') + QDir::toNativeSeparators(path) +
                             QLatin1Char('\n') + problem);
    }
    return count;
}

} // namespace qrt::gui
