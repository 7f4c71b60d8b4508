// A read or write of the radio whose replies are whatever the input says: the protocol
// engine and the operations around it against a radio that answers anything, at any time.
//
// Input: a byte of choices (read or write, program-code boxes, the block range), then the
// replies: for each command sent, a byte whose low six bits are the reply's length and top
// two bits its delay in steps of 5 ms, followed by the reply's bytes. When the input is
// used up, the line is gone (sending fails).
#include "OpeningPort.h"
#include "VirtualCommTime.h"

#include "comm/RadioTransfer.h"
#include "core/ErrorLog.h"
#include "core/ReservedCodes.h"

#include <cstdlib>
#include <deque>

using namespace qrt;
using namespace qrt::comm;

namespace {

// A line whose far end replies from the input, on the virtual clock.
class ScriptedLine : public test::OpeningPort {
public:
    ScriptedLine(QByteArray replies, const CommTimeSource& time) : m_replies(std::move(replies)), m_time(time) {}

    void clearInput() override {
        while (!m_arriving.empty() && m_arriving.front().dueUs <= m_time.nowUs())
            m_arriving.pop_front();
    }
    bool send(const QByteArray& bytes) override {
        if (!m_open || bytes.isEmpty() || m_next >= m_replies.size())
            return false;
        const quint8 head = quint8(m_replies.at(m_next++));
        const qint64 due = m_time.nowUs() + (head >> 6) * 5000;
        for (int i = 0; i < (head & 0x3F) && m_next < m_replies.size(); ++i)
            m_arriving.push_back({m_replies.at(m_next++), due});
        return true;
    }
    int bytesWaiting() override {
        int n = 0;
        for (const Byte& b : m_arriving) {
            if (b.dueUs > m_time.nowUs())
                break;
            ++n;
        }
        return n;
    }
    QByteArray readWaiting() override {
        QByteArray out;
        for (int n = bytesWaiting(); n > 0; --n) {
            out.append(m_arriving.front().value);
            m_arriving.pop_front();
        }
        return out;
    }
    QString device() const override { return QStringLiteral("fuzzed line"); }

private:
    struct Byte {
        char value;
        qint64 dueUs;
    };
    QByteArray m_replies;
    qsizetype m_next = 0;
    const CommTimeSource& m_time;
    std::deque<Byte> m_arriving;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1)
        return 0;
    static const InterfaceTexts texts = [] {
        InterfaceTexts t;
        t.load(Language::English);
        return t;
    }();
    const quint8 choices = data[0];
    const QByteArray replies(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));

    ErrorLog errors;
    test::VirtualCommTime time;
    RadioTransfer transfer(errors, [&](const QString&) { return std::make_unique<ScriptedLine>(replies, time); });
    transfer.clock().setTimeSource(&time);

    TransferJob job;
    job.kind = (choices & 1) ? TransferJob::Write : TransferJob::Read;
    job.device = QStringLiteral("fuzzed line");
    job.texts = texts;
    job.showBytes = choices & 2;
    job.codeFieldShown = choices & 4;
    job.newCodeTicked = choices & 8;
    job.newCodeText = QStringLiteral("K9");
    job.newCodeBlock = QByteArray(16, char(0xFF));
    job.reservedCodes = reservedProgramCodes();
    // One to four blocks, at the start of the memory or around the program-code bytes.
    const int start = (choices & 16) ? 0x380 : 0;
    job.readStart = job.writeStart = start;
    job.readEnd = job.writeEnd = start + 16 * (1 + ((choices >> 5) & 3)) - 1;
    job.image = RadioImage(0x2000);

    const TransferOutcome outcome = transfer.execute(job);
    // A read that did not succeed must leave the caller's data alone.
    if (job.kind == TransferJob::Read && outcome.result != TransferResult::Ok && outcome.image)
        std::abort();
    return 0;
}
