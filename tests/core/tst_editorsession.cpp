#include "TestSupport.h"
#include "core/AppContext.h"
#include "core/DataFile.h"
#include "core/EditorSession.h"

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
        context->load(3);
        session = std::make_unique<EditorSession>(*context);
        session->startUp();
    }
    QString write(const QString& name, const QByteArray& bytes) {
        dir.writeFile(name, bytes);
        return dir.filePath(name);
    }

    test::TempAppDir dir;
    std::unique_ptr<AppContext> context;
    std::unique_ptr<EditorSession> session;
    QStringList logged;
};

} // namespace

class TestEditorSession : public QObject {
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

void TestEditorSession::startUpBuildsUntitledData() {
    Started s;
    QVERIFY(s.dir.isValid());
    QCOMPARE(s.session->modelPosition(), 0);
    QCOMPARE(s.session->bandPosition(), 7);
    QCOMPARE(s.session->bandCaption(), QStringLiteral("400 - 470 MHz"));
    QCOMPARE(s.session->image().mid(0x379, 5), QByteArray::fromHex("0040004700"));
    QCOMPARE(s.session->currentFilePath(), QDir(s.dir.path()).filePath(QStringLiteral("Data/Untitled.dat")));
    QVERIFY(QFileInfo(s.dir.filePath(QStringLiteral("Data"))).isDir());
    QCOMPARE(s.session->statusFileText(), QStringLiteral("File Name:") + s.session->currentFilePath());
    QCOMPARE(s.logged, QStringList());
}

void TestEditorSession::templateTailAppearsTwice() {
    const QByteArray file = patternedFile();
    Started s(file);
    const RadioImage& image = s.session->image();
    QCOMPARE(image.mid(0x010, 0x369), file.mid(0x020, 0x369)); // up to the model byte
    QCOMPARE(image.mid(1008, 16), file.mid(1024, 16));
    QCOMPARE(image.mid(1024, 16), file.mid(1024, 16));
    QCOMPARE(s.session->templateImage().mid(0, datafile::FileSize), file);
}

void TestEditorSession::unreadableTemplateIsLogged_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("errNumber");
    QTest::newRow("missing") << "missing" << int(err::FileNotFound);
    // Opening a pipe would wait for a writer: every start would hang.
    QTest::newRow("pipe") << "pipe" << int(err::PathFileAccess);
    QTest::newRow("link to a device") << "device" << int(err::PathFileAccess);
}

void TestEditorSession::unreadableTemplateIsLogged() {
    QFETCH(QString, kind);
    QFETCH(int, errNumber);
    test::TempAppDir dir;
    QVERIFY(test::placeUnreadable(kind, dir.filePath(AppContext::TemplateFileName)));
    AppContext context(dir.path());
    context.load(3);
    EditorSession session(context);
    session.startUp();
    QCOMPARE(context.errorLog().lastTag(), QStringLiteral("mdifrmMain->InitTempArray"));
    QCOMPARE(context.errorLog().lastNumber(), errNumber);
    QCOMPARE(session.bandPosition(), 7);
}

void TestEditorSession::saveWritesFileLayoutAndKeepsImage() {
    Started s(patternedFile());
    RadioImage& image = s.session->image();
    image.write(0x400, QByteArray(16, '\x5C')); // what a read of the radio's upper memory left
    s.session->encodeChannels();
    const RadioImage before = image;
    const QString path = s.dir.filePath(QStringLiteral("out.dat"));
    QVERIFY(s.session->saveAs(path).ok);

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
    QCOMPARE(s.session->currentFilePath(), path);
}

void TestEditorSession::saveAndReopenGivesSameData() {
    Started s;
    ChannelTable& table = s.session->channelTableStorage();
    table.setValue(3, 1, 44612500);
    table.setValue(3, 2, 44600625);
    table.setDecodeTone(3, QStringLiteral("D754I"));
    table.setEncodeTone(3, QStringLiteral("88.5"));
    const QString path = s.dir.filePath(QStringLiteral("a.dat"));
    QVERIFY(s.session->saveAs(path).ok);
    const QByteArray saved = s.session->image().mid(0x010, 0x3F0);

    Started t;
    QVERIFY(t.session->openFile(path).ok);
    QCOMPARE(t.session->image().mid(0x010, 0x3F0), saved);
    QCOMPARE(t.session->image().mid(0, 6), QByteArray("KW5182"));
    QCOMPARE(t.session->channels().value(3, 1), 44612500);
    QCOMPARE(t.session->channels().value(3, 2), 44600625);
    QCOMPARE(t.session->channels().decodeTone(3), QStringLiteral("D754I"));
    QCOMPARE(t.session->channels().encodeTone(3), QStringLiteral("88.5"));
    QCOMPARE(t.session->currentFilePath(), path);
}

