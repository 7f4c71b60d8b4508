#pragma once

#include "TestSupport.h"
#include "channels/ChannelImport.h"
#include "channels/FrequencyEntry.h"
#include "core/AppContext.h"
#include "core/MemoryLayout.h"
#include "document/Document.h"
#include "document/ProgramStartup.h"

#include <QRandomGenerator>

#include <memory>

namespace qrt::test {

// The program started in a temporary application folder (English unless told), with the
// factory data opened, for reading and writing channel lists.
struct ListDocument {
    explicit ListDocument(Language language = Language::English) {
        context = std::make_unique<AppContext>(dir.path());
        document = startProgram(*context, language);
        document->openFile(dir.filePath(AppContext::FactoryFileName));
    }
    channels::ChannelTableModel& model() { return document->channelModel(); }
    channels::ImportTarget target() { return channels::ImportTarget::of(model(), *context); }
    bool import(const channels::ChannelImport& list) {
        return channels::applyImport(list, model(), QStringLiteral("Import channels"));
    }
    // The bytes a save would write: the table encoded into the image.
    QByteArray savedBytes() {
        document->encodeChannels();
        return document->image().bytes();
    }
    // The records of the channels in use, after the numbers of those channels (an empty
    // channel's record keeps options the grid does not show).
    QByteArray usedRecords() {
        const QByteArray bytes = savedBytes();
        QByteArray used;
        for (int n = 1; n <= ChannelTable::Rows; ++n) {
            if (model().table().isInUse(n))
                used += char(n) + bytes.mid(ChannelTable::recordAddress(n), ChannelTable::RecordSize);
        }
        return used;
    }
    // The image without the channel records and the channel flags.
    QByteArray bytesBesideChannels() {
        QByteArray bytes = savedBytes();
        for (int n = 1; n <= ChannelTable::Rows; ++n)
            bytes.replace(ChannelTable::recordAddress(n), ChannelTable::RecordSize,
                          QByteArray(ChannelTable::RecordSize, '\0'));
        bytes.replace(ChannelTable::FlagBitmapAddress, 2, QByteArray(2, '\0'));
        return bytes;
    }

    // Fills the channels through the grid's edits with random values: some channels
    // empty, some without transmit frequency, any tone of the list, any option.
    void randomChannels(quint32 seed) {
        QRandomGenerator random(seed);
        channels::ChannelTableModel& m = model();
        const band::Limits band = m.bandLimits();
        const auto frequency = [&] {
            const int step = random.bounded(2) ? 500 : 625;
            return qint32(random.bounded(band.min / step + 1, band.max / step) * step);
        };
        const QStringList tones = m.optionList(channels::ChannelTableModel::DecodeColumn);
        for (int n = 1; n <= m.channelCount(); ++n) {
            m.deleteChannel(n);
            if (random.bounded(5) == 0)
                continue;
            m.setReceiveFrequency(n, channels::frequencyCellText(frequency()));
            const int transmit = random.bounded(3);
            m.setTransmitFrequency(n, transmit == 0 ? QString() : channels::frequencyCellText(frequency()));
            m.setTone(n, channels::ChannelTableModel::DecodeColumn, tones.at(random.bounded(int(tones.size()))));
            m.setTone(n, channels::ChannelTableModel::EncodeColumn, tones.at(random.bounded(int(tones.size()))));
            for (int c = ChannelTable::FirstOptionColumn; c <= m.columnCount(); ++c) {
                if (m.columnKind(c) == channels::ChannelTableModel::OptionColumn)
                    m.chooseOption(n, c, random.bounded(int(m.optionList(c).size())));
            }
        }
    }

    TempAppDir dir;
    std::unique_ptr<AppContext> context;
    std::unique_ptr<Document> document;
};

} // namespace qrt::test
