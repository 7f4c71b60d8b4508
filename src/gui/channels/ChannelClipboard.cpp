#include "gui/channels/ChannelClipboard.h"

#include "channels/ChannelPaste.h"
#include "core/AppContext.h"
#include "gui/channels/ChannelGridView.h"
#include "gui/common/UserPrompts.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QItemSelectionModel>

namespace qrt::gui {

using channels::ChannelGridModel;
using channels::ChannelTableModel;

namespace {

QAction* clipboardAction(QObject* parent, const QString& name, const QString& caption, QKeySequence::StandardKey key) {
    auto* action = new QAction(caption, parent);
    action->setObjectName(name);
    action->setShortcut(key);
    action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    return action;
}

// The block of selected cells (their bounding box), or the current cell.
channels::CellBlock selectedBlock(const ChannelGridView& grid) {
    QModelIndexList cells = grid.selectionModel() ? grid.selectionModel()->selectedIndexes() : QModelIndexList();
    if (cells.isEmpty() && grid.currentIndex().isValid())
        cells << grid.currentIndex();
    if (cells.isEmpty())
        return {};
    channels::CellBlock block{ChannelGridModel::channelOf(cells.first()), ChannelGridModel::columnOf(cells.first()),
                              ChannelGridModel::channelOf(cells.first()), ChannelGridModel::columnOf(cells.first())};
    for (const QModelIndex& cell : std::as_const(cells)) {
        block.firstChannel = qMin(block.firstChannel, ChannelGridModel::channelOf(cell));
        block.lastChannel = qMax(block.lastChannel, ChannelGridModel::channelOf(cell));
        block.firstColumn = qMin(block.firstColumn, ChannelGridModel::columnOf(cell));
        block.lastColumn = qMax(block.lastColumn, ChannelGridModel::columnOf(cell));
    }
    return block;
}

} // namespace

ChannelClipboard::ChannelClipboard(ChannelGridView& grid, UserPrompts& prompts, const AppContext& context)
    : QObject(&grid), m_grid(grid), m_prompts(prompts), m_context(context),
      m_cut(clipboardAction(this, QStringLiteral("mnuEditCut"), context.extraText(QStringLiteral("edit.cutEntry")),
                            QKeySequence::Cut)),
      m_copy(clipboardAction(this, QStringLiteral("mnuEditCopy"), context.extraText(QStringLiteral("edit.copyEntry")),
                             QKeySequence::Copy)),
      m_paste(clipboardAction(this, QStringLiteral("mnuEditPaste"),
                              context.extraText(QStringLiteral("edit.pasteEntry")), QKeySequence::Paste)) {
    grid.addActions(actions());
    connect(m_cut, &QAction::triggered, this, &ChannelClipboard::cut);
    connect(m_copy, &QAction::triggered, this, &ChannelClipboard::copy);
    connect(m_paste, &QAction::triggered, this, &ChannelClipboard::paste);
    ChannelTableModel& table = grid.gridModel().table();
    connect(&table, &ChannelTableModel::lockChanged, this, &ChannelClipboard::applyLock);
    applyLock(table.isLocked());
}

void ChannelClipboard::applyLock(bool locked) {
    m_cut->setEnabled(!locked);
    m_paste->setEnabled(!locked);
}

void ChannelClipboard::copy() {
    const channels::CellBlock block = selectedBlock(m_grid);
    if (block.lastChannel >= block.firstChannel)
        QGuiApplication::clipboard()->setText(channels::copiedCells(m_grid.gridModel().table(), block));
}

void ChannelClipboard::cut() {
    m_grid.storeOpenEditor();
    const channels::CellBlock block = selectedBlock(m_grid);
    if (block.lastChannel < block.firstChannel)
        return;
    QGuiApplication::clipboard()->setText(channels::copiedCells(m_grid.gridModel().table(), block));
    channels::clearCells(m_grid.gridModel().table(), block);
}

void ChannelClipboard::paste() {
    m_grid.storeOpenEditor();
    const QModelIndex cell = m_grid.currentIndex();
    if (!cell.isValid())
        return;
    const channels::PasteOutcome outcome =
        channels::pasteCells(m_grid.gridModel().table(), ChannelGridModel::channelOf(cell),
                             ChannelGridModel::columnOf(cell), QGuiApplication::clipboard()->text());
    if (!outcome.refusal.isEmpty())
        m_prompts.inform(m_grid.window(), QMessageBox::Warning, m_context.text(TextId::Notice),
                         m_context.extraText(QStringLiteral("paste.refused")).arg(outcome.refusal));
}

} // namespace qrt::gui
