#include "TestSupport.h"
#include "channels/ChannelTableModel.h"
#include "core/AppContext.h"
#include "core/DataFile.h"
#include "core/TextIndex.h"
#include "document/Document.h"
#include "document/RadioData.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

using namespace qrt;

namespace {

// A template whose every byte tells where it came from.
QByteArray patternedFile(int size = datafile::FileSize) {
    QByteArray bytes(size, '\0');
    for (int i = 0; i < size; ++i)
        bytes[i] = char((i * 7 + 3) & 0xFF);
    // Model 0 and the band 400 - 470 MHz, so a refresh keeps them.
    bytes[0x379 + 16] = 0;
    bytes.replace(0x37A + 16, 4, QByteArray::fromHex("40004700"));
    return bytes;
}

struct Started {
    explicit Started(const QByteArray& templateBytes = {}) {
        if (!templateBytes.isEmpty())
            dir.writeFile(AppContext::TemplateFileName, templateBytes);
        context = std::make_unique<AppContext>(dir.path());
        context->errorLog().subscribe([this](const QString&, const QString& detail) { logged << detail; });
        context->load(Language::English);
        document = std::make_unique<Document>(*context);
        document->startUp();
    }
    QString write(const QString& name, const QByteArray& bytes) {
        dir.writeFile(name, bytes);
        return dir.filePath(name);
    }
    // The image with these bytes at the address replaces the data, as a read of the radio does.
    void replaceImage(int address, const QByteArray& bytes) {
        QByteArray image = document->image().bytes();
        image.replace(address, bytes.size(), bytes);
        document->applyRadioRead(image);
    }

    test::TempAppDir dir;
    std::unique_ptr<AppContext> context;
    std::unique_ptr<Document> document;
    QStringList logged;
};

} // namespace

class TestDocumentData : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void startUpBuildsUntitledData();
    void templateTailAppearsTwice();
    void unreadableTemplateIsLogged_data();
    void unreadableTemplateIsLogged();
    void saveWritesFileLayoutAndKeepsImage();
    void saveAndReopenGivesSameData();
    void failedSaveIsReportedAndKeepsEarlierFile();
    void openAcceptsAnyFile_data();
    void openAcceptsAnyFile();
    void openFailureChangesNothing();
    void emptyFileNameFailsCleanly();
    void largeFileFillsOnlyTheImage();
    void deleteChannelRestoresTemplateRecord();
    void newDataKeepsModelAndBand();
    void identificationText_data();
    void identificationText();
    void bandFromImage_data();
    void bandFromImage();
    void modelFromImage();
    void customBand();
    void restoreDefaultsOpensFactoryFile();
    void unreadableFactoryFileIsRefused_data();
    void unreadableFactoryFileIsRefused();
};

void TestDocumentData::startUpBuildsUntitledData() {
    Started s;
    QVERIFY(s.dir.isValid());
    QCOMPARE(s.document->modelPosition(), 0);
    QCOMPARE(s.document->bandPosition(), 7);
    QCOMPARE(s.document->bandCaption(), QStringLiteral("400 - 470 MHz"));
    QCOMPARE(s.document->image().mid(0x379, 5), QByteArray::fromHex("0040004700"));
    QCOMPARE(s.document->currentFilePath(), QDir(s.dir.path()).filePath(QStringLiteral("Data/Untitled.dat")));
    QVERIFY(QFileInfo(s.dir.filePath(QStringLiteral("Data"))).isDir());
    QCOMPARE(s.logged, QStringList());
}

