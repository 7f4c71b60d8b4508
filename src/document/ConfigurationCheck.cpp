#include "document/ConfigurationCheck.h"

#include "channels/FrequencyEntry.h"
#include "core/AppContext.h"
#include "core/ReservedCodes.h"
#include "document/Document.h"
#include "options/SettingsModel.h"

namespace qrt::configcheck {

namespace {

// Columns of the channel table and the values that matter here.
constexpr int DecodeToneColumn = 3;
constexpr int ScanColumn = 7;
constexpr int ScanOn = 1;
constexpr int BusyLockColumn = 8;
constexpr int BusyLockOnTone = 2;
constexpr int PttIdColumn = 10;
constexpr int PttIdAtBegin = 1;
constexpr int PttIdAtEnd = 2;
constexpr int SignalingColumn = 11;
constexpr int SignalingDtmf = 1;

// The captions of the settings pages and of the radio ID digits (interface texts).
constexpr int RadioInfoPage = 200;
constexpr int CommonPage = 201;
constexpr int KeyPage = 202;
constexpr int ScanPage = 204;
constexpr int DtmfPage = 205;
constexpr int MessagePage = 206;
constexpr int RadioIdCaption = 352;

// Item values of lists.
constexpr int PriorityNone = 0;
constexpr int PriorityFixed = 1;
constexpr int RevertToPriority = 2; // and 3, with talk back
constexpr int KeyScanItem = 3;      // "4--Scan", the same item in short and long lists
const char* const SideKeyLists[] = {"listSk1Short", "listSk1Long", "listSk2Short", "listSk2Long"};
const char* const RadioIdDigits[] = {"cboRadioId0", "cboRadioId1", "cboRadioId2",
                                     "cboRadioId3", "cboRadioId4", "cboRadioId5"};

QString plainCaption(QString caption) {
    caption.remove(QLatin1Char('&'));
    caption = caption.trimmed();
    while (caption.endsWith(u':') || caption.endsWith(u'：'))
        caption.chop(1);
    return caption;
}

class Checker {
public:
    explicit Checker(Document& document)
        : m_document(document), m_context(document.context()), m_channels(document.channels()),
          m_settings(document.settings()) {}

    QList<Finding> run() {
        checkChannels();
        checkSettings();
        return m_findings;
    }

private:
    QString text(const QString& key) const { return m_context.extraText(QStringLiteral("check.") + key); }
    QString page(int captionIndex) const { return plainCaption(m_context.text(textIdAt(captionIndex))); }
    QString channelWhere(int n) const { return text(QStringLiteral("channel")).arg(n); }
    void add(const QString& where, const QString& what) {
        m_findings.append({where, what, where.isEmpty() ? what : text(QStringLiteral("finding")).arg(where, what)});
    }

    // Settings controls.
    const options::Control* control(const char* name) const { return m_settings.control(QString::fromLatin1(name)); }
    int item(const char* name) const {
        const options::Control* c = control(name);
        return c ? c->item : -1;
    }
    bool checked(const char* name) const {
        const options::Control* c = control(name);
        return c && c->checked;
    }
    QString value(const char* name) const {
        const options::Control* c = control(name);
        if (!c)
            return {};
        return c->kind == options::ControlKind::Text ? c->text.trimmed() : c->itemText().trimmed();
    }
    QString caption(const char* name) const { return plainCaption(m_settings.undoTextOf(QString::fromLatin1(name))); }

    // Channel table columns.
    QString columnCaption(int column) const { return plainCaption(m_context.channelDef().captions().value(column)); }
    QString optionText(int column, int value) const {
        QString shown;
        return m_context.channelDef().optionText(column, value, &shown) ? shown.trimmed() : QString::number(value);
    }
    int option(int n, int column) const { return m_channels.value(n, column); }
    int channelCount() const { return qMin(m_context.channelDef().chCount, ChannelTable::Rows); }

