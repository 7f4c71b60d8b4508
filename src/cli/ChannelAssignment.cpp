#include "cli/ChannelAssignment.h"

#include "cli/StartedProgram.h"

#include <QRegularExpression>
#include <QTextStream>

namespace qrt::cli {

namespace {

using channels::ChannelTableModel;

// The lock refuses every edit of the data.
const QString LockedRefusal = QStringLiteral("the data is locked.");

// Column 1..4 by name, or a column number.
int columnOf(const QString& name) {
    static const QStringList names = {QStringLiteral("rx"), QStringLiteral("tx"), QStringLiteral("decode"),
                                      QStringLiteral("encode")};
    const qsizetype named = names.indexOf(name);
    if (named >= 0)
        return int(named) + 1;
    static const QRegularExpression number(QStringLiteral("^\\d{1,3}$"));
    return number.match(name).hasMatch() ? name.toInt() : -1;
}

} // namespace

std::optional<ChannelAssignment> parseChannelAssignment(const QString& argument, QString* error) {
    if (argument == QLatin1String("defaults"))
        return ChannelAssignment{ChannelAssignment::RestoreDefaults, argument, 0, 0, QString()};
    if (argument == QLatin1String("channels.delete-all"))
        return ChannelAssignment{ChannelAssignment::DeleteAllChannels, argument, 0, 0, QString()};

    static const QRegularExpression pattern(QStringLiteral("^ch(\\d{1,3})\\.([^=]*)(=(.*))?$"),
                                            QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch match = pattern.match(argument);
    if (!match.hasMatch()) {
        if (argument.startsWith(QLatin1String("channels.")) ||
            QRegularExpression(QStringLiteral("^ch\\d")).match(argument).hasMatch())
            *error = QStringLiteral("Not a channel assignment: ") + argument;
        return std::nullopt;
    }
    ChannelAssignment a{ChannelAssignment::TypeFrequency, argument, match.captured(1).toInt(), 0, match.captured(4)};
    const QString target = match.captured(2);
    const bool hasValue = match.hasCaptured(3);
    if (!hasValue && target == QLatin1String("delete")) {
        a.kind = ChannelAssignment::DeleteChannel;
        return a;
    }
    if (!hasValue && target.endsWith(QLatin1Char('!'))) {
        a.kind = ChannelAssignment::DoubleClick;
        a.column = columnOf(target.chopped(1));
    } else if (hasValue) {
        a.column = columnOf(target);
        a.kind = a.column <= ChannelTable::TxColumn            ? ChannelAssignment::TypeFrequency
                 : a.column <= ChannelTableModel::EncodeColumn ? ChannelAssignment::ChooseTone
                                                               : ChannelAssignment::ChooseOption;
        if (!target.isEmpty() && target.at(0).isDigit() && a.column >= ChannelTable::RxColumn &&
            a.column <= ChannelTableModel::EncodeColumn) {
            *error = argument + QStringLiteral(": columns 1 to 4 are set as rx, tx, decode and encode.");
            return std::nullopt;
        }
    }
    if (a.column < 0 || (!hasValue && a.kind != ChannelAssignment::DoubleClick)) {
        *error = QStringLiteral("Not a channel assignment: ") + argument +
                 QStringLiteral(" (chN.rx=, .tx=, .decode=, .encode=, .C=, .C!, .delete)");
        return std::nullopt;
    }
    return a;
}

ChannelAssigner::ChannelAssigner(StartedProgram& program, QTextStream& err)
    : m_program(program), m_err(err), m_model(program.document().channelModel()) {}

ChannelAssigner::Outcome ChannelAssigner::refuse(const ChannelAssignment& a, const QString& reason) {
    m_err << a.argument << ": " << reason << '\n';
    return Refused;
}

QString ChannelAssigner::editRefusal(int channel, int column) const {
    if (!m_model.table().isInUse(channel))
        return QStringLiteral("channel %1 is empty; the grid edits only its receive frequency.").arg(channel);
    if (column == ChannelTableModel::EncodeColumn && !m_model.table().hasTransmit(channel))
        return QStringLiteral("channel %1 has no transmit frequency, so it has no encode tone.").arg(channel);
    return QStringLiteral("the grid does not edit column %1.").arg(column);
}

ChannelAssigner::Outcome ChannelAssigner::apply(const ChannelAssignment& a) {
    switch (a.kind) {
    case ChannelAssignment::RestoreDefaults:
        return restoreDefaults(a);
    case ChannelAssignment::DeleteAllChannels:
        return m_model.deleteAll() ? Applied : refuse(a, LockedRefusal);
    default:
        break;
    }
    if (a.channel < 1 || a.channel > m_model.channelCount())
        return refuse(
            a, QStringLiteral("there is no channel %1 (channels 1 to %2).").arg(a.channel).arg(m_model.channelCount()));
    if (a.kind != ChannelAssignment::DeleteChannel && (a.column < 1 || a.column > m_model.columnCount()))
        return refuse(
            a, QStringLiteral("there is no column %1 (columns 1 to %2).").arg(a.column).arg(m_model.columnCount()));
    switch (a.kind) {
    case ChannelAssignment::TypeFrequency:
        if (!(a.column == ChannelTable::RxColumn ? m_model.setReceiveFrequency(a.channel, a.value)
                                                 : m_model.setTransmitFrequency(a.channel, a.value)))
            return refuse(a, editRefusal(a.channel, a.column));
        return Applied;
    case ChannelAssignment::ChooseTone:
        return chooseTone(a);
    case ChannelAssignment::ChooseOption:
        return chooseOption(a);
    case ChannelAssignment::DoubleClick:
        return quickChange(a);
    case ChannelAssignment::DeleteChannel:
        if (!m_model.deleteChannel(a.channel))
            return refuse(a, QStringLiteral("channel %1 is empty; \"%2\" is disabled for it.")
                                 .arg(a.channel)
                                 .arg(m_model.deleteChannelCaption(a.channel)));
        return Applied;
    default:
        return Refused;
    }
}

ChannelAssigner::Outcome ChannelAssigner::restoreDefaults(const ChannelAssignment& a) {
    if (m_program.document().isLocked())
        return refuse(a, LockedRefusal);
    // Restore Default Setting opens the factory data file as Open does.
    const Result result = m_program.document().restoreDefaults();
    if (!result.ok()) {
        m_err << m_program.context().text(result.message().value_or(textIdAt(0))) << " ("
              << m_program.context().appFile(AppContext::FactoryFileName) << ": " << result.reason() << ")\n";
        return FileFailed;
    }
    return Applied;
}

ChannelAssigner::Outcome ChannelAssigner::chooseTone(const ChannelAssignment& a) {
    if (!m_model.setTone(a.channel, a.column, a.value))
        return refuse(a, m_model.table().isInUse(a.channel)
                             ? QStringLiteral("channel %1 has no transmit frequency; a click on its encode tone "
                                              "selects the transmit cell and opens no tone list.")
                                   .arg(a.channel)
                             : QStringLiteral("channel %1 is empty; a click on its tone cell edits the receive "
                                              "frequency and opens no tone list.")
                                   .arg(a.channel));
    return Applied;
}

ChannelAssigner::Outcome ChannelAssigner::chooseOption(const ChannelAssignment& a) {
    if (m_model.columnKind(a.column) != ChannelTableModel::OptionColumn)
        return refuse(a, QStringLiteral("column %1 has no option list.").arg(a.column));
    if (!m_model.canEdit(a.channel, a.column))
        return refuse(a, editRefusal(a.channel, a.column));
    const int position = m_model.optionPosition(a.column, a.value);
    if (position < 0) {
        const QStringList options = m_model.optionList(a.column);
        return refuse(a, QStringLiteral("column %1 has no option \"%2\" (options 0 to %3: %4).")
                             .arg(a.column)
                             .arg(a.value)
                             .arg(options.size() - 1)
                             .arg(options.join(QStringLiteral(", "))));
    }
    m_model.chooseOption(a.channel, a.column, position);
    return Applied;
}

ChannelAssigner::Outcome ChannelAssigner::quickChange(const ChannelAssignment& a) {
    bool changed = false;
    switch (a.column) {
    case ChannelTable::RxColumn:
        break;
    case ChannelTable::TxColumn:
        changed = m_model.copyReceiveToTransmit(a.channel);
        break;
    case ChannelTableModel::DecodeColumn:
    case ChannelTableModel::EncodeColumn:
        changed = m_model.copyToneAcross(a.channel, a.column);
        break;
    default:
        changed = m_model.cycleOption(a.channel, a.column);
        break;
    }
    // A double-click the grid lets happen may still change nothing; that is no refusal.
    if (!changed)
        m_err << a.argument << ": the double-click changes nothing.\n";
    return Applied;
}

} // namespace qrt::cli