void TestDocumentData::templateTailAppearsTwice() {
    const QByteArray file = patternedFile();
    Started s(file);
    QCOMPARE(s.document->templateImage().mid(0, datafile::FileSize), file);
    // The template as loaded, before the settings' refresh repairs what this pattern holds
    // out of range.
    RadioData data(*s.context);
    QVERIFY(data.loadTemplate());
    const RadioImage& image = data.image;
    QCOMPARE(image.mid(0x010, 0x369), file.mid(0x020, 0x369)); // up to the model byte
    QCOMPARE(image.mid(1008, 16), file.mid(1024, 16));
    QCOMPARE(image.mid(1024, 16), file.mid(1024, 16));
    QCOMPARE(data.templateFile.mid(0, datafile::FileSize), file);
    // The document's channel records come from it unchanged.
    QCOMPARE(s.document->image().mid(0x010, 0x100), file.mid(0x020, 0x100));
}

void TestDocumentData::unreadableTemplateIsLogged_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("errNumber");
    QTest::newRow("missing") << "missing" << int(err::FileNotFound);
    // Opening a pipe would wait for a writer: every start would hang.
    QTest::newRow("pipe") << "pipe" << int(err::PathFileAccess);
    QTest::newRow("link to a device") << "device" << int(err::PathFileAccess);
}

void TestDocumentData::unreadableTemplateIsLogged() {
    QFETCH(QString, kind);
    QFETCH(int, errNumber);
    test::TempAppDir dir;
    QVERIFY(test::placeUnreadable(kind, dir.filePath(AppContext::TemplateFileName)));
    AppContext context(dir.path());
    context.load(Language::English);
    Document document(context);
    document.startUp();
    QCOMPARE(context.errorLog().lastTag(), QStringLiteral("mdifrmMain->InitTempArray"));
    QCOMPARE(context.errorLog().lastNumber(), errNumber);
    QCOMPARE(document.bandPosition(), 7);
}

void TestDocumentData::saveWritesFileLayoutAndKeepsImage() {
    Started s(patternedFile());
    QByteArray upper = s.document->image().bytes();
    upper.replace(0x400, 16, QByteArray(16, '\x5C')); // what a read of the radio's upper memory left
    s.document->applyRadioWrite(upper);
    s.document->encodeChannels();
    const RadioImage& image = s.document->image();
    const RadioImage before = image;
    const QString path = s.dir.filePath(QStringLiteral("out.dat"));
    QVERIFY(s.document->saveAs(path).ok());

    const QByteArray file = s.dir.readFile(QStringLiteral("out.dat"));
    QCOMPARE(file.size(), datafile::FileSize);
    QCOMPARE(file.left(6), QByteArray("KW5182"));
    QCOMPARE(file.mid(6, 10), before.mid(6, 10));
    QCOMPARE(file.mid(16, 16), QByteArray(16, '\xFF'));
    QCOMPARE(file.mid(32), before.mid(0x010, 0x3F0));
    // Only the header text changed in the image.
    RadioImage expected = before;
    expected.write(0, "KW5182");
    QVERIFY(image == expected);
    QCOMPARE(s.document->currentFilePath(), path);
}

void TestDocumentData::saveAndReopenGivesSameData() {
    Started s;
    // Channel 3 as the codec stores it, typed into the image.
    ChannelTable table = s.document->channels();
    table.setValue(3, 1, 44612500);
    table.setValue(3, 2, 44600625);
    table.setDecodeTone(3, QStringLiteral("D754I"));
    table.setEncodeTone(3, QStringLiteral("88.5"));
    RadioImage encoded = s.document->image();
    ChannelCodec(s.context->tones(), nullptr).encodeAll(table, s.context->channelDef(), encoded);
    const int record = ChannelTable::recordAddress(3);
    QVERIFY(s.document->writeBytes(record, encoded.mid(record, ChannelTable::RecordSize), QStringLiteral("edit")));
    QVERIFY(s.document->channels() == table);
    const QString path = s.dir.filePath(QStringLiteral("a.dat"));
    QVERIFY(s.document->saveAs(path).ok());
    const QByteArray saved = s.document->image().mid(0x010, 0x3F0);

    Started t;
    QVERIFY(t.document->openFile(path).ok());
    QCOMPARE(t.document->image().mid(0x010, 0x3F0), saved);
    QCOMPARE(t.document->image().mid(0, 6), QByteArray("KW5182"));
    QCOMPARE(t.document->channels().value(3, 1), 44612500);
    QCOMPARE(t.document->channels().value(3, 2), 44600625);
    QCOMPARE(t.document->channels().decodeTone(3), QStringLiteral("D754I"));
    QCOMPARE(t.document->channels().encodeTone(3), QStringLiteral("88.5"));
    QCOMPARE(t.document->currentFilePath(), path);
}

