#include "core/ProgramSettings.h"

#include "core/InterfaceLockSetting.h"
#include "core/SettingsFile.h"

namespace qrt {

namespace {

bool parseInt(const QString& text, qint64* value) {
    bool ok = false;
    const qint64 v = text.trimmed().toLongLong(&ok, 10);
    if (ok)
        *value = v;
    return ok;
}

QString readSetting(const SettingsFile& file, const QString& name, const QString& def, int width) {
    return file.read(key::SettingSection, name, def, width);
}

void readAddress(const SettingsFile& file, const QString& name, const QString& def, QString* text, int* value) {
    const QString t = readSetting(file, name, def, 15);
    int v = 0;
    if (ProgramSettings::parseHexAddress(t, &v)) {
        *text = t;
        *value = v;
    } else {
        *text = def;
        ProgramSettings::parseHexAddress(def, value);
    }
}

int readColor(const SettingsFile& file, const QString& name, int def) {
    qint64 v = 0;
    if (parseInt(readSetting(file, name, QString::number(def), 30), &v) && v >= 0 && v <= 0xFFFFFF)
        return int(v);
    return def;
}

} // namespace

Language ProgramSettings::normalizeLanguage(const QString& text) {
    qint64 v = 0;
    if (parseInt(text, &v))
        return languageFromNumber(v).value_or(Language::English);
    return Language::English;
}

bool ProgramSettings::parseHexAddress(const QString& text, int* value) {
    const QString t = text.trimmed();
    if (t.isEmpty() || t.size() > 8)
        return false;
    bool ok = false;
    const qint64 v = t.toLongLong(&ok, 16);
    if (!ok || v < 0 || v > 0xFFFF)
        return false;
    *value = int(v);
    return true;
}

ProgramSettings ProgramSettings::load(const SettingsFile& file) {
    ProgramSettings s;
    s.language = normalizeLanguage(readSetting(file, QStringLiteral("Language"), QStringLiteral("2"), 9));

    qint64 v = 0;
    if (parseInt(readSetting(file, QStringLiteral("COM"), QStringLiteral("1"), 9), &v) && v >= 1 && v <= 16)
        s.portNumber = int(v);

    s.imageLastAddress = MinImageLastAddress;
    if (parseInt(readSetting(file, QStringLiteral("DatNum"), QStringLiteral("0"), 9), &v))
        s.imageLastAddress = int(qBound(qint64(MinImageLastAddress), v, qint64(MaxImageLastAddress)));

    s.engFont = readSetting(file, QStringLiteral("EngFont"), QStringLiteral("Times New Roman"), 30);
    s.chsFont = readSetting(file, QStringLiteral("ChsFont"), QStringLiteral("宋体"), 30);
    s.outOfBandColor = readColor(file, QStringLiteral("OverColor"), DefaultOutOfBandColor);
    s.inBandColor = readColor(file, QStringLiteral("DefColor"), DefaultInBandColor);

    readAddress(file, QStringLiteral("TableMaxAddr"), QStringLiteral("1FFF"), &s.tableMaxAddrText, &s.tableMaxAddr);
    readAddress(file, QStringLiteral("ReadStartAddr"), QStringLiteral("0000"), &s.readStartAddrText, &s.readStartAddr);
    readAddress(file, QStringLiteral("ReadEndAddr"), QStringLiteral("1FFF"), &s.readEndAddrText, &s.readEndAddr);
    readAddress(file, QStringLiteral("WriteStartAddr"), QStringLiteral("0000"), &s.writeStartAddrText,
                &s.writeStartAddr);
    readAddress(file, QStringLiteral("WriteEndAddr"), QStringLiteral("1FFF"), &s.writeEndAddrText, &s.writeEndAddr);

    s.interfaceLockState = readSetting(file, interfacelock::Key, interfacelock::UnlockedState, 15);
    return s;
}

bool verifyAfterWrite(const SettingsFile& file) {
    return file.read(key::VerifySection, key::VerifyAfterWriteKey, QStringLiteral("1"), 9).trimmed() !=
           QLatin1String("0");
}

Result setVerifyAfterWrite(SettingsFile& file, bool on) {
    return file.write(key::VerifySection, key::VerifyAfterWriteKey, on ? QStringLiteral("1") : QStringLiteral("0"));
}

} // namespace qrt