    void butIs(const QString& where, const QString& first, const QString& firstValue, const QString& second,
               const QString& secondValue) {
        add(where, text(QStringLiteral("butIs")).arg(first, firstValue, second, secondValue));
    }
    void butEmpty(const QString& where, const QString& first, const QString& firstValue, const QString& second) {
        add(where, text(QStringLiteral("butEmpty")).arg(first, firstValue, second));
    }

    void checkChannels() {
        for (int n = 1; n <= channelCount(); ++n) {
            if (!m_channels.isInUse(n))
                continue;
            m_anyInUse = true;
            checkFrequency(n, ChannelTable::RxColumn, QStringLiteral("rx"));
            if (m_channels.hasTransmit(n))
                checkFrequency(n, ChannelTable::TxColumn, QStringLiteral("tx"));
            checkSameAsEarlier(n);
            checkChannelOptions(n);
        }
        if (!m_anyInUse)
            add(QString(), text(QStringLiteral("allEmpty")));
    }

    void checkFrequency(int n, int column, const QString& direction) {
        const qint32 frequency = m_channels.value(n, column);
        const band::Limits range = m_document.absoluteLimits();
        const band::Limits band = m_document.bandLimits();
        QString key;
        band::Limits limits;
        if (frequency < range.min || frequency > range.max) {
            key = direction + QStringLiteral("OutsideRange");
            limits = range;
        } else if (frequency < band.min || frequency > band.max) {
            key = direction + QStringLiteral("OutsideBand");
            limits = band;
        } else {
            return;
        }
        add(channelWhere(n),
            text(key).arg(channels::frequencyCellText(frequency), channels::frequencyCellText(limits.min),
                          channels::frequencyCellText(limits.max)));
    }

    bool sameChannels(int a, int b) const {
        for (int column = ChannelTable::RxColumn; column <= ChannelTable::LastOptionColumn; ++column) {
            if (m_channels.value(a, column) != m_channels.value(b, column))
                return false;
        }
        return m_channels.decodeTone(a) == m_channels.decodeTone(b) &&
               (!m_channels.hasTransmit(a) || m_channels.encodeTone(a) == m_channels.encodeTone(b));
    }

    void checkSameAsEarlier(int n) {
        for (int earlier = 1; earlier < n; ++earlier) {
            if (m_channels.isInUse(earlier) && sameChannels(earlier, n)) {
                add(channelWhere(n), text(QStringLiteral("sameAs")).arg(earlier));
                return;
            }
        }
    }

    void checkChannelOptions(int n) {
        const QString where = channelWhere(n);
        const QString noTone = m_context.tones().noneText();
        const QString decodeTone = m_channels.decodeTone(n);
        if (option(n, BusyLockColumn) == BusyLockOnTone && (decodeTone.isEmpty() || decodeTone == noTone))
            butIs(where, columnCaption(BusyLockColumn), optionText(BusyLockColumn, BusyLockOnTone),
                  columnCaption(DecodeToneColumn), noTone);
        const int pttId = option(n, PttIdColumn);
        if (m_channels.hasTransmit(n)) {
            const QString pttIdText = optionText(PttIdColumn, pttId);
            if ((pttId & PttIdAtBegin) && value("txtPttBot").isEmpty())
                butEmpty(where, columnCaption(PttIdColumn), pttIdText, pageOption(DtmfPage, "txtPttBot"));
            if ((pttId & PttIdAtEnd) && value("txtPttEot").isEmpty())
                butEmpty(where, columnCaption(PttIdColumn), pttIdText, pageOption(DtmfPage, "txtPttEot"));
        }
        if (option(n, SignalingColumn) == SignalingDtmf && value("txtDtmfIdCode").isEmpty())
            butEmpty(where, columnCaption(SignalingColumn), optionText(SignalingColumn, SignalingDtmf),
                     pageOption(DtmfPage, "txtDtmfIdCode"));
    }

    // "DTMF, ID Code": an option named with its page, for findings of another place.
    QString pageOption(int pageCaption, const char* name) const {
        return text(QStringLiteral("pageOption")).arg(page(pageCaption), caption(name));
    }