void TestDocumentData::failedSaveIsReportedAndKeepsEarlierFile() {
    Started s;
    const QString earlier = s.document->currentFilePath();
    // A folder stands where the file should go: the save cannot replace it.
    QDir(s.dir.path()).mkdir(QStringLiteral("taken.dat"));
    Result result = s.document->saveAs(s.dir.filePath(QStringLiteral("taken.dat")));
    QVERIFY(!result.ok());
    QCOMPARE(result.message(), std::optional<TextId>(TextId::SaveAsFailed));
    QCOMPARE(s.document->currentFilePath(), earlier);
    QCOMPARE(s.logged.size(), 1);
    QVERIFY(s.logged.first().contains(QStringLiteral("mdifrmMain->SaveDatFile")));

    result = s.document->saveAs(s.dir.filePath(QStringLiteral("no/such/folder/x.dat")));
    QVERIFY(!result.ok());
    QCOMPARE(result.message(), std::optional<TextId>(TextId::SaveAsFailed));
    QCOMPARE(s.document->currentFilePath(), earlier);
}

void TestDocumentData::openAcceptsAnyFile_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("ten bytes") << QByteArray("0123456789");
    QTest::newRow("wrong header") << QByteArray(datafile::FileSize, '\x11');
    QTest::newRow("forty bytes") << QByteArray(40, '\x22');
}

void TestDocumentData::openAcceptsAnyFile() {
    QFETCH(QByteArray, file);
    Started s;
    RadioImage expected = s.document->image();
    expected.write(0, file);
    for (int i = 32; i < datafile::FileSize; ++i)
        expected.set(i - 16, expected.at(i));
    const QString path = s.write(QStringLiteral("in.dat"), file);
    QVERIFY(s.document->openFile(path).ok());
    // Beyond the file the image keeps its bytes; the shift runs over them all the same.
    // The refresh may then repair settings, band, model and identification text; the
    // channel records it leaves alone.
    QCOMPARE(s.document->image().mid(0x010, 0x100), expected.mid(0x010, 0x100));
    QCOMPARE(s.document->image().mid(0x400, 0x1C00), expected.mid(0x400, 0x1C00));
    QCOMPARE(s.document->currentFilePath(), path);
}

void TestDocumentData::openFailureChangesNothing() {
    Started s;
    const RadioImage before = s.document->image();
    const QString path = s.document->currentFilePath();
    const Result result = s.document->openFile(s.dir.filePath(QStringLiteral("missing.dat")));
    QVERIFY(!result.ok());
    QCOMPARE(result.message(), std::optional<TextId>(TextId::WrongFileType));
    QCOMPARE(s.context->text(*result.message()), QStringLiteral("Wrong file type!"));
    QVERIFY(s.document->image() == before);
    QCOMPARE(s.document->currentFilePath(), path);
    QVERIFY(s.logged.last().contains(QStringLiteral("mdifrmMain->OpenFile")));
    QVERIFY(s.logged.last().contains(QStringLiteral("出错号:  53")));

    QVERIFY(!s.document->openFile(s.dir.path()).ok()); // a folder
}

void TestDocumentData::emptyFileNameFailsCleanly() {
    Started s;
    QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
    const RadioImage before = s.document->image();
    const QString path = s.document->currentFilePath();
    Result result = s.document->openFile(QString());
    QVERIFY(!result.ok());
    QCOMPARE(result.message(), std::optional<TextId>(TextId::WrongFileType));
    QVERIFY(!result.reason().isEmpty());
    result = s.document->saveAs(QString());
    QVERIFY(!result.ok());
    QCOMPARE(result.message(), std::optional<TextId>(TextId::SaveAsFailed));
    QVERIFY(!result.reason().isEmpty());
    QCOMPARE(s.document->currentFilePath(), path);
    RadioImage expected = before;
    expected.write(0, "KW5182");
    QVERIFY(s.document->image() == expected);
}

