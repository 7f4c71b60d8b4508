#include "ChannelListFixture.h"
#include "channels/ChannelCsv.h"
#include "channels/CsvText.h"

#include <QTest>

using namespace qrt;
using namespace qrt::channels;
using qrt::test::ListDocument;

namespace {

// The export of the factory data with one cell replaced (the channel number's row, the
// table column; column 0 is the channel number).
QByteArray withCell(const QByteArray& list, int channel, int column, const QString& text) {
    csv::ReadResult read = csv::read(list);
    QList<QStringList> rows;
    for (const csv::Record& r : std::as_const(read.records))
        rows << r.fields;
    rows[channel][column] = text;
    return csv::write(rows, csv::ByteOrderMark::With);
}

QByteArray factoryList() {
    ListDocument d;
    return exportChannelCsv(d.model());
}

} // namespace

class TestChannelCsv : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void exportShowsTheGridInTheInterfaceLanguage();
    void roundTripOnRandomTablesIsByteIdentical();
    void importOfTheSameDataChangesNothing();
    void importReadsOtherLanguagesAndLooseForms();
    void malformedListsChangeNothing_data();
    void malformedListsChangeNothing();
    void lockedTableRefusesTheImport();
    void csvQuotingSurvives();
};

void TestChannelCsv::exportShowsTheGridInTheInterfaceLanguage() {
    ListDocument d;
    const QByteArray list = exportChannelCsv(d.model());
    QVERIFY(list.startsWith("\xEF\xBB\xBF"));
    const QList<QByteArray> lines = list.mid(3).split('\n');
    QCOMPARE(lines.size(), 16 + 2); // header, 16 channels, the empty rest after the last CRLF
    QCOMPARE(lines.first(), "CH,Rx Freq[MHz],Tx Freq[MHz],Rx CTCSS/DCS,Tx CTCSS/DCS,Bandwidth,Tx Power,Scan Add,"
                            "Busy Lock,Compander,PTT ID,Signaling,Scrambler,Talk Around\r");
    for (int n = 1; n <= 16; ++n) {
        QStringList cells{QString::number(n)};
        for (int c = 1; c <= d.model().columnCount(); ++c)
            cells << d.model().cellText(n, c);
        QCOMPARE(QString::fromUtf8(lines.at(n)), cells.join(u',') + u'\r');
    }

    ListDocument chinese(Language::SimplifiedChinese);
    QVERIFY(QString::fromUtf8(exportChannelCsv(chinese.model())).contains(QStringLiteral("接收频率[MHz]")));
}

void TestChannelCsv::roundTripOnRandomTablesIsByteIdentical() {
    for (quint32 seed = 1; seed <= 12; ++seed) {
        ListDocument source, other;
        source.randomChannels(seed);
        other.randomChannels(seed + 1000);
        const QByteArray list = exportChannelCsv(source.model());
        const QByteArray settingsBefore = other.bytesBesideChannels();
        const int steps = other.document->undoStack().count();
        const QByteArray otherList = exportChannelCsv(other.model());

        const ChannelImport read = parseChannelCsv(list, other.target());
        QVERIFY2(read.ok(), qPrintable(read.errors.join(u'\n')));
        QVERIFY(other.import(read));
        QCOMPARE(exportChannelCsv(other.model()), list);
        QCOMPARE(other.usedRecords(), source.usedRecords());
        QCOMPARE(other.bytesBesideChannels(), settingsBefore);
        // One undo step brings the other data back.
        QCOMPARE(other.document->undoStack().count(), steps + 1);
        other.document->undoStack().undo();
        QCOMPARE(exportChannelCsv(other.model()), otherList);
    }
}

void TestChannelCsv::importOfTheSameDataChangesNothing() {
    ListDocument d;
    d.randomChannels(7);
    const QByteArray bytes = d.savedBytes();
    const int steps = d.document->undoStack().count();
    QVERIFY(d.import(parseChannelCsv(exportChannelCsv(d.model()), d.target())));
    QCOMPARE(d.document->undoStack().count(), steps);
    QCOMPARE(d.savedBytes(), bytes);
}

