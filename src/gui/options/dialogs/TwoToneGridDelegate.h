#pragma once

#include <QStyledItemDelegate>

namespace qrt::gui {

// Cell editors of the two-tone grids: a text box for the frequencies, a drop-down list of
// the allowed values (and an empty item to clear the cell) for the times and the interval.
class TwoToneGridDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;
};

} // namespace qrt::gui