void TestEditorSession::failedSaveIsReportedAndKeepsEarlierFile() {
    Started s;
    const QString earlier = s.session->currentFilePath();
    // A folder stands where the file should go: the save cannot replace it.
    QDir(s.dir.path()).mkdir(QStringLiteral("taken.dat"));
    FileResult result = s.session->saveAs(s.dir.filePath(QStringLiteral("taken.dat")));
    QVERIFY(!result.ok);
    QCOMPARE(result.messageIndex, int(EditorSession::MsgSaveAsFailed));
    QCOMPARE(s.session->currentFilePath(), earlier);
    QCOMPARE(s.logged.size(), 1);
    QVERIFY(s.logged.first().contains(QStringLiteral("mdifrmMain->SaveDatFile")));

    result = s.session->saveAs(s.dir.filePath(QStringLiteral("no/such/folder/x.dat")), EditorSession::MsgSaveFailed);
    QVERIFY(!result.ok);
    QCOMPARE(result.messageIndex, int(EditorSession::MsgSaveFailed));
}

void TestEditorSession::openAcceptsAnyFile_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("ten bytes") << QByteArray("0123456789");
    QTest::newRow("wrong header") << QByteArray(datafile::FileSize, '\x11');
    QTest::newRow("forty bytes") << QByteArray(40, '\x22');
}

void TestEditorSession::openAcceptsAnyFile() {
    QFETCH(QByteArray, file);
    Started s;
    RadioImage expected = s.session->image();
    expected.write(0, file);
    for (int i = 32; i < datafile::FileSize; ++i)
        expected.set(i - 16, expected.at(i));
    const QString path = s.write(QStringLiteral("in.dat"), file);
    QVERIFY(s.session->openFile(path).ok);
    // Beyond the file the image keeps its bytes; the shift runs over them all the same.
    // The refresh may then repair settings, band, model and identification text; the
    // channel records it leaves alone.
    QCOMPARE(s.session->image().mid(0x010, 0x100), expected.mid(0x010, 0x100));
    QCOMPARE(s.session->image().mid(0x400, 0x1C00), expected.mid(0x400, 0x1C00));
    QCOMPARE(s.session->currentFilePath(), path);
}

void TestEditorSession::openFailureChangesNothing() {
    Started s;
    const RadioImage before = s.session->image();
    const QString path = s.session->currentFilePath();
    const FileResult result = s.session->openFile(s.dir.filePath(QStringLiteral("missing.dat")));
    QVERIFY(!result.ok);
    QCOMPARE(result.messageIndex, int(EditorSession::MsgWrongFileType));
    QCOMPARE(s.context->text(result.messageIndex), QStringLiteral("Wrong file type!"));
    QVERIFY(s.session->image() == before);
    QCOMPARE(s.session->currentFilePath(), path);
    QVERIFY(s.logged.last().contains(QStringLiteral("mdifrmMain->OpenFile")));
    QVERIFY(s.logged.last().contains(QStringLiteral("出错号:  53")));

    QVERIFY(!s.session->openFile(s.dir.path()).ok); // a folder
}

void TestEditorSession::emptyFileNameFailsCleanly() {
    Started s;
    QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
    const RadioImage before = s.session->image();
    const QString path = s.session->currentFilePath();
    FileResult result = s.session->openFile(QString());
    QVERIFY(!result.ok);
    QCOMPARE(result.messageIndex, int(EditorSession::MsgWrongFileType));
    QVERIFY(!result.reason.isEmpty());
    result = s.session->saveAs(QString());
    QVERIFY(!result.ok);
    QCOMPARE(result.messageIndex, int(EditorSession::MsgSaveAsFailed));
    QVERIFY(!result.reason.isEmpty());
    QCOMPARE(s.session->currentFilePath(), path);
    RadioImage expected = before;
    expected.write(0, "KW5182");
    QVERIFY(s.session->image() == expected);
}

void TestEditorSession::largeFileFillsOnlyTheImage() {
    Started s;
    QByteArray big(20000, '\x33');
    const QString path = s.write(QStringLiteral("big.dat"), big);
    QVERIFY(s.session->openFile(path).ok);
    QCOMPARE(s.session->image().size(), 8192);
    QCOMPARE(s.session->image().at(8191), quint8(0x33));
}

void TestEditorSession::deleteChannelRestoresTemplateRecord() {
    const QByteArray file = patternedFile();
    Started s(file);
    RadioImage& image = s.session->image();
    image.write(0x050, QByteArray(16, '\x00'));
    s.session->channelTableStorage().setDecodeTone(5, QStringLiteral("67.0"));
    QSignalSpy changed(s.session.get(), &EditorSession::channelsChanged);
    s.session->emptyChannel(5);
    QCOMPARE(image.mid(0x050, 16), file.mid(0x060, 16));
    QCOMPARE(s.session->channels().value(5, 1), -1);
    QCOMPARE(s.session->channels().decodeTone(5), QString());
    QCOMPARE(changed.count(), 1);

    s.session->emptyAllChannels();
    for (int n = 1; n <= 16; ++n)
        QCOMPARE(image.mid(0x10 * n, 16), file.mid(0x10 * n + 16, 16));

    // The next encoding writes a deleted channel as empty: no frequencies, no tones.
    s.session->encodeChannels();
    QCOMPARE(image.mid(0x050, 12), QByteArray(12, '\xFF'));
}

