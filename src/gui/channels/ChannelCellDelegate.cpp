#include "gui/channels/ChannelCellDelegate.h"

#include "channels/ChannelGridModel.h"
#include "gui/channels/ChannelGridGestures.h"

#include <QComboBox>
#include <QLineEdit>
#include <QScopedValueRollback>

namespace qrt::gui {

using channels::ChannelGridModel;
using channels::ChannelTableModel;

namespace {

ChannelTableModel::ColumnKind columnKindOf(const QModelIndex& index) {
    return ChannelTableModel::ColumnKind(index.data(ChannelGridModel::ColumnKindRole).toInt());
}

QString columnCaption(const QModelIndex& index) {
    return index.model()->headerData(index.column(), Qt::Horizontal).toString();
}

// The option list over a cell. The arrow keys, a typed letter and the wheel move its
// choice without storing it (Enter, Tab or leaving the cell stores, Escape drops it); a
// choice made in its pop-up list is stored at once. chosen() tells the latter.
class OptionList : public QComboBox {
    Q_OBJECT
public:
    explicit OptionList(QWidget* parent) : QComboBox(parent) {
        connect(this, &QComboBox::activated, this, [this] {
            if (!m_browsing)
                Q_EMIT chosen();
        });
    }

Q_SIGNALS:
    void chosen();

protected:
    void keyPressEvent(QKeyEvent* event) override {
        const QScopedValueRollback browsing(m_browsing, true);
        QComboBox::keyPressEvent(event);
    }
    void wheelEvent(QWheelEvent* event) override {
        const QScopedValueRollback browsing(m_browsing, true);
        QComboBox::wheelEvent(event);
    }

private:
    bool m_browsing = false;
};

} // namespace

ChannelCellDelegate::ChannelCellDelegate(ChannelGridGestures& gestures, QObject* parent)
    : QStyledItemDelegate(parent), m_gestures(gestures) {}

QWidget* ChannelCellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                           const QModelIndex& index) const {
    QWidget* editor = nullptr;
    switch (columnKindOf(index)) {
    case ChannelTableModel::FrequencyColumn: {
        auto* line = new QLineEdit(parent);
        line->setObjectName(FrequencyEditorName);
        line->setAlignment(Qt::AlignCenter);
        line->setFrame(false);
        editor = line;
        break;
    }
    case ChannelTableModel::ToneColumn:
        editor = createToneList(parent, index);
        break;
    case ChannelTableModel::OptionColumn:
        editor = createOptionList(parent, index);
        break;
    case ChannelTableModel::PlainColumn:
        return nullptr;
    }
    editor->setAccessibleName(columnCaption(index));
    return editor;
}

QWidget* ChannelCellDelegate::createToneList(QWidget* parent, const QModelIndex& index) const {
    auto* list = new QComboBox(parent);
    list->setObjectName(ToneListName);
    list->setEditable(true);
    list->setInsertPolicy(QComboBox::NoInsert);
    // Inline completion would turn a typed "88" into the first tone starting with it.
    list->setCompleter(nullptr);
    list->addItems(index.data(ChannelGridModel::OptionListRole).toStringList());
    QPalette palette = list->palette();
    palette.setColor(QPalette::Base, ChannelGridModel::highlightColor());
    palette.setColor(QPalette::Button, ChannelGridModel::highlightColor());
    list->setPalette(palette);
    list->lineEdit()->setPalette(palette);
    connect(list, &QComboBox::editTextChanged, this,
            [this](const QString& text) { m_gestures.setPendingToneText(text); });
    return list;
}

QWidget* ChannelCellDelegate::createOptionList(QWidget* parent, const QModelIndex& index) const {
    auto* list = new OptionList(parent);
    list->setObjectName(OptionListName);
    list->addItems(index.data(ChannelGridModel::OptionListRole).toStringList());
    connect(list, &OptionList::chosen, this, [this, list] {
        auto* self = const_cast<ChannelCellDelegate*>(this);
        Q_EMIT self->commitData(list);
        Q_EMIT self->closeEditor(list, QAbstractItemDelegate::NoHint);
    });
    return list;
}

void ChannelCellDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    const QVariant value = index.data(Qt::EditRole);
    if (auto* line = qobject_cast<QLineEdit*>(editor)) {
        line->setText(value.toString());
    } else if (auto* list = qobject_cast<QComboBox*>(editor)) {
        if (list->isEditable()) {
            const QSignalBlocker quiet(list);
            list->setCurrentIndex(list->findText(value.toString()));
            list->setEditText(value.toString());
            // Typing replaces the tone shown, as it replaces a frequency.
            list->lineEdit()->selectAll();
        } else {
            list->setCurrentIndex(value.isValid() ? value.toInt() : -1);
        }
    }
}

void ChannelCellDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const {
    if (auto* line = qobject_cast<QLineEdit*>(editor)) {
        model->setData(index, line->text());
    } else if (auto* list = qobject_cast<QComboBox*>(editor)) {
        if (list->isEditable())
            m_gestures.storeTone(index, list->currentText());
        else if (list->currentIndex() >= 0)
            model->setData(index, list->currentIndex());
    }
}

void ChannelCellDelegate::updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                                               const QModelIndex&) const {
    editor->setGeometry(option.rect);
}

} // namespace qrt::gui

#include "ChannelCellDelegate.moc"
