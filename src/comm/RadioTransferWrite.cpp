#include "comm/RadioTransfer.h"

#include "core/MemoryLayout.h"

namespace qrt::comm {

namespace {

constexpr int ParamSize = layout::RadioParameters.size();
// A side key whose one press is 0x0E (and the other 0x00) gets 0x0E for both.
constexpr quint8 SideKeyBothPresses = 0x0E;

// The command bytes of a packet that reads or writes `count` bytes at `address`.
QByteArray packetHead(quint8 command, int address, int count) {
    return QByteArray()
        .append(char(command))
        .append(char(address >> 8))
        .append(char(address & 0xFF))
        .append(char(count));
}

int packetIndexOf(int address) {
    return 4 + address - layout::BroadcastRadioParameters.first;
}

const QString ProbeScript = QStringLiteral("TX50524F4752414DRX06TX5203D001RXVA03D001VAEN");
const QString LogFrequencies = QStringLiteral("写入:频率");
const QString LogModelBand = QStringLiteral("写入:机型和频段");
const QString LogParams = QStringLiteral("读取:对讲机的机型和参数");
const QString LogRadioParams = QStringLiteral("写入:收音机的SQL和音量及对讲机的参数");
const QString TimeoutLine = QStringLiteral("Rx: 未收到数据   第 串数据未收到");
const QString ShortTimeoutLine = QStringLiteral("Rx: 未收到数据");

} // namespace

void forceWrittenBytes(RadioImage& image) {
    for (const layout::BitAt forced : {layout::ForcedProgramOption1, layout::ForcedProgramOption2})
        image.setBit(forced.address, forced.bit, true);
    for (int a : {layout::SideKey1Press, layout::SideKey2Press}) {
        const quint8 s = image.at(a), l = image.at(a + 1);
        if (s == SideKeyBothPresses && l == 0x00)
            image.set(a + 1, SideKeyBothPresses);
        else if (s == 0x00 && l == SideKeyBothPresses)
            image.set(a, SideKeyBothPresses);
    }
}

RadioImage imageAsWritten(const TransferJob& job, const RadioImage& radio) {
    RadioImage image = job.image;
    forceWrittenBytes(image);
    const layout::BitAt probe = layout::ProbeMarkBit;
    if (radio.bit(probe.address, probe.bit))
        image.setBit(probe.address, probe.bit, true);
    image.set(layout::ModelIndex, job.image.at(layout::ModelIndex));
    image.write(layout::BandLimits.first, band::limitsBytes(job.bandLimits));
    return image;
}

bool writeLeavesToRadio(int address) {
    return layout::RadioParameters.contains(address);
}

bool RadioTransfer::fixedExchange(const QByteArray& packet, int need, quint8 first, bool extraPause,
                                  const QString& timeoutLine, QByteArray* reply, const QString& attemptLine) {
    SerialPort* port = m_port.get();
    for (int attempt = 0; attempt < FixedAttempts; ++attempt) {
        if (!attemptLine.isEmpty()) {
            m_log.addLine(attemptLine);
            m_clock.sleepMs(5);
            m_clock.waitAtLeastMs(5);
        }
        m_log.logBytes(ByteDirection::Transmit, packet);
        port->clearOutput();
        port->send(packet);
        port->clearInput();
        int waits = 0;
        bool timedOut = false;
        while (port->bytesWaiting() < need) {
            m_clock.waitAtLeastMs(1);
            if (extraPause)
                m_clock.sleepMs(1);
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
        m_log.logBytes(ByteDirection::Receive, got);
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
    m_clock.sleepMs(20);
    // The image keeps what the write forced, whether or not the radio took it all.
    m_outcome->image = m_image;
}

TransferResult RadioTransfer::write() {
    if (const TransferResult started = beginOperation(TransferDirection::Write); started != TransferResult::Ok)
        return started;

    // The caller has brought the image up to date from the editors (channel table, side-key
    // lists); then the bytes the radio needs.
    RadioImage& image = m_image;
    forceWrittenBytes(image);
    const BroadcastRadioBits radioBits{image.bit(layout::BroadcastRadioBitA.address, layout::BroadcastRadioBitA.bit),
                                       image.bit(layout::BroadcastRadioBitB.address, layout::BroadcastRadioBitB.bit)};

    bool probed = false;
    m_engine.currentStep = 0;
    for (int attempt = 0; attempt < ProbeAttempts && !probed; ++attempt) {
        m_engine.loadScript(ProbeScript);
        m_engine.runScript();
        if (!m_engine.replyFailed()) {
            probed = true;
            if (m_engine.scriptByte(2) == 0x10)
                image.setBit(layout::ProbeMarkBit.address, layout::ProbeMarkBit.bit, true);
        }
    }
    if (!probed) {
        tellProblem(TextId::CommunicationFailed);
        writeCloseDown();
        return TransferResult::CommFailed;
    }
    m_sent = image;
    m_keptByRadio.clear();
    for (int a = layout::RadioParameters.first; a <= layout::RadioParameters.last; ++a)
        m_keptByRadio.insert(a);

    m_log.addLine(LogFrequencies);
    Q_EMIT statusChanged(text(TextId::Writing));
    TransferResult result = runSteps(TransferDirection::Write, image);
    if (result == TransferResult::Ok && !writeClosingPackets(radioBits)) {
        tellProblem(TextId::CommunicationFailed);
        result = TransferResult::CommFailed;
    }
    if (result == TransferResult::Ok)
        sendEndSequence();
    writeCloseDown();
    if (result == TransferResult::Ok && m_job->verifyAfterWrite)
        result = verifyWrite();
    // A serial number moves on only once the radio took it.
    if (result == TransferResult::Ok)
        m_outcome->advanceSerial = m_job->autoNextSerial;
    return result;
}

void RadioTransfer::noteSent(int address, const QByteArray& bytes) {
    m_sent.write(address, bytes);
    for (int i = 0; i < bytes.size(); ++i)
        m_keptByRadio.remove(address + i);
}

bool RadioTransfer::writeClosingPackets(BroadcastRadioBits radioBits) {
    const RadioImage& image = m_image;
    const quint8 rd = m_engine.readCodeByte(), wr = m_engine.writeCodeByte();

    m_clock.sleepMs(3);
    m_clock.waitAtLeastMs(3);
    m_log.addLine(LogModelBand);
    QByteArray packet = packetHead(wr, layout::ModelIndex, 1 + layout::BandLimits.size());
    packet.append(char(image.at(layout::ModelIndex)));
    packet.append(band::limitsBytes(m_job->bandLimits));
    if (!fixedExchange(packet, 1, 0x06, false, TimeoutLine))
        return false;
    noteSent(layout::ModelIndex, packet.mid(4));

    m_clock.sleepMs(5);
    m_clock.waitAtLeastMs(5);
    m_log.addLine(LogParams);
    packet = packetHead(rd, layout::RadioParameters.first, ParamSize);
    QByteArray reply;
    if (!fixedExchange(packet, 4 + ParamSize, wr, true, TimeoutLine, &reply))
        return false;
    const QByteArray params = reply.mid(4, ParamSize);
    m_outcome->paramBlock = params;
    const int v = quint8(params.at(layout::RadioParametersVersion - layout::RadioParameters.first));
    const quint8 variant = quint8(params.at(layout::RadioParametersVariant - layout::RadioParameters.first));

    if (v >= 22 && v <= 99 && v != 31) {
        const layout::AddressRange own = layout::BroadcastRadioParameters;
        packet = packetHead(wr, own.first, own.size());
        packet.append(params.mid(own.first - layout::RadioParameters.first, own.size()));
        for (int a = layout::BroadcastRadioFromImage.first; a <= layout::BroadcastRadioFromImage.last; ++a)
            packet[packetIndexOf(a)] = char(image.at(a));
        const auto putBit = [&packet](layout::BitAt at, bool on) {
            const int i = packetIndexOf(at.address);
            const quint8 mask = quint8(1u << at.bit);
            packet[i] = char((quint8(packet.at(i)) & ~mask) | (on ? mask : 0));
        };
        putBit(layout::BroadcastRadioBitA, radioBits.bitA);
        putBit(layout::BroadcastRadioBitB, radioBits.bitB);
        if (!fixedExchange(packet, 1, 0x06, false, ShortTimeoutLine, nullptr, LogRadioParams))
            return false;
        // The rest of the packet is the radio's own, bits A and B share their bytes with it.
        const layout::AddressRange fromImage = layout::BroadcastRadioFromImage;
        noteSent(fromImage.first, packet.mid(packetIndexOf(fromImage.first), fromImage.size()));
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
            // The block is laid out like AccessCodesAndTimings from its first address on.
            for (const layout::AddressRange code : {layout::ProgramCodeFirst, layout::ProgramCodeSecond}) {
                QByteArray data;
                for (int a = code.first; a <= code.last; ++a)
                    data.append(at(a - layout::AccessCodesAndTimings.first));
                extras.append({code.first, data});
            }
        }
        for (const layout::AddressRange block :
             {layout::CommonOptionBytes, layout::DtmfTimings, layout::TwoToneTimings})
            extras.append({block.first, image.mid(block.first, block.size())});
        for (const Extra& e : extras) {
            m_clock.sleepMs(2);
            m_clock.waitAtLeastMs(2);
            const int last = e.address + int(e.data.size()) - 1;
            m_log.addLine(QStringLiteral("写入:0x%1 -- 0x%2的数据")
                              .arg(e.address, 4, 16, QLatin1Char('0'))
                              .arg(last, 4, 16, QLatin1Char('0'))
                              .toUpper()
                              .replace(QLatin1String("0X"), QLatin1String("0x")));
            packet = packetHead(ProtocolTable::AlternateWriteCommand, e.address, int(e.data.size())) + e.data;
            if (!fixedExchange(packet, 1, 0x06, true, TimeoutLine))
                return false;
            noteSent(e.address, e.data);
        }
    }
    return true;
}

void RadioTransfer::sendEndSequence() {
    SerialPort* port = m_port.get();
    for (int i = 0; i < 6; ++i) {
        m_clock.waitAtLeastMs(2);
        m_clock.sleepMs(5);
        m_log.logBytes(ByteDirection::Transmit, EndSequence);
        port->clearOutput();
        port->send(EndSequence);
    }
    m_clock.sleepMs(1);
}

} // namespace qrt::comm
