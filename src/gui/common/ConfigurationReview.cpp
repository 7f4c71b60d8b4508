#include "gui/common/ConfigurationReview.h"

#include "core/AppContext.h"
#include "document/ConfigurationCheck.h"
#include "document/Document.h"
#include "gui/common/UserPrompts.h"

namespace qrt::gui {

bool confirmWriteAfterCheck(QWidget* parent, Document& document, UserPrompts& prompts) {
    const QStringList findings = configcheck::findingTexts(document);
    if (findings.isEmpty())
        return true;
    const AppContext& context = document.context();
    return prompts.reviewFindings(parent, context.extraText(QStringLiteral("check.title")),
                                  context.extraText(QStringLiteral("check.intro")), findings,
                                  context.extraText(QStringLiteral("check.writeAnyway")),
                                  context.extraText(QStringLiteral("check.cancel")));
}

void showConfigurationCheck(QWidget* parent, Document& document, UserPrompts& prompts) {
    const QStringList findings = configcheck::findingTexts(document);
    const AppContext& context = document.context();
    const QString title = context.extraText(QStringLiteral("check.title"));
    if (findings.isEmpty()) {
        prompts.inform(parent, QMessageBox::Information, title, context.extraText(QStringLiteral("check.none")));
        return;
    }
    prompts.reviewFindings(parent, title, context.extraText(QStringLiteral("check.introAnyTime")), findings, QString(),
                           context.extraText(QStringLiteral("check.close")));
}

} // namespace qrt::gui