void TestDocumentData::largeFileFillsOnlyTheImage() {
    Started s;
    QByteArray big(20000, '\x33');
    const QString path = s.write(QStringLiteral("big.dat"), big);
    QVERIFY(s.document->openFile(path).ok());
    QCOMPARE(s.document->image().size(), 8192);
    QCOMPARE(s.document->image().at(8191), quint8(0x33));
}

void TestDocumentData::deleteChannelRestoresTemplateRecord() {
    const QByteArray file = patternedFile();
    Started s(file);
    const RadioImage& image = s.document->image();
    // 440.15 MHz, decode 67.0, encode D023N.
    QVERIFY(s.document->writeBytes(0x050, QByteArray::fromHex("00500144005001449E02132800000000"), QString()));
    QCOMPARE(s.document->channels().decodeTone(5), QStringLiteral("67.0"));
    QSignalSpy changed(s.document.get(), &Document::imageChanged);
    QVERIFY(s.document->channelModel().deleteChannel(5));
    QCOMPARE(image.mid(0x050, 16), file.mid(0x060, 16));
    QCOMPARE(s.document->channels().value(5, 1), -1);
    QCOMPARE(s.document->channels().decodeTone(5), QString());
    QCOMPARE(changed.count(), 1);

    QVERIFY(s.document->channelModel().deleteAll());
    for (int n = 1; n <= 16; ++n)
        QCOMPARE(image.mid(0x10 * n, 16), file.mid(0x10 * n + 16, 16));

    // The next encoding writes a deleted channel as empty: no frequencies, no tones.
    s.document->encodeChannels();
    QCOMPARE(image.mid(0x050, 12), QByteArray(12, '\xFF'));
}

void TestDocumentData::newDataKeepsModelAndBand() {
    Started s;
    s.document->chooseBand(0);
    const RadioImage& image = s.document->image();
    const QByteArray kept = image.mid(0x379, 5);
    QVERIFY(s.document->writeBytes(0x130, QByteArray(1, '\x77'), QString()));
    const QString path = s.write(QStringLiteral("x.dat"), datafile::fileLayout(image));
    QVERIFY(s.document->openFile(path).ok());
    s.document->newFile();
    QCOMPARE(image.mid(0x379, 5), kept);
    QCOMPARE(image.at(0x130), quint8(s.document->templateImage().at(0x130 + 16)));
    QCOMPARE(s.document->currentFilePath(), s.document->untitledFilePath());
}

void TestDocumentData::identificationText_data() {
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QByteArray>("after");
    QTest::newRow("T keeps the rest") << QByteArray("TXXXXXXX") << QByteArray("TXXXXXXX");
    QTest::newRow("anything else is rewritten") << QByteArray("t4951600") << QByteArray("T49516\xF8\xFF");
    QTest::newRow("erased") << QByteArray(8, '\xFF') << QByteArray("T49516\xF8\xFF");
}

void TestDocumentData::identificationText() {
    QFETCH(QByteArray, stored);
    QFETCH(QByteArray, after);
    Started s;
    s.replaceImage(0x1B8, stored);
    QCOMPARE(s.document->image().mid(0x1B8, 8), after);
}

