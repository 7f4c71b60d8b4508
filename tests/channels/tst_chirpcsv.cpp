#include "ChannelListFixture.h"
#include "channels/ChirpCsv.h"

#include <QTest>

using namespace qrt;
using namespace qrt::channels;
using qrt::test::ListDocument;

namespace {

const QByteArray Header = "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
                          "RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE";

// New data: every channel empty, in the band of the factory data (400 - 470 MHz).
struct EmptyDocument : ListDocument {
    EmptyDocument() { document->newFile(); }
    // A channel as typed into the grid: receive, transmit (empty: none), decode and encode tone.
    void type(int n, const char* rx, const char* tx, const char* decode, const char* encode) {
        ChannelTableModel& m = model();
        m.setReceiveFrequency(n, QString::fromLatin1(rx));
        m.setTransmitFrequency(n, QString::fromLatin1(tx));
        m.setTone(n, ChannelTableModel::DecodeColumn, QString::fromLatin1(decode));
        m.setTone(n, ChannelTableModel::EncodeColumn, QString::fromLatin1(encode));
    }
};

QStringList chirpLines(const QByteArray& list) {
    QStringList lines = QString::fromUtf8(list).split(QStringLiteral("\r\n"));
    lines.removeLast();
    return lines;
}

// What a channel is in the list's terms: frequencies, tones and the three options it carries.
QString carried(const ChannelTableModel& m, int n) {
    const ChannelTable& t = m.table();
    if (!t.isInUse(n))
        return QStringLiteral("empty");
    return QStringLiteral("%1 %2 %3 %4 %5/%6/%7")
        .arg(t.value(n, 1))
        .arg(t.value(n, 2))
        .arg(t.decodeTone(n), t.hasTransmit(n) ? t.encodeTone(n) : QString())
        .arg(t.value(n, 5))
        .arg(t.value(n, 6))
        .arg(t.value(n, 7));
}

} // namespace

class TestChirpCsv : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void exportWritesTheToneModesAndOptions();
    void roundTripKeepsFrequenciesTonesAndOptions();
    void importReadsWhatTheToolWrites();
    void malformedRowsChangeNothing_data();
    void malformedRowsChangeNothing();
};

void TestChirpCsv::exportWritesTheToneModesAndOptions() {
    EmptyDocument d;
    d.type(1, "446", "446", "None", "None");
    d.type(2, "440", "445", "None", "100.0");
    d.type(3, "445", "440", "67.0", "67.0");
    d.type(4, "440", "440", "D023N", "D023I");
    d.type(5, "440", "440", "D754I", "107.2");
    d.type(6, "440", "440", "123.0", "D131N");
    d.type(7, "440", "440", "77.0", "None");
    d.type(8, "440", "440", "D025I", "None");
    d.type(9, "440", "440", "None", "D047N");
    d.type(10, "440", "440", "D025N", "D023N");
    d.type(11, "440", "440", "100.0", "88.5");
    d.type(12, "446.00625", "", "67.0", "67.0");
    d.type(13, "400", "430", "None", "None");
    d.model().chooseOption(13, 5, 1);
    d.model().chooseOption(13, 6, 1);
    d.model().chooseOption(13, 7, 0);

    const QString defaults = QStringLiteral("88.5,88.5,023,NN,023,Tone->Tone");
    const QString plain = QStringLiteral("FM,5.00,,5.0W,,,,,");
    const QStringList expected = {
        QString::fromLatin1(Header),
        "1,,446.000000,,0.000000,," + defaults + ',' + plain,
        "2,,440.000000,+,5.000000,Tone,100.0,88.5,023,NN,023,Tone->Tone," + plain,
        "3,,445.000000,-,5.000000,TSQL,67.0,67.0,023,NN,023,Tone->Tone," + plain,
        "4,,440.000000,,0.000000,DTCS,88.5,88.5,023,RN,023,Tone->Tone," + plain,
        "5,,440.000000,,0.000000,Cross,107.2,88.5,023,NR,754,Tone->DTCS," + plain,
        "6,,440.000000,,0.000000,Cross,88.5,123.0,131,NN,023,DTCS->Tone," + plain,
        "7,,440.000000,,0.000000,Cross,88.5,77.0,023,NN,023,->Tone," + plain,
        "8,,440.000000,,0.000000,Cross,88.5,88.5,023,NR,025,->DTCS," + plain,
        "9,,440.000000,,0.000000,Cross,88.5,88.5,047,NN,023,DTCS->," + plain,
        "10,,440.000000,,0.000000,Cross,88.5,88.5,023,NN,025,DTCS->DTCS," + plain,
        "11,,440.000000,,0.000000,Cross,88.5,100.0,023,NN,023,Tone->Tone," + plain,
        "12,,446.006250,off,0.000000,Cross,88.5,67.0,023,NN,023,->Tone,FM,6.25,,5.0W,,,,,",
        "13,,400.000000,split,430.000000,," + defaults + ",NFM,5.00,S,1.0W,,,,,",
    };
    const QStringList lines = chirpLines(exportChirpCsv(d.model()));
    QCOMPARE(lines.size(), expected.size());
    for (qsizetype i = 0; i < lines.size(); ++i)
        QCOMPARE(lines.at(i), expected.at(i));
}