void TestEditorSession::newDataKeepsModelAndBand() {
    Started s;
    s.session->chooseBand(0);
    RadioImage& image = s.session->image();
    const QByteArray kept = image.mid(0x379, 5);
    image.set(0x130, 0x77);
    const QString path = s.write(QStringLiteral("x.dat"), datafile::fileLayout(image));
    QVERIFY(s.session->openFile(path).ok);
    s.session->newFile();
    QCOMPARE(image.mid(0x379, 5), kept);
    QCOMPARE(image.at(0x130), quint8(s.session->templateImage().at(0x130 + 16)));
    QCOMPARE(s.session->currentFilePath(), s.session->untitledFilePath());
}

void TestEditorSession::identificationText_data() {
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QByteArray>("after");
    QTest::newRow("T keeps the rest") << QByteArray("TXXXXXXX") << QByteArray("TXXXXXXX");
    QTest::newRow("anything else is rewritten") << QByteArray("t4951600") << QByteArray("T49516\xF8\xFF");
    QTest::newRow("erased") << QByteArray(8, '\xFF') << QByteArray("T49516\xF8\xFF");
}

void TestEditorSession::identificationText() {
    QFETCH(QByteArray, stored);
    QFETCH(QByteArray, after);
    Started s;
    RadioImage& image = s.session->image();
    image.write(0x1B8, stored);
    s.session->refreshViewsFromImage();
    QCOMPARE(image.mid(0x1B8, 8), after);
}

void TestEditorSession::bandFromImage_data() {
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

void TestEditorSession::bandFromImage() {
    QFETCH(QByteArray, stored);
    QFETCH(QByteArray, after);
    QFETCH(int, position);
    QFETCH(QString, caption);
    Started s;
    s.session->image().write(0x37A, stored);
    s.session->refreshViewsFromImage();
    QCOMPARE(s.session->image().mid(0x37A, 4), after);
    QCOMPARE(s.session->bandPosition(), position);
    QCOMPARE(s.session->bandCaption(), caption);
    QCOMPARE(s.session->absoluteLimits().min, band::AbsMin);
}

void TestEditorSession::modelFromImage() {
    Started s;
    s.session->image().set(0x379, 5);
    s.session->refreshViewsFromImage();
    QCOMPARE(s.session->modelPosition(), 0);
    QCOMPARE(s.session->image().at(0x379), quint8(0));
}

void TestEditorSession::customBand() {
    Started s;
    QVERIFY(s.session->openFile(s.context->appFile(AppContext::FactoryFileName)).ok);
    s.session->chooseCustomBand(QStringLiteral("130.5"), QStringLiteral("140.25"));
    QCOMPARE(s.session->image().mid(0x37A, 4), QByteArray::fromHex("13051402"));
    QCOMPARE(s.session->bandCaption(), QStringLiteral("Custom  130 - 140 MHz"));
    QCOMPARE(s.session->bandLimits().max, 14025000);
    QCOMPARE(s.session->currentFilePath(), s.session->untitledFilePath());

    s.session->chooseCustomBand(QStringLiteral("300"), QStringLiteral("250"));
    QCOMPARE(s.session->bandLimits().min, 12000000);
    QCOMPARE(s.session->customMinText(), QStringLiteral("120"));
    QCOMPARE(s.session->customMaxText(), QStringLiteral("520"));
}

void TestEditorSession::restoreDefaultsOpensFactoryFile() {
    Started s;
    QVERIFY(s.session->restoreDefaults().ok);
    QCOMPARE(s.session->currentFilePath(), s.context->appFile(AppContext::FactoryFileName));
    QFile::remove(s.context->appFile(AppContext::FactoryFileName));
    QCOMPARE(s.session->restoreDefaults().messageIndex, int(EditorSession::MsgWrongFileType));
}

void TestEditorSession::unreadableFactoryFileIsRefused_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("reason");
    QTest::newRow("pipe") << "pipe"
                          << "It is not an ordinary file (it is a pipe or a device)";
    QTest::newRow("link to a device") << "device"
                                      << "It is not an ordinary file (it is a pipe or a device)";
    QTest::newRow("missing") << "missing"
                             << "The file does not exist";
}

void TestEditorSession::unreadableFactoryFileIsRefused() {
    QFETCH(QString, kind);
    QFETCH(QString, reason);
    Started s;
    const RadioImage before = s.session->image();
    QVERIFY(test::placeUnreadable(kind, s.context->appFile(AppContext::FactoryFileName)));
    const FileResult result = s.session->restoreDefaults();
    QVERIFY(!result.ok);
    QCOMPARE(result.messageIndex, int(EditorSession::MsgWrongFileType));
    QCOMPARE(result.reason, reason);
    QVERIFY(s.session->image() == before);
}

QTEST_GUILESS_MAIN(TestEditorSession)
#include "tst_editorsession.moc"