void TestChannelCsv::importReadsOtherLanguagesAndLooseForms() {
    ListDocument chinese(Language::TraditionalChinese), english;
    chinese.randomChannels(3);
    const ChannelImport fromChinese = parseChannelCsv(exportChannelCsv(chinese.model()), english.target());
    QVERIFY2(fromChinese.ok(), qPrintable(fromChinese.errors.join(u'\n')));
    QVERIFY(english.import(fromChinese));
    QCOMPARE(english.usedRecords(), chinese.usedRecords());

    // Columns in another order, LF line ends, no byte-order mark, options as #n and in
    // Chinese, tones typed as the tone list takes them, a channel left out, blank lines.
    const QByteArray loose =
        "Tx CTCSS/DCS,CH,Rx CTCSS/DCS,Tx Freq[MHz],Rx Freq[MHz],\xE5\xB8\xA6\xE5\xAE\xBD,Tx Power\n"
        "023i,2,67,446.00625,446.00625,#1,\xE4\xBD\x8E\n"
        "\n"
        ",,,,,,\r\n"
        ",3,,,440.1,,\n";
    ListDocument d;
    const QStringList channel1 = [&] {
        QStringList t;
        for (int c = 1; c <= d.model().columnCount(); ++c)
            t << d.model().cellText(1, c);
        return t;
    }();
    const ChannelImport read = parseChannelCsv(loose, d.target());
    QVERIFY2(read.ok(), qPrintable(read.errors.join(u'\n')));
    QVERIFY(d.import(read));
    const ChannelTableModel& m = d.model();
    QCOMPARE(m.cellText(2, 1), QStringLiteral("446.00625"));
    QCOMPARE(m.cellText(2, 3), QStringLiteral("67.0"));
    QCOMPARE(m.cellText(2, 4), QStringLiteral("D023I"));
    QCOMPARE(m.cellText(2, 5), QStringLiteral("Narrow"));
    QCOMPARE(m.cellText(2, 6), QStringLiteral("Low"));
    QCOMPARE(m.cellText(3, 1), QStringLiteral("440.1"));
    QCOMPARE(m.cellText(3, 2), QString()); // an empty transmit cell: no transmit frequency
    for (int c = 1; c <= m.columnCount(); ++c)
        QCOMPARE(m.cellText(1, c), channel1.at(c - 1)); // not in the list: as it was
}

