#include "core/ChannelTableDef.h"

#include "core/ErrorLog.h"
#include "core/ProgramSettings.h"
#include "core/SettingsFile.h"

namespace qrt {

namespace {

int toInt(const QString& text, int fallback) {
    bool ok = false;
    const int v = text.trimmed().toInt(&ok);
    return ok ? v : fallback;
}

} // namespace

QString ChannelTableDef::item(int c, int k) const {
    if (c < 0 || c >= items.size() || k < 0 || k >= items.at(c).size())
        return QStringLiteral("0");
    return items.at(c).at(k);
}

int ChannelTableDef::optionCount(int c) const {
    return toInt(item(c, 1), 0);
}

int ChannelTableDef::defaultValue(int c) const {
    return toInt(item(c, 2), 0);
}

bool ChannelTableDef::optionText(int c, int value, QString* text) const {
    if (c < 0 || c >= items.size() || value < 0 || value + 3 >= items.at(c).size())
        return false;
    *text = items.at(c).at(value + 3);
    return true;
}

bool ChannelTableDef::isOptionColumn(int c) const {
    static const QStringList fixedKeys = {QStringLiteral("RxFre"),       QStringLiteral("TxFre"),
                                          QStringLiteral("OFFSET"),      QStringLiteral("CHNAME"),
                                          QStringLiteral("CtcssDcsDec"), QStringLiteral("CtcssDcsEnc")};
    return !fixedKeys.contains(columnKey(c));
}

ChannelTableDef ChannelTableDef::read(const SettingsFile& file, Language language, ErrorLog* log) {
    ChannelTableDef def;
    const int base = languageBase(language);
    auto value = [&](int keyNumber, const QString& fallback, int width) {
        return file.read(key::ChInfoSection, QString::number(keyNumber), fallback, width);
    };

    def.chCount = qBound(0, toInt(value(base, QStringLiteral("16"), 5), 16), MaxChannels);
    def.rowHeight = qMax(0, toInt(value(base + 1, QStringLiteral("240"), 5), 240));
    def.colCount = qBound(0, toInt(value(base + 2, QStringLiteral("9"), 5), 9), MaxColumn);
    def.formatString = value(base + 3, QStringLiteral("0|0|0|0|0|0|0|0|0|0"), 200);

    for (int c = 0; c <= def.colCount; ++c)
        def.colWidths << qMax(0, toInt(value(base + 100 + c, QStringLiteral("1000"), 10), 1000));

    def.items.resize(def.colCount + 1);
    for (int c = 1; c <= def.colCount; ++c) {
        QStringList list;
        bool ended = false;
        for (int k = 0; k <= MaxItemIndex; ++k) {
            const QString text = value(base + 200 + (c - 1) * 50 + k, QStringLiteral("0"), 100);
            if (text == ItemEndMarker) {
                ended = true;
                break;
            }
            list << text;
        }
        def.items[c] = list;
        if (!ended) {
            // The columns read so far stay; the later ones keep empty item lists.
            if (log)
                log->logErr(QStringLiteral("modChMem->ReadChInfo"), err::IndexOutOfRange);
            break;
        }
    }
    return def;
}

} // namespace qrt
