// The files shipped beside the program: the settings file with its channel table
// definitions, the template of new data and the factory settings.

#include "TestSupport.h"
#include "core/ChannelCodec.h"
#include "core/ChannelTableDef.h"
#include "core/DataFile.h"
#include "core/ErrorLog.h"
#include "core/ProgramSettings.h"
#include "core/RadioImage.h"
#include "core/SettingsFile.h"
#include "core/ToneCodec.h"

#include <QDir>
#include <QFile>
#include <QStringDecoder>
#include <QTest>

using namespace qrt;

namespace {

constexpr int ImageSize = 8192;
constexpr int OptionColumnCount = 13;
constexpr int ChannelCount = 16;

QString appFile(const QString& name) {
    return QDir(test::builtAppDir()).filePath(name);
}

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

RadioImage loadImage(const QByteArray& fileBytes) {
    RadioImage image(ImageSize);
    datafile::loadIntoImage(fileBytes, image);
    return image;
}

// Frequency of four BCD bytes, least significant first, in 10 Hz units; -1 when a nibble is not a digit.
int bcdFrequency(const RadioImage& image, int address) {
    int value = 0;
    for (int i = 3; i >= 0; --i) {
        const int b = image.at(address + i);
        if ((b >> 4) > 9 || (b & 0x0F) > 9)
            return -1;
        value = value * 100 + (b >> 4) * 10 + (b & 0x0F);
    }
    return value;
}

bool inUse(quint8 highFrequencyByte) {
    return highFrequencyByte >= 0x01 && highFrequencyByte <= 0x99;
}

// Values a channel option column can take, from the bits the channel record gives it.
int optionCapacity(int column) {
    switch (column) {
    case 8:
    case 11:
        return 3;
    case 10:
        return 4;
    case 12:
        return 8;
    default:
        return 2;
    }
}

} // namespace

class TstShippedFiles : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();

    void shippedCopiesMatchTheSourceTree_data();
    void shippedCopiesMatchTheSourceTree();

    void dataFileLayout_data();
    void dataFileLayout();
    void templateChannelsAreEmptyAndAlike();
    void factoryChannelsLieInTheDefaultBand();
    void factoryChannelsSurviveDecodeAndEncode();

    void settingKeys_data();
    void settingKeys();
    void settingsFileIsUtf8WithCrlf();
    void programSettingsFromTheShippedFile();

    void channelTable_data();
    void channelTable();
    void channelTableLanguagesAgree();
};

void TstShippedFiles::initTestCase() {
    QVERIFY2(!test::builtAppDir().isEmpty(), "QRT_APP_DIR is not set");
    QVERIFY2(!test::sourceDir().isEmpty(), "QRT_SOURCE_DIR is not set");
}

