#include "channels/ChannelImport.h"

#include "channels/FrequencyEntry.h"
#include "core/AppContext.h"

namespace qrt::channels {

namespace {

void applyChannel(const ImportedChannel& c, ChannelTableModel& model) {
    const ChannelTable& table = model.table();
    const int n = c.channel;
    if (c.receive == ChannelTable::Empty) {
        if (table.isInUse(n))
            model.deleteChannel(n);
        return;
    }
    if (!table.isInUse(n) || table.value(n, ChannelTable::RxColumn) != c.receive)
        model.setReceiveFrequency(n, frequencyCellText(c.receive));
    if (c.transmit && *c.transmit != table.value(n, ChannelTable::TxColumn))
        model.setTransmitFrequency(n, frequencyCellText(*c.transmit));
    if (c.decodeTone && *c.decodeTone != table.decodeTone(n))
        model.setTone(n, ChannelTableModel::DecodeColumn, *c.decodeTone);
    if (c.encodeTone && table.hasTransmit(n) && *c.encodeTone != table.encodeTone(n))
        model.setTone(n, ChannelTableModel::EncodeColumn, *c.encodeTone);
    for (int column = ChannelTable::FirstOptionColumn; column < ChannelTable::Columns; ++column) {
        const std::optional<int> position = c.options.at(column);
        if (position && *position != table.value(n, column))
            model.chooseOption(n, column, *position);
    }
}

} // namespace

ImportTarget ImportTarget::of(const ChannelTableModel& model, AppContext& context) {
    ImportTarget target;
    target.channelCount = model.channelCount();
    target.columnCount = model.columnCount();
    target.band = model.bandLimits();
    for (int column = 0; column <= target.columnCount; ++column)
        target.columnKinds << model.columnKind(column);
    target.definitions << context.channelDef();
    target.noneText = context.tones().noneText();
    for (const Language language : AllLanguages) {
        if (language == context.language())
            continue;
        target.definitions << ChannelTableDef::read(context.settings(), language, nullptr);
    }
    target.texts = &context.extraTexts();
    return target;
}

int ImportTarget::columnOfCaption(const QString& caption) const {
    for (const ChannelTableDef& def : definitions) {
        const qsizetype column = def.captions().indexOf(caption);
        if (column >= 0 && column <= columnCount)
            return int(column);
    }
    return -1;
}

QStringList ImportTarget::options(int column) const {
    return definitions.first().columnKey(column).split(u'|');
}

int ImportTarget::optionPosition(int column, const QString& text) const {
    const int count = int(options(column).size());
    for (const ChannelTableDef& def : definitions) {
        const qsizetype position = def.columnKey(column).split(u'|').indexOf(text);
        if (position >= 0 && position < count)
            return int(position);
    }
    bool ok = false;
    const int number = text.startsWith(u'#') ? text.mid(1).toInt(&ok) : -1;
    return ok && number >= 0 && number < count ? number : -1;
}

bool applyImport(const ChannelImport& list, ChannelTableModel& model, const QString& undoText) {
    if (!list.ok())
        return false;
    return model.applyAsOneEdit(undoText, [&](ChannelTableModel& target) {
        for (const ImportedChannel& channel : list.channels)
            applyChannel(channel, target);
        return true;
    });
}

QString errorSummary(const ChannelImport& list, const ExtraTexts& texts, int shown) {
    QStringList lines = list.errors.mid(0, shown);
    if (list.errors.size() > shown)
        lines << texts.text(QStringLiteral("csv.error.more")).arg(list.errors.size() - shown);
    return lines.join(u'\n');
}

} // namespace qrt::channels
