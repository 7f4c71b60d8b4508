#pragma once

#include "channels/ChannelTableModel.h"
#include "core/Band.h"
#include "core/ChannelTableDef.h"

#include <QList>
#include <QStringList>

#include <array>
#include <optional>

namespace qrt {
class AppContext;
}

namespace qrt::channels {

// What a channel list is read against: the table's size, columns and band, the column
// captions and option texts of all three languages (a list may come from a user of
// another language; so may its none texts, see ToneCodec), and the texts of the messages.
struct ImportTarget {
    int channelCount = 0;
    int columnCount = 0;
    band::Limits band;
    QList<ChannelTableModel::ColumnKind> columnKinds; // index = column, 0 unused
    QList<ChannelTableDef> definitions;               // the interface language's first
    QString noneText;                                 // the interface language's
    const ExtraTexts* texts = nullptr;

    static ImportTarget of(const ChannelTableModel& model, AppContext& context);

    QString caption(int column) const { return definitions.first().captions().value(column); }
    // The column with this caption in any language; 0 for the channel number column, -1 for none.
    int columnOfCaption(const QString& caption) const;
    // The position of an option by its text in any language or as "#n"; -1 for none.
    int optionPosition(int column, const QString& text) const;
    QStringList options(int column) const;
};

// One channel as a list states it. What is not stated (a cell left empty, a column the
// list does not have) is left as the channel has it, as a cell nobody typed into.
struct ImportedChannel {
    int line = 0; // where the channel stands in the file
    int channel = 0;
    qint32 receive = ChannelTable::Empty; // Empty: the channel is deleted
    std::optional<qint32> transmit;       // Empty: no transmit frequency
    std::optional<QString> decodeTone;    // a tone form or the none text
    std::optional<QString> encodeTone;
    std::array<std::optional<int>, ChannelTable::Columns> options{}; // option positions by column
};

// A channel list read from a file. Any error and nothing is applied; notes tell what was
// left out on the way and do not stop the import.
struct ChannelImport {
    QList<ImportedChannel> channels;
    QStringList errors;
    QStringList notes;
    bool ok() const { return errors.isEmpty(); }
};

// Applies a list through the table's named edits, as a user typing it into the grid would,
// as one user edit called undoText. False with nothing changed when the list has errors
// or the table is locked.
bool applyImport(const ChannelImport& list, ChannelTableModel& model, const QString& undoText);

// The errors of a list for a message: at most `shown`, then how many more there are.
QString errorSummary(const ChannelImport& list, const ExtraTexts& texts, int shown = 20);

} // namespace qrt::channels
