#include "comm/CommLog.h"

namespace qrt::comm {

void CommLog::clear() {
    m_lines.clear();
    m_lineCount = 0;
    if (cleared)
        cleared();
}

void CommLog::addLine(const QString& line) {
    m_lines.insert(qMin(m_lineCount, int(m_lines.size())), line);
    if (lineAdded)
        lineAdded(m_lineCount, line);
    ++m_lineCount;
}

void CommLog::logBytes(ByteDirection direction, const QByteArray& bytes) {
    if (!showBytes)
        return;
    if (m_lineCount > MaxLines)
        clear();
    for (const QString& line : formatLines(direction, bytes))
        addLine(line);
}

QStringList CommLog::formatLines(ByteDirection direction, const QByteArray& bytes) {
    const QString prefix = direction == ByteDirection::Transmit ? QStringLiteral("Tx: ") : QStringLiteral("Rx: ");
    QStringList out;
    QString text;
    for (int i = 0; i < bytes.size(); ++i) {
        text += QStringLiteral("%1 ").arg(quint8(bytes.at(i)), 2, 16, QLatin1Char('0')).toUpper();
        if (i == 3) {
            out << prefix + text;
            text.clear();
        } else if (i > 3 && i % 16 == 3) {
            out << QStringLiteral("       ") + text;
            text.clear();
        }
    }
    if (out.isEmpty())
        out << prefix + text;
    else if (!text.isEmpty())
        out << QStringLiteral("    ") + text;
    return out;
}

} // namespace qrt::comm
