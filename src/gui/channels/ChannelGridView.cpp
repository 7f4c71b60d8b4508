#include "gui/channels/ChannelGridView.h"

#include "gui/channels/ChannelCellDelegate.h"

#include <QAbstractButton>
#include <QApplication>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QStyleOptionHeader>
#include <QStylePainter>

namespace qrt::gui {

using channels::ChannelGridModel;
using channels::ChannelTableModel;
using Click = ChannelGridGestures::ClickResult;

ChannelGridView::ChannelGridView(ChannelTableModel& table, QWidget* parent)
    : QTableView(parent), m_model(new ChannelGridModel(table, this)),
      m_gestures(new ChannelGridGestures(*m_model, this)) {
    setObjectName(QStringLiteral("vsfgGridCh"));
    ChannelGridModel& model = *m_model;
    setModel(&model);
    setItemDelegate(new ChannelCellDelegate(*m_gestures, this));
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    // Only typing opens an editor by itself; clicks and command keys go through the gestures.
    setEditTriggers(QAbstractItemView::AnyKeyPressed);
    setTabKeyNavigation(false);
    setCornerButtonEnabled(false);
    horizontalHeader()->setSectionsClickable(false);
    verticalHeader()->setSectionsClickable(false);
    horizontalHeader()->setHighlightSections(false);
    verticalHeader()->setHighlightSections(false);

    m_delayedEdit.setSingleShot(true);
    connect(&m_delayedEdit, &QTimer::timeout, this, &ChannelGridView::openDelayedEditor);
    connect(&model, &ChannelGridModel::currentCellRequested, this, &ChannelGridView::moveToRequestedCell);
    // New data (a file opened, a read, an undo) keeps the cursor where it was, so that
    // the keyboard goes on working in the cell that looks current.
    connect(&model, &QAbstractItemModel::modelAboutToBeReset, this, [this] {
        const QModelIndex cell = currentIndex();
        m_cursorBeforeReset = cell.isValid() ? QPoint(cell.column(), cell.row()) : QPoint();
    });
    connect(&model, &QAbstractItemModel::modelReset, this, [this] {
        m_delayedEdit.stop();
        applySectionSizes();
        const QModelIndex cell = m_model->index(m_cursorBeforeReset.y(), m_cursorBeforeReset.x());
        setCurrentIndex(cell.isValid() ? cell : m_model->cell(1, 1));
    });
    connect(&table, &ChannelTableModel::lockChanged, this, &ChannelGridView::applyLock);

    m_corner = findChild<QAbstractButton*>(QString(), Qt::FindDirectChildrenOnly);
    if (m_corner)
        m_corner->installEventFilter(this);
    m_ownPalette = palette();
    m_background = m_ownPalette.color(QPalette::Base);
    applySectionSizes();
    applyLock(table.isLocked());
    setCurrentIndex(model.cell(1, 1));
}

void ChannelGridView::applySectionSizes() {
    // The settings file's width is the least a column gets: a caption is never cut.
    for (int c = 0; c < m_model->columnCount(); ++c) {
        const int width = m_model->headerData(c, Qt::Horizontal, Qt::SizeHintRole).toSize().width();
        horizontalHeader()->resizeSection(c, qMax(width, captionWidth(c)));
    }
    const QSize numberColumn = m_model->headerData(0, Qt::Vertical, Qt::SizeHintRole).toSize();
    if (numberColumn.isEmpty())
        return;
    verticalHeader()->setMinimumSectionSize(qMin(verticalHeader()->minimumSectionSize(), numberColumn.height()));
    verticalHeader()->setDefaultSectionSize(numberColumn.height());
    verticalHeader()->setFixedWidth(numberColumn.width());
    horizontalHeader()->setFixedHeight(numberColumn.height());
}

int ChannelGridView::captionWidth(int column) const {
    // The header's own size hint is the settings file's width; this is what its text needs.
    QHeaderView* header = horizontalHeader();
    QStyleOptionHeader option;
    option.initFrom(header);
    option.section = column;
    option.text = m_model->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
    option.textAlignment = Qt::AlignCenter;
    return header->style()->sizeFromContents(QStyle::CT_HeaderSection, &option, QSize(), header).width();
}

void ChannelGridView::applyLock(bool locked) {
    if (locked)
        m_delayedEdit.stop();
    setEnabled(!locked);
    // Locked, a selected cell no longer stands out, but its text stays readable.
    QPalette colours = m_ownPalette;
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        colours.setColor(group, QPalette::Highlight, locked ? m_background : selectionColor());
        if (locked)
            colours.setColor(group, QPalette::HighlightedText, colours.color(group, QPalette::Text));
    }
    setPalette(colours);
}

