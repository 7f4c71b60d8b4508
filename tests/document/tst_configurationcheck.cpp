#include "TestSupport.h"
#include "channels/ChannelTableModel.h"
#include "core/AppContext.h"
#include "document/ConfigurationCheck.h"
#include "document/Document.h"
#include "options/SettingsModel.h"

#include <QTest>

#include <functional>

using namespace qrt;

namespace {

using Edit = std::function<void(Document&)>;

// The factory data in English, the clean starting point of every case.
struct Factory {
    Factory() {
        context = std::make_unique<AppContext>(dir.path());
        context->load(Language::English);
        document = std::make_unique<Document>(*context);
        document->startUp();
        opened = document->openFile(dir.filePath(AppContext::FactoryFileName)).ok();
    }
    options::SettingsModel& settings() { return document->settings(); }
    channels::ChannelTableModel& channels() { return document->channelModel(); }
    // Bytes put into the image as the memory viewer would.
    void poke(int address, const char* hex) {
        document->writeBytes(address, QByteArray::fromHex(hex), QStringLiteral("test"));
    }

    test::TempAppDir dir;
    std::unique_ptr<AppContext> context;
    std::unique_ptr<Document> document;
    bool opened = false;
};

void scanNoChannel(Document& d) {
    for (int n = 1; n <= 16; ++n)
        d.channelModel().chooseOption(n, 7, 0);
}

} // namespace

Q_DECLARE_METATYPE(Edit)

