#include "comm/RadioTransfer.h"

namespace qrt::comm {

namespace {
// A message box lists this many differences; the rest is counted.
constexpr int ListedDifferences = 12;
} // namespace

QString RadioTransfer::differencesMessage(const QList<ByteDifference>& differences) const {
    const ExtraTexts& extra = m_job->extraTexts;
    QStringList lines;
    lines << extra.text(QStringLiteral("verify.differs")).arg(differences.size());
    for (qsizetype i = 0; i < differences.size() && i < ListedDifferences; ++i) {
        const ByteDifference& d = differences.at(i);
        lines << extra.text(QStringLiteral("verify.differenceLine"))
                     .arg(QStringLiteral("%1").arg(d.position, 4, 16, QLatin1Char('0')).toUpper(),
                          placeInWords(d.position, m_job->texts, extra), differenceByteText(d.ours),
                          differenceByteText(d.theirs));
    }
    if (differences.size() > ListedDifferences)
        lines << extra.text(QStringLiteral("verify.moreDifferences")).arg(differences.size() - ListedDifferences);
    return lines.join(QLatin1Char('\n'));
}

TransferResult RadioTransfer::verifyWrite() {
    const TransferJob* writeJob = m_job;
    TransferJob readBack = *writeJob;
    readBack.kind = TransferJob::Read;
    readBack.readStart = writeJob->writeStart;
    readBack.readEnd = writeJob->writeEnd;
    // The radio's program code is now the one the write sent.
    readBack.image = m_sent;
    readBack.newCodeTicked = false;
    m_job = &readBack;
    const RadioImage writtenImage = m_image;
    m_image = m_sent;
    m_progressPrefix = writeJob->extraTexts.text(QStringLiteral("verify.phase")) + QLatin1Char(' ');

    TransferResult result = beginOperation(TransferDirection::Read, false);
    RadioImage radio = m_image;
    if (result == TransferResult::Ok) {
        Q_EMIT statusChanged(m_progressPrefix);
        result = runSteps(TransferDirection::Read, radio);
        closePort();
        showStopBox(false);
        Q_EMIT lampChanged(false);
    }
    m_progressPrefix.clear();
    m_job = writeJob;
    m_image = writtenImage;

    const ExtraTexts& extra = writeJob->extraTexts;
    if (result != TransferResult::Ok) {
        m_outcome->problems << Result::failure(extra.text(QStringLiteral("verify.readFailed")));
        Q_EMIT statusChanged(extra.text(QStringLiteral("verify.failedStatus")));
    } else {
        const QSet<int>& kept = m_keptByRadio;
        m_outcome->differences = compareImages(m_sent, radio, writeJob->writeStart, writeJob->writeEnd,
                                               [&kept](int address) { return kept.contains(address); });
        m_outcome->verified = m_outcome->differences.isEmpty();
        if (!m_outcome->verified) {
            m_outcome->problems << Result::failure(differencesMessage(m_outcome->differences));
            result = TransferResult::VerifyFailed;
        }
        Q_EMIT statusChanged(extra.text(m_outcome->verified ? QStringLiteral("verify.okStatus")
                                                            : QStringLiteral("verify.failedStatus")));
    }
    Q_EMIT progressChanged(0);
    Q_EMIT operationActiveChanged(false);
    return result;
}

} // namespace qrt::comm
