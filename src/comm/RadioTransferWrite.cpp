#include "comm/RadioTransfer.h"

namespace qrt {

namespace {

constexpr int ProgramOptions = 0x367;
constexpr int ParamAddress = 0x3D0;
constexpr int ParamSize = 48;

const QString ProbeScript = QStringLiteral("TX50524F4752414DRX06TX5203D001RXVA03D001VAEN");
const QString LogFrequencies = QStringLiteral("写入:频率");
const QString LogModelBand = QStringLiteral("写入:机型和频段");
const QString LogParams = QStringLiteral("读取:对讲机的机型和参数");
const QString LogRadioParams = QStringLiteral("写入:收音机的SQL和音量及对讲机的参数");
const QString TimeoutLine = QStringLiteral("Rx: 未收到数据   第 串数据未收到");
const QString ShortTimeoutLine = QStringLiteral("Rx: 未收到数据");

} // namespace

bool RadioTransfer::fixedExchange(const QByteArray& packet, int need, quint8 first, bool extraPause,
                                  const QString& timeoutLine, QByteArray* reply, const QString& attemptLine) {
    SerialPort* port = m_port.get();
    for (int attempt = 0; attempt < FixedAttempts; ++attempt) {
        if (!attemptLine.isEmpty()) {
            m_log.addLine(attemptLine);
            CommClock::pause(5);
            m_clock.delayNms(5);
        }
        m_log.comDataShow(CommLog::Transmit, packet);
        port->clearOutput();
        port->send(packet);
        port->clearInput();
        int waits = 0;
        bool timedOut = false;
        while (port->bytesWaiting() < need) {
            m_clock.delayNms(1);
            if (extraPause)
                CommClock::pause(1);
            ++waits;
            if (m_stopRequested)
                waits = m_engine.maxWaitCount() + 40;
            if (waits > m_engine.maxWaitCount() + 30) {
                m_log.addLine(timeoutLine);
                timedOut = true;
                break;
            }
        }
        if (timedOut)
            continue;
        const QByteArray got = port->readWaiting();
        m_log.comDataShow(CommLog::Receive, got);
        if (got.size() >= need && quint8(got.at(0)) == first) {
            if (reply)
                *reply = got;
            return true;
        }
    }
    return false;
}

void RadioTransfer::writeCloseDown() {
    closePort();
    Q_EMIT lampChanged(false);
    Q_EMIT statusChanged(QString());
    showStopBox(false);
    Q_EMIT operationActiveChanged(false);
    CommClock::pause(20);
    // The image keeps what the write forced, whether or not the radio took it all.
    m_outcome->image = m_image;
}

TransferResult RadioTransfer::write() {
    if (const TransferResult started = commonStart(ProtocolTable::Write); started != TransferResult::Ok)
        return started;

    // The caller has brought the image up to date from the editors (channel table, side-key
    // lists); then the bytes the radio needs.
    RadioImage& image = m_image;
    image.setBit(ProgramOptions, 5, true);
    image.setBit(ProgramOptions, 0, true);
    for (int a : {0x360, 0x362}) {
        const quint8 s = image.at(a), l = image.at(a + 1);
        if (s == 0x0E && l == 0x00)
            image.set(a + 1, 0x0E);
        else if (s == 0x00 && l == 0x0E)
            image.set(a, 0x0E);
    }
    const bool f1 = image.bit(0x3FC, 7);
    const bool f2 = image.bit(0x3FE, 2);

    bool probed = false;
    m_engine.currentStep = 0;
    for (int attempt = 0; attempt < ProbeAttempts && !probed; ++attempt) {
        m_engine.convComCode(ProbeScript);
        m_engine.protocolCom();
        if (!m_engine.comStop()) {
            probed = true;
            if (m_engine.va(2) == 0x10)
                image.setBit(0x10D, 7, true);
        }
    }
    if (!probed) {
        m_outcome->messages << TextCommFailed;
        writeCloseDown();
        return TransferResult::CommFailed;
    }

    m_log.addLine(LogFrequencies);
    Q_EMIT statusChanged(text(TextWriting));
    TransferResult result = stepLoop(ProtocolTable::Write, image);
    if (result == TransferResult::Ok && !writeExtras(f1, f2)) {
        m_outcome->messages << TextCommFailed;
        result = TransferResult::CommFailed;
    }
    if (result == TransferResult::Ok) {
        m_outcome->advanceSerial = m_job->autoNextSerial;
        sendEndSequence();
    }
    writeCloseDown();
    return result;
}

bool RadioTransfer::writeExtras(bool f1, bool f2) {
    const RadioImage& image = m_image;
    const quint8 rd = m_engine.rdCodeByte(), wr = m_engine.wrCodeByte();

    CommClock::pause(3);
    m_clock.delayNms(3);
    m_log.addLine(LogModelBand);
    QByteArray packet;
    packet.append(char(wr)).append(char(0x03)).append(char(0x79)).append(char(0x05));
    packet.append(char(image.at(0x379)));
    packet.append(band::limitsBytes(m_job->bandLimits));
    if (!fixedExchange(packet, 1, 0x06, false, TimeoutLine))
        return false;

    CommClock::pause(5);
    m_clock.delayNms(5);
    m_log.addLine(LogParams);
    packet = QByteArray().append(char(rd)).append(char(0x03)).append(char(0xD0)).append(char(ParamSize));
    QByteArray reply;
    if (!fixedExchange(packet, 4 + ParamSize, wr, true, TimeoutLine, &reply))
        return false;
    const QByteArray params = reply.mid(4, ParamSize);
    m_outcome->paramBlock = params;
    const int v = quint8(params.at(4));
    const quint8 variant = quint8(params.at(3));

    if (v >= 22 && v <= 99 && v != 31) {
        packet = QByteArray().append(char(wr)).append(char(0x03)).append(char(0xF0)).append(char(0x10));
        packet.append(params.mid(32, 16));
        packet[10] = char(image.at(0x3F6));
        packet[11] = char(image.at(0x3F7));
        packet[16] = char((quint8(packet.at(16)) & 0x7F) | (f1 ? 0x80 : 0));
        packet[18] = char((quint8(packet.at(18)) & ~0x04) | (f2 ? 0x04 : 0));
        if (!fixedExchange(packet, 1, 0x06, false, ShortTimeoutLine, nullptr, LogRadioParams))
            return false;
    }

    if (v >= 100 && v <= 149 && (variant & 0x38) == 0x28) {
        struct Extra {
            int address;
            QByteArray data;
        };
        QList<Extra> extras;
        if (m_job->newCodeTicked) {
            const QByteArray& b = m_job->newCodeBlock;
            auto at = [&b](int i) { return i < b.size() ? b.at(i) : char(0xFF); };
            extras.append({0x385, QByteArray().append(at(5)).append(at(6)).append(at(7))});
            extras.append({0x38B, QByteArray().append(at(11)).append(at(12)).append(at(13))});
        }
        extras.append({0x360, image.mid(0x360, 16)});
        extras.append({0x3D9, image.mid(0x3D9, 7)});
        extras.append({0x3E0, image.mid(0x3E0, 12)});
        for (const Extra& e : extras) {
            CommClock::pause(2);
            m_clock.delayNms(2);
            const int last = e.address + int(e.data.size()) - 1;
            m_log.addLine(QStringLiteral("写入:0x%1 -- 0x%2的数据")
                              .arg(e.address, 4, 16, QLatin1Char('0'))
                              .arg(last, 4, 16, QLatin1Char('0'))
                              .toUpper()
                              .replace(QLatin1String("0X"), QLatin1String("0x")));
            packet = QByteArray()
                         .append(char(0x75))
                         .append(char(e.address >> 8))
                         .append(char(e.address & 0xFF))
                         .append(char(e.data.size()));
            packet.append(e.data);
            if (!fixedExchange(packet, 1, 0x06, true, TimeoutLine))
                return false;
        }
    }
    return true;
}

void RadioTransfer::sendEndSequence() {
    SerialPort* port = m_port.get();
    for (int i = 0; i < 6; ++i) {
        m_clock.delayNms(2);
        CommClock::pause(5);
        m_log.comDataShow(CommLog::Transmit, EndSequence);
        port->clearOutput();
        port->send(EndSequence);
    }
    CommClock::pause(1);
}

} // namespace qrt
