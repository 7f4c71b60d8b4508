#include "gui/memview/MemoryGridView.h"

#include "gui/memview/MemoryViewerTexts.h"
#include "memview/MemoryGridModel.h"

#include <QAbstractButton>
#include <QEvent>
#include <QHeaderView>
#include <QLineEdit>
#include <QPainter>
#include <QRegularExpressionValidator>
#include <QStyledItemDelegate>

namespace qrt::gui {

namespace {

constexpr int CellWidth = 28;  // 420 twips
constexpr int LabelWidth = 41; // 620 twips
constexpr int RowHeight = 18;  // 270 twips
constexpr int FontPointSize = 10;

class ByteCellDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override {
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (auto* line = qobject_cast<QLineEdit*>(editor)) {
            line->setObjectName(QStringLiteral("txtGridCellEdit"));
            line->setMaxLength(2);
            line->setAlignment(Qt::AlignCenter);
            line->setValidator(
                new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9A-Fa-f]{0,2}")), line));
        }
        return editor;
    }
    // A cell left empty keeps its value: only typed digits are stored.
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override {
        if (auto* line = qobject_cast<QLineEdit*>(editor); line && line->text().trimmed().isEmpty())
            return;
        QStyledItemDelegate::setModelData(editor, model, index);
    }
};

} // namespace

MemoryGridView::MemoryGridView(memview::MemoryGridModel& model, QWidget* parent) : QTableView(parent) {
    setObjectName(QStringLiteral("vsfgGridMemDat"));
    setAccessibleName(memview_texts::MemoryData);
    QFont gridFont = font();
    gridFont.setPointSize(FontPointSize);
    setFont(gridFont);
    setModel(&model);
    setItemDelegate(new ByteCellDelegate(this));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::AnyKeyPressed);
    setMouseTracking(true);

    // The sizes of the original grid, grown where the font needs more room.
    const QFontMetrics metrics(gridFont);
    const int cellWidth = qMax(CellWidth, metrics.horizontalAdvance(QStringLiteral("WW")) + 6);
    const int labelWidth = qMax(LabelWidth, metrics.horizontalAdvance(QStringLiteral("0000H")) + 12);
    const int rowHeight = qMax(RowHeight, metrics.height() + 4);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setMinimumSectionSize(cellWidth);
    horizontalHeader()->setDefaultSectionSize(cellWidth);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setFixedHeight(rowHeight);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setMinimumSectionSize(rowHeight);
    verticalHeader()->setDefaultSectionSize(rowHeight);
    verticalHeader()->setHighlightSections(false);
    verticalHeader()->setFixedWidth(labelWidth);
    verticalHeader()->setDefaultAlignment(Qt::AlignCenter);

    // The corner above the row addresses carries the title "Addr".
    if (auto* corner = findChild<QAbstractButton*>())
        corner->installEventFilter(this);
    connect(&model, &memview::MemoryGridModel::changeMarked, this, &MemoryGridView::showChange);
    if (model.rowCount() > 0)
        setCurrentIndex(model.index(0, 0));
}

bool MemoryGridView::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Paint && qobject_cast<QAbstractButton*>(watched)) {
        auto* corner = static_cast<QWidget*>(watched);
        QPainter painter(corner);
        painter.fillRect(corner->rect(), corner->palette().button());
        painter.setPen(corner->palette().color(QPalette::Mid));
        painter.drawLine(corner->rect().bottomLeft(), corner->rect().bottomRight());
        painter.drawLine(corner->rect().topRight(), corner->rect().bottomRight());
        painter.setPen(corner->palette().color(QPalette::ButtonText));
        painter.drawText(corner->rect(), Qt::AlignCenter, memview_texts::AddressTitle);
        return true;
    }
    return QTableView::eventFilter(watched, event);
}

void MemoryGridView::showChange(const QModelIndex& lastChanged) {
    if (state() == QAbstractItemView::EditingState)
        return;
    setCurrentIndex(lastChanged);
    scrollTo(lastChanged);
}

} // namespace qrt::gui
