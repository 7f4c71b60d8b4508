#include "gui/shell/MainWindow.h"

#include "core/AppContext.h"
#include "document/Document.h"

#include <QMdiArea>

namespace qrt::gui {

namespace {
constexpr int TextTitle = 16;
}

MainWindow::MainWindow(Document& document, UserPrompts& prompts, QWidget* parent)
    : QMainWindow(parent), m_document(document), m_prompts(prompts), m_childArea(new QMdiArea(this)) {
    setObjectName(QStringLiteral("mdifrmMain"));
    setWindowTitle(document.context().text(TextTitle) + QStringLiteral("[*]"));
    m_childArea->setObjectName(QStringLiteral("mdiClientArea"));
    setCentralWidget(m_childArea);
    connect(&document, &Document::modifiedChanged, this, &QWidget::setWindowModified);
}

} // namespace qrt::gui