    void checkSettings() {
        checkScan();
        checkEmergencyChannel();
        checkTimeOut();
        checkRadioId();
        checkProgramCodes();
    }

    bool anyChannelScanned() const {
        for (int n = 1; n <= channelCount(); ++n) {
            if (m_channels.isInUse(n) && option(n, ScanColumn) == ScanOn)
                return true;
        }
        return false;
    }

    void checkScan() {
        const QString scanPage = page(ScanPage);
        const int priority = item("cboScanPriChSort");
        const int priorityChannel = item("cboPriCh");
        if (priority == PriorityFixed && priorityChannel == 0)
            butIs(scanPage, caption("cboScanPriChSort"), value("cboScanPriChSort"), caption("cboPriCh"),
                  value("cboPriCh"));
        else if (priority == PriorityFixed && !m_channels.isInUse(priorityChannel))
            add(scanPage, text(QStringLiteral("pointsAtEmpty")).arg(caption("cboPriCh")).arg(priorityChannel));
        if (priority == PriorityNone && item("cboScanTxMode") >= RevertToPriority)
            butIs(scanPage, caption("cboScanTxMode"), value("cboScanTxMode"), caption("cboScanPriChSort"),
                  value("cboScanPriChSort"));

        // With no channel at all, that is the finding.
        if (!m_anyInUse || anyChannelScanned())
            return;
        const QString scanAdd = columnCaption(ScanColumn);
        if (checked("chkCh16Scan"))
            add(scanPage, text(QStringLiteral("noScanChannel")).arg(caption("chkCh16Scan"), scanAdd));
        for (const char* key : SideKeyLists) {
            if (item(key) == KeyScanItem)
                add(page(KeyPage), text(QStringLiteral("noScanChannel")).arg(caption(key), scanAdd));
        }
    }

    void checkEmergencyChannel() {
        const int channel = item("cboAlarmCh"); // 0: the selected channel, n: channel n
        if (channel >= 1 && !m_channels.isInUse(channel))
            add(page(CommonPage), text(QStringLiteral("pointsAtEmpty")).arg(caption("cboAlarmCh")).arg(channel));
    }

    void checkTimeOut() {
        if (item("cboTot") == 0 && item("cboPreTot") > 0)
            butIs(page(CommonPage), caption("cboPreTot"), value("cboPreTot"), caption("cboTot"), value("cboTot"));
    }

    void checkRadioId() {
        if (!checked("chkAnRadioId"))
            return;
        for (const char* digit : RadioIdDigits) {
            if (item(digit) > 0)
                return;
        }
        add(page(MessagePage), text(QStringLiteral("noRadioId"))
                                   .arg(caption("chkAnRadioId"), plainCaption(m_context.text(textIdAt(RadioIdCaption)))));
    }

    void checkProgramCodes() {
        const QString where = page(RadioInfoPage);
        const QStringList reserved = reservedProgramCodes();
        const QString code = value("txtRdWrCode");
        if (reserved.contains(code))
            add(where, text(QStringLiteral("reservedCode")).arg(caption("txtRdWrCode"), code));
        if (!checked("chkNewRdWrCode"))
            return;
        const QString newCode = value("txtNewRdWrCode");
        if (newCode.isEmpty())
            add(where, text(QStringLiteral("newCodeEmpty")).arg(caption("chkNewRdWrCode"), caption("txtNewRdWrCode")));
        else if (reserved.contains(newCode))
            add(where, text(QStringLiteral("reservedCode")).arg(caption("txtNewRdWrCode"), newCode));
    }

    Document& m_document;
    const AppContext& m_context;
    const ChannelTable& m_channels;
    options::SettingsModel& m_settings;
    QList<Finding> m_findings;
    bool m_anyInUse = false;
};

} // namespace

QList<Finding> check(Document& document) {
    // A cell being edited counts as it would be written.
    document.encodeChannels();
    return Checker(document).run();
}

QStringList findingTexts(Document& document) {
    QStringList texts;
    for (const Finding& finding : check(document))
        texts << finding.text;
    return texts;
}

} // namespace qrt::configcheck