void ChannelGridView::storeToneBeingChosen() {
    const QModelIndex cell = m_gestures->pendingToneCell();
    if (QWidget* editor = cell.isValid() ? indexWidget(cell) : nullptr) {
        commitData(editor);
        closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
    m_gestures->storePendingTone();
}

void ChannelGridView::storeOpenEditor() {
    const QModelIndex cell = currentIndex();
    QWidget* editor = cell.isValid() && state() == QAbstractItemView::EditingState ? indexWidget(cell) : nullptr;
    if (editor && cell != m_gestures->pendingToneCell()) {
        commitData(editor);
        closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
    storeToneBeingChosen();
}

void ChannelGridView::activate(const QModelIndex& cell) {
    m_delayedEdit.stop();
    carryOut(m_gestures->click(cell), EditTiming::Now);
}

void ChannelGridView::carryOut(const Click& result, EditTiming timing) {
    switch (result.action) {
    case Click::Nothing:
        return;
    case Click::SelectCell:
        setCurrentIndex(result.cell);
        return;
    case Click::EditCell:
    case Click::OpenToneList:
        setCurrentIndex(result.cell);
        if (timing == EditTiming::Now) {
            edit(result.cell);
        } else {
            m_delayedCell = result.cell;
            m_delayedEdit.start(QApplication::doubleClickInterval());
        }
        return;
    }
}

void ChannelGridView::openDelayedEditor() {
    if (m_delayedCell.isValid() && currentIndex() == m_delayedCell)
        edit(m_delayedCell);
}

void ChannelGridView::moveToRequestedCell(const QModelIndex& cell) {
    // An edit closed by moving the cursor or by a click elsewhere leaves the cursor there.
    if (m_movingCursor)
        return;
    m_requestedCell = cell;
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (m_requestedCell.isValid())
                setCurrentIndex(m_requestedCell);
            m_requestedCell = QPersistentModelIndex();
        },
        Qt::QueuedConnection);
}

void ChannelGridView::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    // A move of the user's (an arrow that also stored the editor) wins over the cell the
    // edit asked for.
    m_requestedCell = QPersistentModelIndex();
    m_movingCursor = true;
    QTableView::currentChanged(current, previous);
    m_movingCursor = false;
}

void ChannelGridView::mousePressEvent(QMouseEvent* event) {
    // The press has already taken the focus from an open editor, which stored its text.
    m_requestedCell = QPersistentModelIndex();
    m_delayedEdit.stop();
    QTableView::mousePressEvent(event);
    if (event->button() == Qt::LeftButton)
        carryOut(m_gestures->click(indexAt(event->position().toPoint())), EditTiming::AfterDoubleClickTime);
}

void ChannelGridView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    m_delayedEdit.stop();
    const QModelIndex cell = currentIndex();
    if (cell.isValid() && indexAt(event->position().toPoint()).isValid())
        doubleClickCell(cell);
}

void ChannelGridView::doubleClickCell(const QModelIndex& cell) {
    m_delayedEdit.stop();
    // A double-click that changes nothing edits the cell, as in a spreadsheet; one that
    // changed a tone shows the tone list again.
    const bool changed = m_gestures->doubleClick(cell);
    if (!changed || m_gestures->pendingToneCell() == cell)
        edit(cell);
}

void ChannelGridView::keyPressEvent(QKeyEvent* event) {
    if (!handleCommandKey(event))
        QTableView::keyPressEvent(event);
}