void TestChirpCsv::roundTripKeepsFrequenciesTonesAndOptions() {
    for (quint32 seed = 1; seed <= 12; ++seed) {
        ListDocument source;
        source.randomChannels(seed);
        const QByteArray list = exportChirpCsv(source.model());
        EmptyDocument empty;
        ListDocument other;
        other.randomChannels(seed + 500);
        for (ListDocument* target : {static_cast<ListDocument*>(&empty), &other}) {
            const ChannelImport read = parseChirpCsv(list, target->target());
            QVERIFY2(read.ok(), qPrintable(read.errors.join(u'\n')));
            QVERIFY(read.notes.isEmpty());
            QVERIFY(target->import(read));
            for (int n = 1; n <= 16; ++n) {
                if (target == &empty || source.model().table().isInUse(n))
                    QCOMPARE(carried(target->model(), n), carried(source.model(), n));
            }
        }
        QCOMPARE(exportChirpCsv(empty.model()), list);
    }
}

void TestChirpCsv::importReadsWhatTheToolWrites() {
    // Counting from 0, leftovers in the tone columns, an extra column, a reverse squelch
    // and a memory beyond our channels.
    const QByteArray list = Header +
                            ",Extra\r\n"
                            "0,Rpt A,446.006250,,0.000000,,88.5,88.5,999,NN,023,Tone->Tone,NFM,6.25,,0.5W,,,,,,x\r\n"
                            "1,Rpt B,440.100000,+,5.000000,TSQL,88.5,123.0,023,NN,023,Tone->Tone,FM,5.00,S,50W,"
                            "hello,,,,,\r\n"
                            "2,,440.200000,-,5.000000,DTCS,88.5,88.5,074,RN,025,Tone->Tone,FM,5.00,P,High,,,,,,\n"
                            "3,,440.300000,off,0.000000,TSQL-R,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,5.0W\r\n"
                            "4,,440.400000,split,460.000000,Cross,94.8,88.5,023,NR,155,Tone->DTCS,FM,5.00,,Low\r\n"
                            "5,,440.500000,,0.000000,Cross,94.8,88.5,023,NN,023,Tone->,FM,5.00,,5.0W\r\n"
                            "20,,440.600000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,5.0W\r\n";
    EmptyDocument d;
    const ChannelImport read = parseChirpCsv(list, d.target());
    QVERIFY2(read.ok(), qPrintable(read.errors.join(u'\n')));
    QCOMPARE(read.notes,
             QStringList({"The list counts its memories from 0: location 0 is channel 1, and every location moves up "
                          "by one.",
                          "line 5: this radio has no reverse squelch (TSQL-R); the channel is imported without tones.",
                          "line 8: location 20 is not one of the channels 1 to 16; the row is skipped.",
                          "This radio has no place for these columns, which are ignored: Name, Comment, Extra"}));
    QVERIFY(d.import(read));
    const ChannelTableModel& m = d.model();
    QCOMPARE(carried(m, 1), QStringLiteral("44600625 44600625 None None 1/1/1"));
    QCOMPARE(carried(m, 2), QStringLiteral("44010000 44510000 123.0 123.0 0/0/0"));
    QCOMPARE(carried(m, 3), QStringLiteral("44020000 43520000 D074N D074I 0/0/1"));
    QCOMPARE(carried(m, 4), QStringLiteral("44030000 -1 None  0/0/1"));
    QCOMPARE(carried(m, 5), QStringLiteral("44040000 46000000 D155I 94.8 0/1/1"));
    QCOMPARE(carried(m, 6), QStringLiteral("44050000 44050000 None 94.8 0/0/1"));
    QCOMPARE(carried(m, 7), QStringLiteral("empty"));
}