void TstShippedFiles::shippedCopiesMatchTheSourceTree_data() {
    QTest::addColumn<QString>("name");
    for (const char* name : {"holvard.def", "dhcpqec.def", "DefRadioSet.def"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void TstShippedFiles::shippedCopiesMatchTheSourceTree() {
    QFETCH(QString, name);
    const QByteArray shipped = readAll(appFile(name));
    QVERIFY2(!shipped.isEmpty(), qPrintable(name + " is missing from the application folder"));
    QCOMPARE(shipped, readAll(QDir(test::sourceDir()).filePath(QStringLiteral("data/") + name)));
}

void TstShippedFiles::dataFileLayout_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("template") << QStringLiteral("dhcpqec.def");
    QTest::newRow("factory settings") << QStringLiteral("DefRadioSet.def");
}

void TstShippedFiles::dataFileLayout() {
    QFETCH(QString, name);
    const QByteArray bytes = readAll(appFile(name));
    QCOMPARE(bytes.size(), datafile::FileSize);
    QCOMPARE(bytes.left(6), datafile::HeaderText);
    QCOMPARE(bytes.mid(16, 16), QByteArray(16, '\xFF'));

    const RadioImage image = loadImage(bytes);
    QCOMPARE(image.mid(0x1B8, 8), QByteArrayLiteral("T49516\xF8\xFF"));
    QCOMPARE(image.at(0x379), quint8(0)); // the only model
    QCOMPARE(image.mid(0x37A, 4), QByteArrayLiteral("\x40\x00\x47\x00"));
    // The radio declares the standard command set and holds no program code.
    QCOMPARE(image.mid(0x388, 3), QByteArrayLiteral("\x5A\x52\x57"));
    QCOMPARE(image.mid(0x385, 3) + image.mid(0x38B, 3), QByteArray(6, '\xFF'));
    // VOX compare values: marked valid, within 0..180 and not restored on display.
    QCOMPARE(image.at(0x19E), quint8(0x5A));
    for (int level = 1; level <= 10; ++level)
        QVERIFY2(image.at(0x193 + level) <= 180, qPrintable(QStringLiteral("VOX level %1").arg(level)));
    QVERIFY(image.at(0x194) >= 20);
}

void TstShippedFiles::templateChannelsAreEmptyAndAlike() {
    // A deleted channel gets its record back from the template, and an empty channel's option
    // columns show their defaults: every record is empty (no frequency, no tone) with option
    // bytes that the defaults encode to, so no PTT ID pause flag is set.
    const QByteArray bytes = readAll(appFile(QStringLiteral("dhcpqec.def")));
    QCOMPARE(bytes.size(), datafile::FileSize);
    const QByteArray empty = QByteArray(12, '\xFF') + QByteArray(4, '\0');
    for (int n = 1; n <= ChannelCount; ++n) {
        const int offset = 0x10 * n + 16; // radio address 0x10 * n
        QVERIFY2(bytes.mid(offset, 16) == empty, qPrintable(QStringLiteral("channel %1").arg(n)));
    }
}

void TstShippedFiles::factoryChannelsLieInTheDefaultBand() {
    const RadioImage image = loadImage(readAll(appFile(QStringLiteral("DefRadioSet.def"))));
    int used = 0;
    for (int n = 1; n <= ChannelCount; ++n) {
        const int record = 0x10 * n;
        if (!inUse(image.at(record + 3)))
            continue;
        ++used;
        const QString where = QStringLiteral("channel %1").arg(n);
        const int rx = bcdFrequency(image, record);
        QVERIFY2(rx >= 40000000 && rx <= 47000000, qPrintable(where));
        if (inUse(image.at(record + 7))) {
            const int tx = bcdFrequency(image, record + 4);
            QVERIFY2(tx >= 40000000 && tx <= 47000000, qPrintable(where));
        }
    }
    QVERIFY(used > 0);
}

void TstShippedFiles::factoryChannelsSurviveDecodeAndEncode() {
    // Opening the factory settings and saving them unchanged must keep the records of the
    // channels in use byte for byte, with tones from the tone list.
    ErrorLog log;
    const ChannelTableDef def =
        ChannelTableDef::read(SettingsFile(appFile(QStringLiteral("holvard.def"))), Language::English, &log);
    const ToneCodec tones(Language::English, &log);
    ChannelCodec codec(tones, &log);
    const RadioImage original = loadImage(readAll(appFile(QStringLiteral("DefRadioSet.def"))));

    ChannelTable table;
    codec.decodeAll(original, def, table);
    RadioImage encoded = original;
    codec.encodeAll(table, def, encoded);
    QCOMPARE(log.count(), 0);

    for (int n = 1; n <= ChannelCount; ++n) {
        if (!table.isInUse(n))
            continue;
        const QString where = QStringLiteral("channel %1").arg(n);
        const int record = ChannelTable::recordAddress(n);
        QVERIFY2(encoded.mid(record, 16) == original.mid(record, 16), qPrintable(where));
        QVERIFY2(tones.toneList().contains(table.decodeTone(n)), qPrintable(where));
        QVERIFY2(tones.toneList().contains(table.encodeTone(n)), qPrintable(where));
    }
    QCOMPARE(encoded.mid(ChannelTable::FlagBitmapAddress, 2), original.mid(ChannelTable::FlagBitmapAddress, 2));
}

void TstShippedFiles::settingKeys_data() {
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    const QList<std::pair<const char*, QString>> rows = {
        {"FirRun", QStringLiteral("1")},
        {"Language", QStringLiteral("2")},
        {"COM", QStringLiteral("1")},
        {"DatNum", QStringLiteral("8191")},
        {"EngFont", QStringLiteral("Times New Roman")},
        {"ChsFont", QStringLiteral("宋体")},
        {"OverColor", QStringLiteral("255")},
        {"DefColor", QStringLiteral("0")},
        {"TableMaxAddr", QStringLiteral("1FFF")},
        {"ReadStartAddr", QStringLiteral("0000")},
        {"ReadEndAddr", QStringLiteral("1FFF")},
        {"WriteStartAddr", QStringLiteral("0000")},
        {"WriteEndAddr", QStringLiteral("1FFF")},
        {"ChannelLock", QStringLiteral("ShowNo")},
    };
    for (const auto& [key, value] : rows)
        QTest::newRow(key) << QString::fromLatin1(key) << value;
}

void TstShippedFiles::settingKeys() {
    QFETCH(QString, key);
    QFETCH(QString, value);
    const SettingsFile file(appFile(QStringLiteral("holvard.def")));
    // Present in the file, not only a default of the reader.
    QVERIFY(file.contains(key::SettingSection, key));
    QCOMPARE(file.read(key::SettingSection, key, QStringLiteral("<missing>"), 30), value);
}

void TstShippedFiles::settingsFileIsUtf8WithCrlf() {
    const QByteArray bytes = readAll(appFile(QStringLiteral("holvard.def")));
    QVERIFY(!bytes.isEmpty());
    QVERIFY(bytes.endsWith("\r\n"));
    for (qsizetype i = bytes.indexOf('\n'); i >= 0; i = bytes.indexOf('\n', i + 1))
        QVERIFY2(i > 0 && bytes.at(i - 1) == '\r', qPrintable(QStringLiteral("bare line feed at byte %1").arg(i)));
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder.decode(bytes);
    QVERIFY(!decoder.hasError());
    QVERIFY(!text.startsWith(QChar(0xFEFF)));
}

void TstShippedFiles::programSettingsFromTheShippedFile() {
    const ProgramSettings s = ProgramSettings::load(SettingsFile(appFile(QStringLiteral("holvard.def"))));
    QCOMPARE(s.language, Language::TraditionalChinese);
    QCOMPARE(s.portNumber, 1);
    QCOMPARE(s.imageLastAddress, 8191);
    QCOMPARE(s.outOfBandColor, 255);
    QCOMPARE(s.inBandColor, 0);
    QCOMPARE(s.tableMaxAddr, 0x1FFF);
    QCOMPARE(s.readEndAddr, 0x1FFF);
    QCOMPARE(s.writeEndAddr, 0x1FFF);
    QVERIFY(!s.channelLocked());
}

void TstShippedFiles::channelTable_data() {
    QTest::addColumn<Language>("language");
    QTest::newRow("Simplified Chinese") << Language::SimplifiedChinese;
    QTest::newRow("Traditional Chinese") << Language::TraditionalChinese;
    QTest::newRow("English") << Language::English;
}

void TstShippedFiles::channelTable() {
    QFETCH(Language, language);
    const SettingsFile file(appFile(QStringLiteral("holvard.def")));
    ErrorLog log;
    const ChannelTableDef def = ChannelTableDef::read(file, language, &log);
    QCOMPARE(log.count(), 0);
    QCOMPARE(def.chCount, ChannelCount);
    QCOMPARE(def.colCount, OptionColumnCount);
    QVERIFY(def.rowHeight > 0);

    const QStringList captions = def.captions();
    QCOMPARE(captions.size(), OptionColumnCount + 1);
    for (const QString& caption : captions)
        QVERIFY(!caption.trimmed().isEmpty());
    QCOMPARE(def.colWidths.size(), OptionColumnCount + 1);
    for (int width : def.colWidths)
        QVERIFY(width > 0);

    const QStringList keys = {QStringLiteral("RxFre"), QStringLiteral("TxFre"), QStringLiteral("CtcssDcsDec"),
                              QStringLiteral("CtcssDcsEnc")};
    for (int c = 1; c <= 4; ++c) {
        QCOMPARE(def.columnKey(c), keys.at(c - 1));
        QVERIFY(!def.isOptionColumn(c));
    }

    for (int c = 5; c <= OptionColumnCount; ++c) {
        const QString where = QStringLiteral("column %1").arg(c);
        QVERIFY2(def.isOptionColumn(c), qPrintable(where));
        const QStringList texts = def.items.at(c).mid(3);
        QVERIFY2(def.optionCount(c) == texts.size(), qPrintable(where));
        QVERIFY2(texts.size() >= 2 && texts.size() <= optionCapacity(c), qPrintable(where));
        QVERIFY2(def.defaultValue(c) >= 0 && def.defaultValue(c) < texts.size(), qPrintable(where));
        QVERIFY2(def.columnKey(c) == texts.join(QLatin1Char('|')), qPrintable(where));
        for (const QString& text : texts)
            QVERIFY2(!text.isEmpty() && !text.contains(QLatin1Char('|')), qPrintable(where));
    }

    // Nothing was cut by the read widths: the values must keep their full length with room to spare.
    const int base = ChannelTableDef::languageBase(language);
    auto raw = [&](int number) { return file.read(key::ChInfoSection, QString::number(number), QString(), 100000); };
    QCOMPARE(def.formatString, raw(base + 3));
    QVERIFY(def.formatString.size() <= 198);
    for (int c = 1; c <= OptionColumnCount; ++c) {
        for (int k = 0; k < def.items.at(c).size(); ++k) {
            const QString value = raw(base + 200 + (c - 1) * 50 + k);
            QCOMPARE(def.items.at(c).at(k), value);
            QVERIFY(value.size() <= 98);
        }
    }
}

void TstShippedFiles::channelTableLanguagesAgree() {
    // A channel keeps its option values whatever the language; only the texts differ.
    const SettingsFile file(appFile(QStringLiteral("holvard.def")));
    ErrorLog log;
    const ChannelTableDef english = ChannelTableDef::read(file, Language::English, &log);
    for (Language language : {Language::SimplifiedChinese, Language::TraditionalChinese}) {
        const ChannelTableDef other = ChannelTableDef::read(file, language, &log);
        QCOMPARE(other.colCount, english.colCount);
        for (int c = 1; c <= english.colCount; ++c) {
            const QString where = QStringLiteral("language %1 column %2").arg(languageNumber(language)).arg(c);
            QVERIFY2(other.isOptionColumn(c) == english.isOptionColumn(c), qPrintable(where));
            QVERIFY2(other.optionCount(c) == english.optionCount(c), qPrintable(where));
            QVERIFY2(other.defaultValue(c) == english.defaultValue(c), qPrintable(where));
        }
    }
    QCOMPARE(log.count(), 0);
}

QTEST_GUILESS_MAIN(TstShippedFiles)
#include "tst_shipped_files.moc"
