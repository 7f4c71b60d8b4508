#include "ChannelFixture.h"
#include "channels/ChannelPaste.h"

#include <QSignalSpy>
#include <QTest>

using namespace qrt;
using namespace qrt::test;
using channels::ChannelTableModel;

namespace {

// Channel 1 with 440.15 MHz, 67.0 and D023N; channel 2 receive only with 67.0; the rest empty.
struct PasteFixture : ChannelFixture {
    PasteFixture() {
        data->image.write(ChannelTable::recordAddress(1), QByteArray::fromHex(Record440));
        data->image.write(ChannelTable::recordAddress(2), QByteArray::fromHex(RecordReceiveOnly));
        model->reloadFromImage();
    }
    QStringList rows(int first, int last) const {
        QStringList list;
        for (int n = first; n <= last; ++n)
            list << rowTexts(n).join(QLatin1Char('|'));
        return list;
    }
};

QString row(std::initializer_list<const char*> first4, const QStringList& options = DefaultOptions) {
    return texts(first4, options).join(QLatin1Char('|'));
}

const QString EmptyRow = QStringList(13, QString()).join(QLatin1Char('|'));
const QString Row1 = row({"440.15", "440.15", "67.0", "D023N"});
const QString Row2 = row({"440.15", "", "67.0", ""});

} // namespace

class TestChannelPaste : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void pastedText_data();
    void pastedText();
    void pasteIsOneEditAndKeepsTheCursor();
    void copiedRowsPasteBackTheSame();
    void cutClearsFrequenciesAsOneEdit_data();
    void cutClearsFrequenciesAsOneEdit();
    void lockRefusesPasteAndCut();
    void textIntoCells_data();
    void textIntoCells();
};

// Each case pastes onto the fixture's channels 1 to 3; a refused paste changes nothing.
void TestChannelPaste::pastedText_data() {
    QTest::addColumn<int>("channel");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("refusal");   // empty: pasted
    QTest::addColumn<QStringList>("after"); // channels 1 to 3

    QTest::newRow("a frequency makes a new channel")
        << 3 << 1 << "435.0031"
        << "" << QStringList{Row1, Row2, row({"435.005", "435.005", "None", "None"})};
    QTest::newRow("a spreadsheet row with CRLF and a trailing tab")
        << 3 << 1 << "446.00625\t446.1\t67\t023i\tNarrow\tLow\tOff\tOff\tOff\tOff\tOff\tOff\tOff\t\r\n"
        << ""
        << QStringList{Row1, Row2,
                       row({"446.00625", "446.1", "67.0", "D023I"},
                           {"Narrow", "Low", "Off", "Off", "Off", "Off", "Off", "Off", "Off"})};
    QTest::newRow("two rows, the first receive only")
        << 2 << 1 << "450\t\r\n460\t465\r\n"
        << "" << QStringList{Row1, row({"450", "", "67.0", ""}), row({"460", "465", "None", "None"})};
    QTest::newRow("quoted cells") << 3 << 1 << "\"446\"\t\" 447 \""
                                  << "" << QStringList{Row1, Row2, row({"446", "447", "None", "None"})};
    QTest::newRow("the none text") << 1 << 3 << "None"
                                   << "" << QStringList{row({"440.15", "440.15", "None", "None"}), Row2, EmptyRow};
    QTest::newRow("options by text and by number")
        << 1 << 5 << "Narrow\t#1"
        << ""
        << QStringList{row({"440.15", "440.15", "67.0", "D023N"},
                           {"Narrow", "Low", "On", "Off", "Off", "Off", "Off", "Off", "Off"}),
                       Row2, EmptyRow};
    QTest::newRow("empty option and tone cells keep theirs")
        << 1 << 4 << "\t\tLow"
        << ""
        << QStringList{row({"440.15", "440.15", "67.0", "D023N"},
                           {"Wide", "Low", "On", "Off", "Off", "Off", "Off", "Off", "Off"}),
                       Row2, EmptyRow};
    QTest::newRow("an empty receive cell removes the channel") << 1 << 1 << "\n"
                                                               << "" << QStringList{EmptyRow, Row2, EmptyRow};
    QTest::newRow("empty cells beyond the last column")
        << 1 << 13 << "On\t\t\n"
        << ""
        << QStringList{row({"440.15", "440.15", "67.0", "D023N"},
                           {"Wide", "High", "On", "Off", "Off", "Off", "Off", "Off", "On"}),
                       Row2, EmptyRow};

    const QStringList unchanged{Row1, Row2, EmptyRow};
    QTest::newRow("not a frequency") << 1 << 1 << "abc"
                                     << "channel 1 Rx Freq[MHz]: \"abc\" is not a frequency." << unchanged;
    QTest::newRow("not a tone") << 1 << 3 << "D089N"
                                << "channel 1 Rx CTCSS/DCS: \"D089N\" is not a CTCSS or DCS tone." << unchanged;
    QTest::newRow("not an option") << 1 << 5 << "Medium"
                                   << "channel 1 Bandwidth: \"Medium\" is not one of the column's options."
                                   << unchanged;
    QTest::newRow("transmit of an empty channel")
        << 3 << 2 << "440"
        << "channel 3 Tx Freq[MHz]: the channel has no receive frequency, so \"440\" cannot go there." << unchanged;
    QTest::newRow("encode tone without transmit")
        << 2 << 4 << "67.0"
        << "channel 2 Tx CTCSS/DCS: the channel has no transmit frequency, so \"67.0\" cannot go there." << unchanged;
    QTest::newRow("beyond the last channel")
        << 16 << 1 << "440\n441"
        << "The pasted cells reach beyond the table (channels 1 to 16, columns 1 to 13)." << unchanged;
    QTest::newRow("beyond the last column")
        << 1 << 13 << "Off\tOff"
        << "The pasted cells reach beyond the table (channels 1 to 16, columns 1 to 13)." << unchanged;
    QTest::newRow("a refused second row undoes the first")
        << 3 << 1 << "446\n447\tabc"
        << "channel 4 Tx Freq[MHz]: \"abc\" is not a frequency." << unchanged;
}

