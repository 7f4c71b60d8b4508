#include "gui/memview/MemoryViewerWindow.h"

#include "core/AppContext.h"
#include "document/Document.h"
#include "gui/memview/MemoryGridView.h"
#include "gui/memview/MemoryViewerTexts.h"
#include "gui/memview/PartFillDialog.h"
#include "memview/MemoryGridModel.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>

namespace qrt::gui {

namespace {

QPushButton* commandButton(const QString& name, const QString& text, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setAccessibleName(text);
    return button;
}

} // namespace

MemoryViewerWindow::MemoryViewerWindow(Document& document, UserPrompts& prompts, int tableMaxAddr, QWidget* parent)
    : QWidget(parent, Qt::Window), m_document(document), m_prompts(prompts),
      m_model(new memview::MemoryGridModel(document, tableMaxAddr, this)), m_timer(new QTimer(this)) {
    using namespace memview_texts;
    setObjectName(QStringLiteral("frmMemDat"));
    setWindowTitle(MemoryData);
    setAccessibleName(MemoryData);

    auto* frame = new QGroupBox(MemoryData, this);
    frame->setObjectName(QStringLiteral("fraMemData"));
    frame->setAccessibleName(MemoryData);
    m_grid = new MemoryGridView(*m_model, frame);
    auto* frameLayout = new QVBoxLayout(frame);
    frameLayout->addWidget(m_grid);

    m_automatic = new QCheckBox(AutomaticRefresh, this);
    m_automatic->setObjectName(QStringLiteral("chkAutoMemFresh"));
    m_automatic->setAccessibleName(AutomaticRefresh);
    m_timer->setObjectName(QStringLiteral("tmrAutoMemFresh"));
    m_timer->setInterval(AutomaticRefreshMs);
    connect(m_automatic, &QCheckBox::toggled, m_timer, [this](bool on) { on ? m_timer->start() : m_timer->stop(); });
    connect(m_timer, &QTimer::timeout, m_model, &memview::MemoryGridModel::refreshNow);

    QPushButton* fillGrid = commandButton(QStringLiteral("cmdFillGrid"), FillGrid, this);
    connect(fillGrid, &QPushButton::clicked, m_model, &memview::MemoryGridModel::refreshNow);
    QPushButton* defaultColour = commandButton(QStringLiteral("cmdSetDefCol"), SetDefaultColour, this);
    connect(defaultColour, &QPushButton::clicked, m_model, &memview::MemoryGridModel::clearMarks);
    QPushButton* partFill = commandButton(QStringLiteral("cmdPartFill"), PartFill, this);
    connect(partFill, &QPushButton::clicked, this, &MemoryViewerWindow::openPartFill);
    // Locked, the viewer only shows: no cell is editable and there is nothing to fill.
    partFill->setEnabled(!document.isLocked());
    connect(&document, &Document::lockChanged, partFill, [partFill](bool locked) { partFill->setEnabled(!locked); });

    auto* commands = new QHBoxLayout;
    commands->addWidget(m_automatic);
    commands->addStretch();
    commands->addWidget(fillGrid);
    commands->addWidget(defaultColour);
    commands->addWidget(partFill);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame, 1);
    layout->addLayout(commands);

    // Wide enough for the 16 columns, the addresses and the scroll bar.
    const int gridWidth = m_grid->verticalHeader()->width() + 16 * m_grid->horizontalHeader()->defaultSectionSize() +
                          m_grid->verticalScrollBar()->sizeHint().width() + 2 * m_grid->frameWidth();
    m_grid->setMinimumWidth(gridWidth);
    resize(gridWidth + 60, 480);
}

MemoryViewerWindow::~MemoryViewerWindow() = default;

void MemoryViewerWindow::openPartFill() {
    if (!m_partFill)
        m_partFill = new PartFillDialog(*m_model, m_document.context(), m_prompts, m_model->tableMaxAddr(), this);
    m_partFill->exec();
}

void MemoryViewerWindow::closeEvent(QCloseEvent* event) {
    if (m_programClosing) {
        if (m_partFill)
            m_partFill->reject();
        event->accept();
        return;
    }
    event->ignore();
    hide();
}

MemoryViewer::MemoryViewer(Document& document, UserPrompts& prompts, QWidget& frame)
    : QObject(&frame), m_document(document), m_prompts(prompts), m_frame(frame),
      m_tableMaxAddr(document.context().program().tableMaxAddr) {}

void MemoryViewer::show() {
    if (!m_window)
        m_window = new MemoryViewerWindow(m_document, m_prompts, m_tableMaxAddr, &m_frame);
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
}

void MemoryViewer::hide() {
    if (m_window)
        m_window->hide();
}

void MemoryViewer::setTableMaxAddr(int address) {
    m_tableMaxAddr = address;
    if (m_window)
        m_window->model().setTableMaxAddr(address);
}

void MemoryViewer::refresh() {
    if (m_window)
        m_window->model().refresh();
}

void MemoryViewer::closeForExit() {
    if (!m_window)
        return;
    m_window->setProgramClosing(true);
    m_window->close();
}

} // namespace qrt::gui