class TestConfigurationCheck : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void factoryDataIsClean() {
        Factory f;
        QVERIFY(f.opened);
        QCOMPARE(configcheck::findingTexts(*f.document), QStringList());
    }

    void eachRuleFindsItsCase_data() {
        QTest::addColumn<Edit>("edit");
        QTest::addColumn<QStringList>("findings");
        const auto poke = [](int address, const char* hex) {
            return [=](Document& d) { d.writeBytes(address, QByteArray::fromHex(hex), QStringLiteral("test")); };
        };
        using Choices = std::vector<std::pair<const char*, int>>;
        const auto select = [](const Choices& choices) {
            return [choices](Document& d) {
                for (const auto& [name, item] : choices)
                    QVERIFY(d.settings().selectItem(QString::fromLatin1(name), item));
            };
        };

        QTest::newRow("receive outside the band")
            << Edit(poke(0x010, "00006013"))
            << QStringList{"Channel 1: The receive frequency 136 MHz is outside the band 400 to 470 MHz."};
        QTest::newRow("receive outside the radio's range")
            << Edit(poke(0x010, "00000060"))
            << QStringList{"Channel 1: The receive frequency 600 MHz is outside what the radio can use (120 to 550 "
                           "MHz)."};
        QTest::newRow("transmit outside the band")
            << Edit(poke(0x024, "00501247"))
            << QStringList{"Channel 2: The transmit frequency 471.25 MHz is outside the band 400 to 470 MHz."};
        QTest::newRow("two identical channels")
            << Edit(poke(0x030, "00252146002521469E029E0200000000"))
            << QStringList{"Channel 3: This channel is the same as channel 1 in every column."};
        QTest::newRow("busy lock on a tone without a tone") << Edit([](Document& d) {
            d.channelModel().setTone(4, 3, QStringLiteral("None"));
            d.channelModel().chooseOption(4, 8, 2);
        }) << QStringList{"Channel 4: Busy Lock is “CTCSS/DCS”, but Rx CTCSS/DCS is “None”."};
        QTest::newRow("PTT ID without its codes")
            << Edit([](Document& d) { d.channelModel().chooseOption(1, 10, 3); })
            << QStringList{"Channel 1: PTT ID is “BOT+EOT”, but PTT ID Begin of Tx (page DTMF) is empty.",
                           "Channel 1: PTT ID is “BOT+EOT”, but PTT ID End of Tx (page DTMF) is empty."};
        QTest::newRow("PTT ID with its code") << Edit([](Document& d) {
            d.settings().setText(QStringLiteral("txtPttEot"), QStringLiteral("123"));
            d.channelModel().chooseOption(1, 10, 2);
        }) << QStringList();
        QTest::newRow("DTMF decoding without an ID code")
            << Edit([](Document& d) { d.channelModel().chooseOption(2, 11, 1); })
            << QStringList{"Channel 2: Signaling is “DTMF”, but ID Code (page DTMF) is empty."};
        QTest::newRow("fixed priority without a channel")
            << Edit(select(Choices{{"cboScanPriChSort", 1}, {"cboPriCh", 0}}))
            << QStringList{"Scan: Priority is “Fixed”, but Priority Channel is “Off”."};
        QTest::newRow("priority channel empty") << Edit(select(Choices{{"cboScanPriChSort", 1}, {"cboPriCh", 12}}))
                                                << QStringList{"Scan: Priority Channel is channel 12, which is empty."};
        QTest::newRow("revert to a priority that is none")
            << Edit(select(Choices{{"cboScanPriChSort", 0}, {"cboScanTxMode", 3}}))
            << QStringList{"Scan: Revert Channel is “Priority+Talk Back”, but Priority is “None”."};
        QTest::newRow("emergency channel empty")
            << Edit(select(Choices{{"cboAlarmCh", 9}}))
            << QStringList{"Common Set: Emergency Channel is channel 9, which is empty."};
        QTest::newRow("automatic scan with nothing to scan")
            << Edit([](Document& d) {
                   scanNoChannel(d);
                   d.settings().setChecked(QStringLiteral("chkCh16Scan"), true);
               })
            << QStringList{
                   "Scan: S-Selector (16 CH Auto Enter Scan) starts scanning, but no channel has “Scan Add” on.",
                   "Key Assign: SK2(Short) starts scanning, but no channel has “Scan Add” on."};
        QTest::newRow("scan key with nothing to scan")
            << Edit(scanNoChannel)
            << QStringList{"Key Assign: SK2(Short) starts scanning, but no channel has “Scan Add” on."};
        QTest::newRow("pre-alert without time-out")
            << Edit(select(Choices{{"cboTot", 0}, {"cboPreTot", 3}}))
            << QStringList{"Common Set: TOT Pre-alert[s] is “3s”, but Time-out Timer[s] is “Off”."};
        QTest::newRow("radio ID announced without digits")
            << Edit([](Document& d) { d.settings().setChecked(QStringLiteral("chkAnRadioId"), true); })
            << QStringList{"Embedded Msg: Power On When Press PTT KEY: An Radio ID is on, but Radio ID has no digit."};
        QTest::newRow("reserved program code")
            << Edit([](Document& d) { d.settings().setText(QStringLiteral("txtRdWrCode"), QStringLiteral("888")); })
            << QStringList{"Radio Info: Program Code “888” is a reserved code that every radio accepts: it protects "
                           "nothing."};
        QTest::newRow("new program code empty")
            << Edit([](Document& d) { d.settings().setChecked(QStringLiteral("chkNewRdWrCode"), true); })
            << QStringList{"Radio Info: Set New Program Code is on, but New Program Code is empty: the radio will be "
                           "left without a program code."};
        QTest::newRow("new program code reserved")
            << Edit([](Document& d) {
                   d.settings().setChecked(QStringLiteral("chkNewRdWrCode"), true);
                   d.settings().setText(QStringLiteral("txtNewRdWrCode"), QStringLiteral("管理员"));
               })
            << QStringList{"Radio Info: New Program Code “管理员” is a reserved code that every radio accepts: it "
                           "protects nothing."};
        QTest::newRow("all channels empty")
            << Edit([](Document& d) { d.channelModel().deleteAll(); })
            << QStringList{"All channels are empty: the radio would have no channel to use."};
    }
    void eachRuleFindsItsCase() {
        QFETCH(Edit, edit);
        QFETCH(QStringList, findings);
        Factory f;
        QVERIFY(f.opened);
        edit(*f.document);
        QCOMPARE(configcheck::findingTexts(*f.document), findings);
    }

    // Where and what in the user's language, and nothing changed by looking.
    void findingsInTheUsersLanguage() {
        test::TempAppDir dir;
        AppContext context(dir.path());
        context.load(Language::SimplifiedChinese);
        Document document(context);
        document.startUp();
        QVERIFY(document.openFile(dir.filePath(AppContext::FactoryFileName)).ok());
        document.writeBytes(0x010, QByteArray::fromHex("00006013"), QStringLiteral("test"));
        const QByteArray before = document.image().bytes();
        const QList<configcheck::Finding> findings = configcheck::check(document);
        QCOMPARE(findings.size(), 1);
        QCOMPARE(findings.at(0).where, QStringLiteral("信道 1"));
        QCOMPARE(findings.at(0).text, QStringLiteral("信道 1：接收频率 136 MHz 超出频段 400 至 470 MHz。"));
        QCOMPARE(document.image().bytes(), before);
    }
};

QTEST_GUILESS_MAIN(TestConfigurationCheck)
#include "tst_configurationcheck.moc"