bool ChannelGridView::handleCommandKey(QKeyEvent* event) {
    const QModelIndex cell = currentIndex();
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (event->key() == Qt::Key_Menu || (event->key() == Qt::Key_F10 && modifiers == Qt::ShiftModifier)) {
        requestMenuAt(cell, viewport()->mapToGlobal(visualRect(cell).center()));
        return true;
    }
    if (state() == QAbstractItemView::EditingState || !cell.isValid())
        return false;
    const ChannelTableModel::ColumnKind kind = m_model->table().columnKind(ChannelGridModel::columnOf(cell));
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (modifiers == Qt::ControlModifier) {
            doubleClickCell(cell);
            return true;
        }
        Q_FALLTHROUGH();
    case Qt::Key_F2:
    case Qt::Key_Space:
        if (modifiers != Qt::NoModifier)
            return false;
        activate(cell);
        return true;
    case Qt::Key_Delete:
        if (kind == ChannelTableModel::FrequencyColumn)
            m_model->setData(cell, QString());
        return true;
    default:
        break;
    }
    const QString text = event->text();
    if (text.isEmpty() || !text.at(0).isPrint() || (modifiers & (Qt::ControlModifier | Qt::AltModifier)))
        return false;
    return !typeIntoCell(cell);
}

bool ChannelGridView::typeIntoCell(const QModelIndex& cell) {
    // Typing opens the cell's editor with the key: a frequency or a tone takes it as text,
    // an option list picks the option it begins. Typing on an empty channel's other cells
    // does nothing, and there is no search by first letter through the grid.
    if (!m_model->table().canEdit(ChannelGridModel::channelOf(cell), ChannelGridModel::columnOf(cell)))
        return false;
    // A click on this cell may have its editor still waiting for the double-click time:
    // the key opens it now instead of getting lost.
    m_delayedEdit.stop();
    if (m_gestures->pendingToneCell() != cell) {
        const Click result = m_gestures->click(cell);
        if (result.cell != cell || (result.action != Click::EditCell && result.action != Click::OpenToneList)) {
            carryOut(result, EditTiming::Now);
            return false;
        }
    }
    return true; // the view opens the editor and gives it the key
}

void ChannelGridView::contextMenuEvent(QContextMenuEvent* event) {
    if (event->reason() != QContextMenuEvent::Mouse) {
        const QModelIndex cell = currentIndex();
        requestMenuAt(cell, viewport()->mapToGlobal(visualRect(cell).center()));
        return;
    }
    // The headers pass their right-clicks up to the grid: those show no menu.
    const QPoint inViewport = viewport()->mapFromGlobal(event->globalPos());
    if (viewport()->rect().contains(inViewport))
        requestMenuAt(indexAt(inViewport), event->globalPos());
}

void ChannelGridView::requestMenuAt(const QModelIndex& cell, const QPoint& globalPos) {
    if (cell.isValid())
        Q_EMIT channelMenuRequested(ChannelGridModel::channelOf(cell), globalPos);
}

void ChannelGridView::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
    if (hint == QAbstractItemDelegate::RevertModelCache && editor &&
        editor->objectName() == ChannelCellDelegate::ToneListName)
        m_gestures->cancelPendingTone();
    // Tab in an editor stores it and moves one cell, without opening the next editor;
    // Shift+Tab moves back. The key's move wins over the cell the edit asked for.
    const bool next = hint == QAbstractItemDelegate::EditNextItem;
    const bool previous = hint == QAbstractItemDelegate::EditPreviousItem;
    QTableView::closeEditor(editor, next || previous ? QAbstractItemDelegate::NoHint : hint);
    if (next || previous) {
        m_requestedCell = QPersistentModelIndex();
        const QModelIndex cell = currentIndex();
        const QModelIndex neighbour = cell.sibling(cell.row(), cell.column() + (next ? 1 : -1));
        if (neighbour.isValid())
            setCurrentIndex(neighbour);
    }
}

bool ChannelGridView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_corner && event->type() == QEvent::Paint)
        return paintCorner();
    return QTableView::eventFilter(watched, event);
}

bool ChannelGridView::paintCorner() {
    QStylePainter painter(m_corner);
    QStyleOptionHeader option;
    option.initFrom(m_corner);
    option.rect = m_corner->rect();
    // The corner takes no clicks but its caption is not greyed.
    option.state |= QStyle::State_Enabled;
    option.position = QStyleOptionHeader::OnlyOneSection;
    option.text = m_model->table().cornerCaption();
    option.textAlignment = Qt::AlignCenter;
    painter.drawControl(QStyle::CE_Header, option);
    return true;
}

} // namespace qrt::gui