void TestChannelPaste::pastedText() {
    QFETCH(int, channel);
    QFETCH(int, column);
    QFETCH(QString, text);
    QFETCH(QString, refusal);
    QFETCH(QStringList, after);
    PasteFixture f;
    const QByteArray imageBefore = f.data->image.bytes();
    const channels::PasteOutcome outcome = channels::pasteCells(*f.model, channel, column, text);
    QCOMPARE(outcome.refusal, refusal);
    QCOMPARE(outcome.pasted, refusal.isEmpty());
    QCOMPARE(f.rows(1, 3), after);
    if (!outcome.pasted) {
        QCOMPARE(f.rows(4, 16), QStringList(13, EmptyRow));
        QVERIFY(f.data->image.bytes() == imageBefore);
    }
}

void TestChannelPaste::pasteIsOneEditAndKeepsTheCursor() {
    PasteFixture f;
    EditRecorder recorder(*f.model);
    QSignalSpy moves(f.model.get(), &ChannelTableModel::cellAfterEditRequested);
    QVERIFY(channels::pasteCells(*f.model, 3, 1, "446\t447\n448\n449").pasted);
    QCOMPARE(recorder.outerPairs, 1);
    QVERIFY(!recorder.unbalanced);
    QCOMPARE(recorder.depth, 0);
    QCOMPARE(moves.count(), 0);
    // A refused paste opens no edit at all.
    QVERIFY(!channels::pasteCells(*f.model, 3, 1, "446\tx").pasted);
    QCOMPARE(recorder.outerPairs, 1);
}

void TestChannelPaste::copiedRowsPasteBackTheSame() {
    PasteFixture f;
    QVERIFY(f.model->chooseOption(1, 6, 1));
    const QString copied = channels::copiedCells(*f.model, {1, 1, 3, 13});
    QCOMPARE(copied.count(QLatin1Char('\n')), 3);
    QCOMPARE(copied.section(QLatin1Char('\n'), 0, 0).split(QLatin1Char('\t')).size(), 13);
    QVERIFY(channels::pasteCells(*f.model, 5, 1, copied).pasted);
    QCOMPARE(f.rows(5, 7), f.rows(1, 3));
    f.model->encodeIntoImage();
    QCOMPARE(f.record(5), f.record(1));
}

void TestChannelPaste::cutClearsFrequenciesAsOneEdit_data() {
    QTest::addColumn<int>("firstColumn");
    QTest::addColumn<int>("lastColumn");
    QTest::addColumn<QStringList>("after");
    QTest::newRow("whole rows") << 1 << 13 << QStringList{EmptyRow, EmptyRow};
    QTest::newRow("transmit and tones") << 2 << 4 << QStringList{row({"440.15", "", "67.0", ""}), Row2};
    QTest::newRow("options only") << 5 << 13 << QStringList{Row1, Row2};
}

void TestChannelPaste::cutClearsFrequenciesAsOneEdit() {
    QFETCH(int, firstColumn);
    QFETCH(int, lastColumn);
    QFETCH(QStringList, after);
    PasteFixture f;
    EditRecorder recorder(*f.model);
    QVERIFY(channels::clearCells(*f.model, {1, firstColumn, 2, lastColumn}));
    QCOMPARE(f.rows(1, 2), after);
    QCOMPARE(recorder.outerPairs, 1);
}

void TestChannelPaste::lockRefusesPasteAndCut() {
    PasteFixture f;
    f.model->setLocked(true);
    const channels::PasteOutcome outcome = channels::pasteCells(*f.model, 3, 1, "446");
    QVERIFY(!outcome.pasted);
    QCOMPARE(outcome.refusal, QStringLiteral("The channels are locked."));
    QVERIFY(!channels::clearCells(*f.model, {1, 1, 2, 13}));
    QCOMPARE(f.rows(1, 3), (QStringList{Row1, Row2, EmptyRow}));
}

void TestChannelPaste::textIntoCells_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QList<QStringList>>("rows");
    QTest::newRow("nothing") << "" << QList<QStringList>{};
    QTest::newRow("CRLF, LF and CR") << "a\tb\r\nc\nd\re\r\n" << QList<QStringList>{{"a", "b"}, {"c"}, {"d"}, {"e"}};
    QTest::newRow("trailing tab and blanks") << " a \t\n" << QList<QStringList>{{"a", ""}};
    QTest::newRow("an empty line inside") << "a\n\nb" << QList<QStringList>{{"a"}, {""}, {"b"}};
    QTest::newRow("quotes") << "\"a \"\"b\"\"\"\t\"c" << QList<QStringList>{{"a \"b\"", "\"c"}};
}

void TestChannelPaste::textIntoCells() {
    QFETCH(QString, text);
    QFETCH(QList<QStringList>, rows);
    QCOMPARE(channels::pastedRows(text), rows);
}

QTEST_MAIN(TestChannelPaste)
#include "tst_channelpaste.moc"