void TestChannelCsv::malformedListsChangeNothing_data() {
    QTest::addColumn<QByteArray>("list");
    QTest::addColumn<QString>("error");
    const QByteArray factory = factoryList();
    const QByteArray header = factory.left(factory.indexOf('\n') + 1);
    QTest::newRow("empty file") << QByteArray() << "The file holds no channel list: it is empty.";
    QTest::newRow("only a byte-order mark and blank lines")
        << QByteArray("\xEF\xBB\xBF\r\n\r\n") << "The file holds no channel list: it is empty.";
    QTest::newRow("binary") << QByteArray("PK\x03\x04\x00\x00", 6)
                            << "The file is not a channel list: it is not UTF-8 text.";
    QTest::newRow("not UTF-8") << QByteArray("CH,Rx\r\n1,\xFF\xFE\r\n") << "it is not UTF-8 text";
    QTest::newRow("too large") << QByteArray(csv::MaxFileBytes + 1, 'a') << "larger than 1048576 bytes";
    QTest::newRow("very long line") << header + "1," + QByteArray(5000, '4')
                                    << "line 2: the line is longer than 4096 characters";
    QTest::newRow("unclosed quote") << header + "1,\"440.1\r\n2,440\r\n"
                                    << "line 2: a quoted field is not closed";
    QTest::newRow("text after a quote") << header + "1,\"440.1\"x,\r\n"
                                        << "line 2: text follows a closing quote";
    QTest::newRow("unknown column") << QByteArray("CH,Rx Freq[MHz],Colour\r\n1,440\r\n")
                                    << "line 1: 'Colour' is not a column of the channel table";
    QTest::newRow("repeated column") << QByteArray("CH,Rx Freq[MHz],Bandwidth,Bandwidth\r\n")
                                     << "line 1: the column 'Bandwidth' appears twice";
    QTest::newRow("no receive column") << QByteArray("CH,Bandwidth\r\n1,Wide\r\n")
                                       << "line 1: the column 'Rx Freq[MHz]' is missing";
    QTest::newRow("wrong field count") << header + "1,440.1\r\n"
                                       << "line 2: 2 fields where the header has 14";
    QTest::newRow("channel not a number")
        << withCell(factory, 3, 0, "three") << "line 4, CH: 'three' is not a channel number (1 to 16)";
    QTest::newRow("channel 17") << withCell(factory, 3, 0, "17") << "line 4, CH: '17' is not a channel number";
    QTest::newRow("channel twice") << withCell(factory, 3, 0, "2")
                                   << "line 4, CH: channel 2 appears a second time (first on line 3)";
    QTest::newRow("frequency not a number")
        << withCell(factory, 2, 1, "44O.1") << "line 3, Rx Freq[MHz]: '44O.1' is not a frequency in MHz";
    QTest::newRow("outside the band") << withCell(factory, 2, 2, "146.52")
                                      << "line 3, Tx Freq[MHz]: 146.52 MHz is outside the band 400 - 470 MHz";
    QTest::newRow("off the raster") << withCell(factory, 4, 1, "435.0031")
                                    << "line 5, Rx Freq[MHz]: 435.0031 MHz is not on the 5 kHz or 6.25 kHz "
                                       "channel raster (the nearest is 435.005 MHz)";
    QTest::newRow("unknown tone") << withCell(factory, 4, 3, "D999X") << "line 5, Rx CTCSS/DCS: 'D999X' is not a tone";
    QTest::newRow("unknown option") << withCell(factory, 1, 5, "Medium")
                                    << "line 2, Bandwidth: 'Medium' is not one of the options (Wide, Narrow)";
    QTest::newRow("option number too large") << withCell(factory, 1, 6, "#2") << "line 2, Tx Power: '#2'";
    QTest::newRow("encode tone without transmit")
        << withCell(factory, 1, 2, "") << "line 2, Tx CTCSS/DCS: the channel has no transmit frequency";
    QTest::newRow("cell of an empty channel")
        << withCell(factory, 1, 1, "")
        << "line 2, Tx Freq[MHz]: the channel has no receive frequency, so this cell must be empty";
}

void TestChannelCsv::malformedListsChangeNothing() {
    QFETCH(QByteArray, list);
    QFETCH(QString, error);
    ListDocument d;
    const QByteArray before = d.savedBytes();
    const QByteArray shown = exportChannelCsv(d.model());
    const int steps = d.document->undoStack().count();
    const ChannelImport read = parseChannelCsv(list, d.target());
    QVERIFY(!read.ok());
    QVERIFY2(read.errors.first().contains(error), qPrintable(read.errors.join(u'\n')));
    QVERIFY(!d.import(read));
    QCOMPARE(d.savedBytes(), before);
    QCOMPARE(exportChannelCsv(d.model()), shown);
    QCOMPARE(d.document->undoStack().count(), steps);
}

void TestChannelCsv::lockedTableRefusesTheImport() {
    ListDocument source, d;
    source.randomChannels(5);
    const QByteArray before = d.savedBytes();
    d.document->setLocked(true);
    const ChannelImport read = parseChannelCsv(exportChannelCsv(source.model()), d.target());
    QVERIFY(read.ok());
    QVERIFY(!d.import(read));
    QCOMPARE(d.savedBytes(), before);
}

void TestChannelCsv::csvQuotingSurvives() {
    const QList<QStringList> rows = {{"a,b", "say \"hi\"", " padded ", "two\r\nlines", ""}, {"x"}};
    const csv::ReadResult read = csv::read(csv::write(rows, csv::ByteOrderMark::Without));
    QCOMPARE(read.error, csv::ReadError::None);
    QCOMPARE(read.records.size(), 2);
    QCOMPARE(read.records.at(0).fields, rows.at(0));
    QCOMPARE(read.records.at(1).line, 3); // the quoted line break counts
}

QTEST_GUILESS_MAIN(TestChannelCsv)
#include "tst_channelcsv.moc"
