#pragma once

#include "channels/ChannelTableSources.h"
#include "core/ChannelCodec.h"

#include <QColor>
#include <QObject>

#include <functional>

namespace qrt::channels {

// The channel table with its editing rules: one named edit per thing a user can do to
// it, each carrying the rules of the grid (snapping and band limits of frequencies, the
// tone forms, what a new or emptied channel gets, encoding a row once it is complete)
// and refusing while the channel lock is on. Channels are numbered from 1, columns as the
// table's: 1 receive, 2 transmit, 3 decode tone, 4 encode tone, then the option columns.
//
// Around each edit that may change data it emits userEditStarted() and
// userEditFinished(), so that the owner can record one undo step; refreshes
// (reloadFromImage, restoreTable, encodeIntoImage) emit no such pair. Nested edits emit
// nested pairs; the outermost pair is the edit.
//
// The grid shows it through ChannelGridModel; how clicks and keys map onto the edits is
// the grid's business.
class ChannelTableModel : public QObject {
    Q_OBJECT
public:
    // How the cells of a column are edited.
    enum ColumnKind {
        PlainColumn,     // not edited (the reserved name column)
        FrequencyColumn, // typed
        ToneColumn,      // chosen in the tone list, or typed in a free form
        OptionColumn,    // one of the column's options
    };
    Q_ENUM(ColumnKind)

    static constexpr int DecodeColumn = 3;
    static constexpr int EncodeColumn = 4;
    static constexpr int NameColumn = 20; // reserved: nothing is shown or stored

    explicit ChannelTableModel(ChannelTableSources sources, QObject* parent = nullptr);

    int channelCount() const;
    int columnCount() const;
    bool isCell(int channel, int column) const;
    // The caption over the channel numbers, a column's caption and a row's label.
    QString cornerCaption() const;
    QString columnCaption(int column) const;
    QString rowLabel(int channel) const;
    // What the cell shows: empty for an empty channel, a transmit-less encode tone and
    // the name column.
    QString cellText(int channel, int column) const;
    // The frequency cell's colour: the settings' out-of-band colour outside the band.
    QColor frequencyColor(int channel, int column) const;
    ColumnKind columnKind(int column) const;
    // The tone list of a tone column, the options of an option column; else empty.
    QStringList optionList(int column) const;
    // The position of an option given by its text, or by its position as `#n` or `n`; -1
    // when the column has no such option.
    int optionPosition(int column, const QString& text) const;
    // The settings file's width of a column (0 the number column) and the row height, in twips.
    int columnWidthTwips(int column) const;
    int rowHeightTwips() const;

    const ChannelTable& table() const { return m_table; }
    band::Limits bandLimits() const { return m_bandLimits(); }
    const ExtraTexts& extraTexts() const { return m_extraTexts; }

    // The channel lock: while locked nothing changes and nothing is editable. Before it
    // locks, aboutToLock() lets a view store what the user was choosing.
    void setLocked(bool locked);
    bool isLocked() const { return m_locked; }

    // Whether the grid lets the cell be edited: an empty channel only in its receive
    // frequency, a channel without transmit frequency not in its encode tone.
    bool canEdit(int channel, int column) const;

    // ---- the named edits; each is false, with nothing changed, when it may not be done ----

    // A frequency typed into the receive cell. A number is snapped to the raster and pulled
    // into the band; an empty channel so created gets no tones, the same transmit
    // frequency and the default options. Any other text (also none) removes the channel.
    bool setReceiveFrequency(int channel, const QString& typed);
    // A frequency typed into the transmit cell; any text that is not a number removes the
    // transmit frequency and the encode tone.
    bool setTransmitFrequency(int channel, const QString& typed);
    // A tone chosen or typed in the tone list of a tone column: brought to a tone form, or
    // the none text when unreadable. A decode tone is given to the encode tone too.
    bool setTone(int channel, int column, const QString& typed);
    // An option of an option column chosen by its position.
    bool chooseOption(int channel, int column, int position);
    // The next option of the column, after the last the first.
    bool cycleOption(int channel, int column);
    // A channel without transmit frequency gets the receive frequency and the decode tone.
    bool copyReceiveToTransmit(int channel);
    // The tone of the other tone column copied into `toColumn` (a channel with transmit).
    bool copyToneAcross(int channel, int toColumn);
    // The pop-up menu's deletes: the channel's record back to the template's, its row
    // emptied (its options are kept for the next encoding).
    bool deleteChannel(int channel);
    bool deleteAll();
    // Several named edits as one: `edits` is first tried on a copy of the table and image,
    // and only when it succeeds there is it run on this table, as one undo step called
    // undoText. False, with nothing changed, when it fails on the copy or the lock is on.
    // The current cell stays where it is.
    bool applyAsOneEdit(const QString& undoText, const std::function<bool(ChannelTableModel&)>& edits);

    // The pop-up menu of the grid.
    QString deleteChannelCaption(int channel) const;
    QString deleteAllChannelsCaption() const;
    bool canDeleteChannel(int channel) const;
    bool canDeleteAllChannels() const { return !m_locked; }

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
    // The cells of one channel changed.
    void channelChanged(int channel);
    // The whole table is about to be replaced / was replaced (new data, an undo).
    void aboutToReplaceTable();
    void tableReplaced();
    // After tableReplaced(): the table was decoded from a replaced image.
    void reloadedFromImage();
    // After a typed frequency the grid moves its current cell here.
    void cellAfterEditRequested(int channel, int column);
    void aboutToLock();
    // The channel lock was switched; the grid disables itself while locked.
    void lockChanged(bool locked);

private:
    class Mutation;

    static QString cellKey(int channel, int column);
    bool rowIsComplete(int channel) const;
    bool setFrequency(int channel, int column, const QString& typed);
    void removeChannel(int channel);
    void encodeIfComplete(int channel);
    void requestCellAfterEdit(int channel, int column);
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
    int m_compoundEdits = 0; // applyAsOneEdit in progress
};

} // namespace qrt::channels
