#include "gui/info/ErrorLogWindow.h"

#include "core/ErrorLog.h"

#include <QCloseEvent>
#include <QListWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace qrt::gui::info {

ErrorLogWindow::ErrorLogWindow(ErrorLog& log, QWidget* parent)
    : QWidget(parent), m_log(log), m_list(new QListWidget(this)) {
    setObjectName(QStringLiteral("frmShowErr"));
    // The same caption in every language.
    setWindowTitle(QStringLiteral("Notice"));
    setAccessibleName(windowTitle());
    m_list->setObjectName(QStringLiteral("listShowErr"));
    m_list->setAccessibleName(windowTitle());
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_list);

    // The sink runs on the thread that logged, with the log's lock held: it only posts
    // the lines to this window (directly when that is the window's own thread). The
    // destructor unsubscribes first, which waits for a sink call in progress, and
    // QObject drops the calls still queued for a destroyed window.
    m_subscription = m_log.subscribe([this](const QString& header, const QString& detail) {
        QMetaObject::invokeMethod(
            this, [this, header, detail] { appendError(header, detail); }, Qt::AutoConnection);
    });
}

ErrorLogWindow::~ErrorLogWindow() {
    m_log.unsubscribe(m_subscription);
}

QStringList ErrorLogWindow::lines() const {
    QStringList result;
    result.reserve(m_list->count());
    for (int row = 0; row < m_list->count(); ++row)
        result << m_list->item(row)->text();
    return result;
}

void ErrorLogWindow::setLineLimit(int lines) {
    m_lineLimit = std::max(2, lines);
    dropOldestErrors(0);
}

void ErrorLogWindow::dropOldestErrors(int room) {
    // Whole errors go from the front, so every kept pair stays together.
    while (m_list->count() > 0 && m_list->count() + room > m_lineLimit) {
        delete m_list->takeItem(0);
        delete m_list->takeItem(0);
    }
}

void ErrorLogWindow::appendError(const QString& headerLine, const QString& detailLine) {
    dropOldestErrors(2);
    m_list->addItem(headerLine);
    m_list->addItem(detailLine);
    m_list->setCurrentRow(m_list->count() - 1);
    m_list->scrollToBottom();
    if (isHidden())
        show();
    Q_EMIT errorShown();
}

void ErrorLogWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    hide();
}

} // namespace qrt::gui::info
