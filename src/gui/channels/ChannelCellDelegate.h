#pragma once

#include <QStyledItemDelegate>

namespace qrt::gui {

class ChannelGridGestures;

// The editors of the channel grid, chosen by the model's ColumnKindRole: a line edit for
// a frequency, a drop-down list of the column's options, and for a tone cell the tone
// list `cboGridChCtdcs`, an editable drop-down list of every tone laid over the cell. The
// tone list reports its text to the grid's gestures as it is typed and is stored when it
// loses the focus.
class ChannelCellDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    static inline const QString ToneListName = QStringLiteral("cboGridChCtdcs");
    static inline const QString FrequencyEditorName = QStringLiteral("txtGridChFrequency");
    static inline const QString OptionListName = QStringLiteral("cboGridChOption");

    explicit ChannelCellDelegate(ChannelGridGestures& gestures, QObject* parent = nullptr);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;
    void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const override;

private:
    QWidget* createToneList(QWidget* parent, const QModelIndex& index) const;
    QWidget* createOptionList(QWidget* parent, const QModelIndex& index) const;

    ChannelGridGestures& m_gestures;
};

} // namespace qrt::gui
