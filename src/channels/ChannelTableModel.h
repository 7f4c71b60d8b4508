#pragma once

#include "channels/ChannelTableSources.h"
#include "core/ChannelCodec.h"

#include <QAbstractTableModel>
#include <QColor>

namespace qrt::channels {

// The channel table as a grid: one row per channel (model row n - 1 is channel n, the
// channel number being the vertical header) and one column per table column (model
// column c - 1 is column c: 1 receive, 2 transmit, 3 decode tone, 4 encode tone, then the
// option columns of the definition). Every editing rule lives here, so a view is a plain
// table view with an item delegate that asks EditorKindRole and OptionListRole.
//
// Every change of the table goes through this model. Around each user action that may
// change data it emits userEditStarted() and userEditFinished(), so that the owner can
// record one undo step; refreshes (reloadFromImage, restoreTable, encodeIntoImage) emit
// no such pair. Nested actions emit nested pairs; the outermost pair is the action.
//
// The tone list: a click on a tone cell answers OpenToneList and makes that cell the
// pending tone cell; the list is the delegate's editor there. Its text is stored when
// the list is left: setData() on the cell (the delegate's commit), storePendingTone(),
// or the next click(), which stores a tone still pending before anything else.
class ChannelTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Role {
        OptionListRole = Qt::UserRole + 1, // QStringList: the tone list or the column's options
        EditorKindRole,                    // int, an EditorKind
    };
    enum EditorKind { NoEditor, FrequencyEditor, ToneListEditor, OptionListEditor };
    Q_ENUM(EditorKind)

    static constexpr int DecodeColumn = 3;
    static constexpr int EncodeColumn = 4;
    static constexpr int NameColumn = 20; // reserved: nothing is shown or stored
    static constexpr int TextDeleteChannel = 110;
    static constexpr int TextDeleteAllChannels = 112;

    // The background of the clicked row and of the tone list, and the grid's selection.
    static QColor highlightColor() { return QColor(194, 121, 240); }
    static QColor selectionColor() { return QColor(255, 0, 255); }

    // What a view does after a click.
    struct ClickResult {
        enum Action {
            Nothing,      // locked, or not a cell
            EditCell,     // start editing `cell` (which may differ from the clicked one)
            OpenToneList, // open the tone list over `cell`, showing `toneText`
            SelectCell,   // make `cell` the current cell
        };
        Action action = Nothing;
        QModelIndex cell;
        QString toneText;
    };

    explicit ChannelTableModel(ChannelTableSources sources, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // The end of an edit. Frequency columns take the typed text (not a number: the
    // frequency is removed), tone columns the text of the tone list, option columns the
    // option's position (int) or its text. False when the edit may not start (canEdit)
    // or the option is not in the list.
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

    QModelIndex cell(int channel, int column) const;
    static int channelOf(const QModelIndex& index) { return index.row() + 1; }
    static int columnOf(const QModelIndex& index) { return index.column() + 1; }
    // The caption over the channel numbers.
    QString cornerCaption() const;
    QString rowLabel(int channel) const;
    QString cellText(int channel, int column) const;
    EditorKind editorKind(int column) const;
    QStringList optionList(int column) const;

    const ChannelTable& table() const { return m_table; }

    // The channel lock: while locked nothing changes and nothing is editable. Locking
    // stores a tone still being chosen first, as the tone list loses the focus.
    void setLocked(bool locked);
    bool isLocked() const { return m_locked; }

    // Whether an edit of the cell may start (the grid's before-edit rules).
    bool canEdit(int channel, int column) const;
    ClickResult click(const QModelIndex& index);
    // False when nothing was done (locked, not a cell, an empty channel, column 1, ...).
    bool doubleClick(const QModelIndex& index);
    // The highlighted (last clicked) channel, 0 when none.
    int highlightedChannel() const { return m_highlighted; }

    bool hasPendingTone() const { return m_pending.column != 0; }
    QModelIndex pendingToneCell() const;
    // The text the tone list shows now (the delegate reports typing); changes no data.
    void setPendingToneText(const QString& text);
    // Leaving the tone list: stores its text into the pending cell. False when none is pending.
    bool storePendingTone();
    bool storePendingTone(const QString& text);
    // The tone list closed without choosing (Escape): the pending tone is dropped unstored.
    void cancelPendingTone() { m_pending = {}; }

    // The pop-up menu of the grid.
    QString deleteChannelCaption(int channel) const;
    QString deleteAllChannelsCaption() const;
    bool canDeleteChannel(int channel) const;
    bool canDeleteAllChannels() const { return !m_locked; }
    bool deleteChannel(int channel);
    bool deleteAllChannels();

    // Decodes every channel from the image and resets the views (after the image was replaced).
    void reloadFromImage();
    // Encodes every channel into the image (before a save or a write).
    void encodeIntoImage();
    // Replaces the table (an undo or redo) and resets the views.
    void restoreTable(const ChannelTable& table);

    // What an edit of a cell is called in the undo history: the channel and the column's
    // caption ("channel 2 Bandwidth").
    QString cellEditText(int channel, int column) const;

Q_SIGNALS:
    void userEditStarted(const QString& mergeKey, const QString& undoText);
    void userEditFinished();
    // After an edit the grid moves its current cell.
    void currentCellRequested(const QModelIndex& cell);
    // The channel lock was switched; the grid disables itself while locked.
    void lockChanged(bool locked);

private:
    class Mutation;
    struct PendingTone {
        int channel = 0;
        int column = 0;
        QString text;
    };

    static QString cellKey(int channel, int column);
    bool isCell(int channel, int column) const;
    bool isOptionCell(int column) const;
    QColor bandColor(qint32 frequency) const;
    QVariant editValue(int channel, int column) const;
    bool rowIsComplete(int channel) const;
    int optionPosition(int column, const QVariant& value) const;

    void typeFrequency(int channel, int column, const QString& text);
    void chooseOption(int channel, int column, int position);
    void storeTone(int channel, int column, const QString& text);
    void removeChannel(int channel);
    void encodeIfComplete(int channel);
    void setHighlighted(int channel);
    void logOptionsWithoutText();

    ChannelTable& m_table;
    RadioImage& m_image;
    const RadioImage& m_templateFile;
    const ChannelTableDef& m_def;
    ChannelCodec& m_codec;
    const ToneCodec& m_tones;
    const InterfaceTexts& m_texts;
    const ExtraTexts& m_extraTexts;
    ErrorLog* m_log;
    std::function<band::Limits()> m_bandLimits;
    QColor m_outOfBandColor;
    QColor m_inBandColor;

    bool m_locked = false;
    int m_highlighted = 0;
    PendingTone m_pending;
};

} // namespace qrt::channels