void TestDocumentData::bandFromImage_data() {
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QByteArray>("after");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("caption");
    QTest::newRow("134-174") << QByteArray::fromHex("13401740") << QByteArray::fromHex("13401740") << 0
                             << "134 - 174 MHz";
    QTest::newRow("custom") << QByteArray::fromHex("13501740") << QByteArray::fromHex("13501740") << 14
                            << "Custom  135 - 174 MHz";
    QTest::newRow("below the outer limit")
        << QByteArray::fromHex("11901740") << QByteArray::fromHex("40004800") << 8 << "400 - 480 MHz";
    QTest::newRow("above the outer limit")
        << QByteArray::fromHex("56006000") << QByteArray::fromHex("40004800") << 8 << "400 - 480 MHz";
    QTest::newRow("reversed") << QByteArray::fromHex("47004000") << QByteArray::fromHex("40004800") << 8
                              << "400 - 480 MHz";
    QTest::newRow("not decimal") << QByteArray::fromHex("4A004700") << QByteArray::fromHex("4A004700") << 14
                                 << "Custom  120 - 520 MHz";
}

void TestDocumentData::bandFromImage() {
    QFETCH(QByteArray, stored);
    QFETCH(QByteArray, after);
    QFETCH(int, position);
    QFETCH(QString, caption);
    Started s;
    s.replaceImage(0x37A, stored);
    QCOMPARE(s.document->image().mid(0x37A, 4), after);
    QCOMPARE(s.document->bandPosition(), position);
    QCOMPARE(s.document->bandCaption(), caption);
    QCOMPARE(s.document->absoluteLimits().min, band::AbsMin);
}

void TestDocumentData::modelFromImage() {
    Started s;
    s.replaceImage(0x379, QByteArray(1, '\x05'));
    QCOMPARE(s.document->modelPosition(), 0);
    QCOMPARE(s.document->image().at(0x379), quint8(0));
}

void TestDocumentData::customBand() {
    Started s;
    QVERIFY(s.document->openFile(s.context->appFile(AppContext::FactoryFileName)).ok());
    s.document->chooseCustomBand(QStringLiteral("130.5"), QStringLiteral("140.25"));
    QCOMPARE(s.document->image().mid(0x37A, 4), QByteArray::fromHex("13051402"));
    QCOMPARE(s.document->bandCaption(), QStringLiteral("Custom  130 - 140 MHz"));
    QCOMPARE(s.document->bandLimits().max, 14025000);
    QCOMPARE(s.document->currentFilePath(), s.document->untitledFilePath());

    s.document->chooseCustomBand(QStringLiteral("300"), QStringLiteral("250"));
    QCOMPARE(s.document->bandLimits().min, 12000000);
    QCOMPARE(s.document->customMinText(), QStringLiteral("120"));
    QCOMPARE(s.document->customMaxText(), QStringLiteral("520"));
}

void TestDocumentData::restoreDefaultsOpensFactoryFile() {
    Started s;
    QVERIFY(s.document->restoreDefaults().ok());
    QCOMPARE(s.document->currentFilePath(), s.context->appFile(AppContext::FactoryFileName));
    QFile::remove(s.context->appFile(AppContext::FactoryFileName));
    QCOMPARE(s.document->restoreDefaults().message(), std::optional<TextId>(TextId::WrongFileType));
}

void TestDocumentData::unreadableFactoryFileIsRefused_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("reason");
    QTest::newRow("pipe") << "pipe"
                          << "It is not an ordinary file (it is a pipe or a device)";
    QTest::newRow("link to a device") << "device"
                                      << "It is not an ordinary file (it is a pipe or a device)";
    QTest::newRow("missing") << "missing"
                             << "The file does not exist";
}

void TestDocumentData::unreadableFactoryFileIsRefused() {
    QFETCH(QString, kind);
    QFETCH(QString, reason);
    Started s;
    const RadioImage before = s.document->image();
    QVERIFY(test::placeUnreadable(kind, s.context->appFile(AppContext::FactoryFileName)));
    const Result result = s.document->restoreDefaults();
    QVERIFY(!result.ok());
    QCOMPARE(result.message(), std::optional<TextId>(TextId::WrongFileType));
    QCOMPARE(result.reason(), reason);
    QVERIFY(s.document->image() == before);
}

QTEST_GUILESS_MAIN(TestDocumentData)
#include "tst_documentdata.moc"
