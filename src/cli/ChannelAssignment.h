#pragma once

#include "channels/ChannelTableModel.h"

#include <QString>

#include <optional>

class QTextStream;

namespace qrt::cli {

class StartedProgram;

// One change of the channel table as the command line states it:
//   chN.rx=TEXT, chN.tx=TEXT          type TEXT into the receive or transmit cell (empty clears it)
//   chN.decode=TEXT, chN.encode=TEXT  choose or type TEXT in the tone list of the tone cell
//   chN.C=VALUE                       choose an option of column C by its text, #n or n
//   chN.C!                            what a double-click on cell (N, C) does: an empty transmit
//                                     takes the receive frequency, a tone cell the other tone,
//                                     an option column steps; C may also be rx, tx, decode, encode
//   chN.delete, channels.delete-all   the pop-up menu's delete commands
//   defaults                          Restore Default Setting
struct ChannelAssignment {
    enum Kind {
        TypeFrequency,
        ChooseTone,
        ChooseOption,
        DoubleClick,
        DeleteChannel,
        DeleteAllChannels,
        RestoreDefaults
    };
    Kind kind = TypeFrequency;
    QString argument; // as given
    int channel = 0;
    int column = 0;
    QString value;
};

// Reads a command-line argument as a channel assignment. nullopt when it is none (then it
// is an option's NAME=VALUE); nullopt with a message in error when it looks like one but
// cannot be read.
std::optional<ChannelAssignment> parseChannelAssignment(const QString& argument, QString* error);

// Applies channel assignments to the opened data through the channel table's named edits,
// as a user makes them in the grid. What the grid would not allow is refused with a message.
class ChannelAssigner {
public:
    enum Outcome { Applied, Refused, FileFailed };

    ChannelAssigner(StartedProgram& program, QTextStream& err);
    Outcome apply(const ChannelAssignment& assignment);

private:
    Outcome refuse(const ChannelAssignment& assignment, const QString& reason);
    QString editRefusal(int channel, int column) const;
    Outcome restoreDefaults(const ChannelAssignment& a);
    Outcome chooseTone(const ChannelAssignment& a);
    Outcome chooseOption(const ChannelAssignment& a);
    Outcome quickChange(const ChannelAssignment& a);

    StartedProgram& m_program;
    QTextStream& m_err;
    channels::ChannelTableModel& m_model;
};

} // namespace qrt::cli
