#pragma once

// Reading a channel list of any content against the factory data, as File -> Import does:
// a list that reads without errors must apply, one with errors must change nothing.
#include "FuzzAppFolder.h"

#include "channels/ChannelImport.h"
#include "cli/StartedProgram.h"

#include <QTextStream>

#include <cstdlib>
#include <functional>

namespace qrt::fuzz {

using ListReader = std::function<channels::ChannelImport(const QByteArray&, const channels::ImportTarget&)>;

class ChannelImportRun {
public:
    ChannelImportRun() : m_err(&m_messages), m_program(appFolder().path(), Language::English, m_err) {}

    // The factory data's channel table, opened again only after a run that changed it.
    channels::ChannelTableModel& freshTable() {
        if (m_changed && !m_program.open(appFolder().filePath(QStringLiteral("DefRadioSet.def"))))
            std::abort();
        m_changed = false;
        return m_program.document().channelModel();
    }

    channels::ImportTarget target() {
        return channels::ImportTarget::of(m_program.document().channelModel(), m_program.context());
    }

    // Reads the bytes with `read` and applies what was read; the table as it was before when
    // the list has errors. True when the list was applied.
    bool importInto(channels::ChannelTableModel& table, const QByteArray& bytes, const ListReader& read) {
        const channels::ChannelImport list = read(bytes, target());
        const QList<QStringList> before = cells(table);
        const bool applied = channels::applyImport(list, table, QStringLiteral("Import"));
        if (applied != list.ok())
            std::abort();
        if (!applied && cells(table) != before)
            std::abort();
        m_changed = m_changed || applied;
        m_err.flush();
        m_messages.clear();
        return applied;
    }

    static QList<QStringList> cells(const channels::ChannelTableModel& table) {
        QList<QStringList> rows;
        for (int row = 1; row <= table.channelCount(); ++row) {
            QStringList cells;
            for (int column = 1; column <= table.columnCount(); ++column)
                cells << table.cellText(row, column);
            rows << cells;
        }
        return rows;
    }

private:
    QString m_messages;
    QTextStream m_err;
    cli::StartedProgram m_program;
    bool m_changed = true;
};

} // namespace qrt::fuzz
