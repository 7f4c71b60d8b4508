#include "document/DataComparison.h"

#include "core/ExtraTexts.h"
#include "core/InterfaceTexts.h"
#include "core/MemoryMap.h"
#include "options/SettingsMap.h"
#include "options/TwoToneTable.h"

namespace qrt {

namespace {

constexpr int TwoToneRecordSize = 8;

// Whether a settings field keeps any of its bytes at an address.
bool fieldHolds(const options::FieldDesc& f, int address) {
    using options::Encoding;
    const auto within = [address](int first, int count) { return address >= first && address < first + count; };
    switch (f.encoding) {
    case Encoding::DtmfText:
        return within(f.address, f.count);
    case Encoding::StunCode:
        return within(f.address, 8) || within(options::addr::StunTail, 2);
    case Encoding::Message:
        return within(f.address, 2 * f.count);
    case Encoding::ProgramCode:
        for (int k = 0; k < 3; ++k) {
            if (address == options::programCodeLow(k) || address == options::programCodeHigh(k))
                return true;
        }
        return false;
    case Encoding::TwoToneGrid:
        return within(f.address, options::TwoToneTable::Codes * TwoToneRecordSize);
    default:
        return address == f.address;
    }
}

} // namespace

QList<ByteDifference> compareBytes(const QByteArray& ours, const QByteArray& theirs, int first, int last,
                                   const SkippedPosition& skipped) {
    QList<ByteDifference> differences;
    const int end = qMin(last, int(qMax(ours.size(), theirs.size())) - 1);
    for (int position = qMax(first, 0); position <= end; ++position) {
        const int a = position < ours.size() ? quint8(ours.at(position)) : -1;
        const int b = position < theirs.size() ? quint8(theirs.at(position)) : -1;
        if (a != b && !(skipped && skipped(position)))
            differences.append({position, a, b});
    }
    return differences;
}

QStringList optionCaptionsAt(int address, const InterfaceTexts& texts) {
    QStringList captions;
    for (const options::FieldDesc& f : options::settingsFields()) {
        if (f.caption < 0 || !fieldHolds(f, address))
            continue;
        const QString caption = texts.text(textIdAt(f.caption)).trimmed();
        if (!caption.isEmpty() && !captions.contains(caption))
            captions.append(caption);
    }
    return captions;
}

QString placeInWords(int address, const InterfaceTexts& texts, const ExtraTexts& extra) {
    const AddressPart part = addressPart(address);
    const QString name = extra.text(QStringLiteral("compare.part.") + QLatin1String(part.part));
    if (part.channel > 0)
        return extra.text(QStringLiteral("compare.channelPlace")).arg(part.channel).arg(name);
    const QStringList captions = optionCaptionsAt(address, texts);
    if (captions.isEmpty())
        return name;
    return extra.text(QStringLiteral("compare.optionPlace")).arg(name, captions.join(QStringLiteral(", ")));
}

QString differenceByteText(int value) {
    if (value < 0)
        return QStringLiteral("--");
    return QStringLiteral("%1").arg(value, 2, 16, QLatin1Char('0')).toUpper();
}

QList<ComparisonRow> comparisonRows(const QList<ByteDifference>& differences, const InterfaceTexts& texts,
                                    const ExtraTexts& extra) {
    QList<ComparisonRow> rows;
    rows.reserve(differences.size());
    for (const ByteDifference& d : differences) {
        rows.append({QStringLiteral("%1  ").arg(d.position, 4, 16, QLatin1Char('0')).toUpper() +
                         placeInWords(d.position, texts, extra),
                     differenceByteText(d.ours), differenceByteText(d.theirs)});
    }
    return rows;
}

} // namespace qrt
