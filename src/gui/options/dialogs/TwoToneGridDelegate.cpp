#include "gui/options/dialogs/TwoToneGridDelegate.h"

#include "options/TwoToneTable.h"

#include <QComboBox>

namespace qrt::gui {

using options::TwoToneTable;

namespace {

const QStringList* choicesOf(int column) {
    switch (column) {
    case TwoToneTable::TimeA:
    case TwoToneTable::TimeB:
        return &TwoToneTable::timeItems();
    case TwoToneTable::Interval:
        return &TwoToneTable::intervalItems();
    default:
        return nullptr;
    }
}

} // namespace

QWidget* TwoToneGridDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                           const QModelIndex& index) const {
    const QStringList* choices = choicesOf(index.column());
    if (!choices)
        return QStyledItemDelegate::createEditor(parent, option, index);
    auto* list = new QComboBox(parent);
    list->addItem(QString());
    list->addItems(*choices);
    return list;
}

void TwoToneGridDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    if (auto* list = qobject_cast<QComboBox*>(editor)) {
        list->setCurrentIndex(qMax(0, list->findText(index.data(Qt::EditRole).toString())));
        return;
    }
    QStyledItemDelegate::setEditorData(editor, index);
}

void TwoToneGridDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const {
    if (auto* list = qobject_cast<QComboBox*>(editor)) {
        model->setData(index, list->currentText(), Qt::EditRole);
        return;
    }
    QStyledItemDelegate::setModelData(editor, model, index);
}

} // namespace qrt::gui