void TestChirpCsv::malformedRowsChangeNothing_data() {
    QTest::addColumn<QByteArray>("row");
    QTest::addColumn<QString>("error");
    const auto row = [](const QByteArray& tone, const QByteArray& rest = "FM,5.00,,5.0W") -> QByteArray {
        return QByteArray("1,,440.100000,,0.000000,") + tone + ',' + rest;
    };
    const QByteArray none = ",88.5,88.5,023,NN,023,Tone->Tone";
    QTest::newRow("location") << QByteArray("x,,440.1") << "line 2, Location: 'x' is not a memory number";
    QTest::newRow("location twice") << QByteArray("1,,440.1\r\n1,,440.2")
                                    << "line 3, Location: channel 1 appears a second time (first on line 2)";
    QTest::newRow("frequency") << QByteArray("1,,146.52")
                               << "line 2, Frequency: 146.52 MHz is outside the band 400 - 470 MHz";
    QTest::newRow("no frequency") << QByteArray("1,,") << "line 2, Frequency: '' is not a frequency in MHz";
    QTest::newRow("duplex") << QByteArray("1,,440.1,++,5") << "line 2, Duplex: '++' is not a duplex";
    QTest::newRow("offset") << QByteArray("1,,440.1,+,abc") << "line 2, Offset: 'abc' is not a frequency in MHz";
    QTest::newRow("offset out of the band")
        << QByteArray("1,,440.1,+,100") << "line 2, Offset: 540.1 MHz is outside the band 400 - 470 MHz";
    QTest::newRow("split far away") << QByteArray("1,,440.1,split,99999")
                                    << "line 2, Offset: 99999 MHz is outside the band 400 - 470 MHz";
    QTest::newRow("tone mode") << row("DCS" + none) << "line 2, Tone: 'DCS' is not a tone mode";
    QTest::newRow("cross mode") << row("Cross,88.5,88.5,023,NN,023,Tone->X")
                                << "line 2, CrossMode: 'Tone->X' is not a cross mode";
    QTest::newRow("TSQL without its tone")
        << row("TSQL,88.5,,023,NN,023,Tone->Tone") << "line 2, cToneFreq: '' is not a CTCSS tone";
    QTest::newRow("Tone beyond the range")
        << row("Tone,300,88.5,023,NN,023,Tone->Tone") << "line 2, rToneFreq: '300' is not a CTCSS tone";
    QTest::newRow("DCS code") << row("DTCS,88.5,88.5,089,NN,023,Tone->Tone")
                              << "line 2, DtcsCode: '089' is not a DCS code";
    QTest::newRow("DCS polarity") << row("DTCS,88.5,88.5,023,XY,023,Tone->Tone")
                                  << "line 2, DtcsPolarity: 'XY' is not a DCS polarity";
    QTest::newRow("mode") << row(none, "AM,5.00,,5.0W") << "line 2, Mode: 'AM' is not a mode of this radio";
    QTest::newRow("skip") << row(none, "FM,5.00,Q,5.0W") << "line 2, Skip: 'Q' is not a scan setting";
    QTest::newRow("power") << row(none, "FM,5.00,,lots") << "line 2, Power: 'lots' is not a power";
    QTest::newRow("too many fields") << row(none, "FM,5.00,,5.0W,,,,,,,x")
                                     << "line 2: 23 fields where the header has 21";
}

void TestChirpCsv::malformedRowsChangeNothing() {
    QFETCH(QByteArray, row);
    QFETCH(QString, error);
    EmptyDocument d;
    d.type(1, "446", "446", "None", "None");
    const QByteArray before = d.savedBytes();
    const ChannelImport read = parseChirpCsv(Header + "\r\n" + row + "\r\n", d.target());
    QVERIFY(!read.ok());
    QVERIFY2(read.errors.first().startsWith(error), qPrintable(read.errors.join(u'\n')));
    QVERIFY(!d.import(read));
    QCOMPARE(d.savedBytes(), before);

    const ChannelImport noFrequencyColumn = parseChirpCsv("Location,Name\r\n1,A\r\n", d.target());
    QCOMPARE(noFrequencyColumn.errors, QStringList{"line 1: the column 'Frequency' is missing"});
}

QTEST_GUILESS_MAIN(TestChirpCsv)
#include "tst_chirpcsv.moc"
