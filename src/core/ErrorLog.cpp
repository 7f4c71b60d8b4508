#include "core/ErrorLog.h"

#include <algorithm>

namespace qrt {

void ErrorLog::logErr(const QString& tag, int number, const QString& source) {
    const std::lock_guard lock(m_mutex);
    const QDateTime now = m_clock ? m_clock() : QDateTime::currentDateTime();
    ++m_count;
    m_lastTag = tag;
    m_lastNumber = number;
    const QString header = headerLine(now);
    const QString detail = detailLine(tag, number, source);
    // A sink may unsubscribe while being called; iterate over a copy.
    const auto sinks = m_sinks;
    for (const auto& [id, sink] : sinks) {
        if (sink)
            sink(header, detail);
    }
}

int ErrorLog::subscribe(Sink sink) {
    const std::lock_guard lock(m_mutex);
    const int id = m_nextId++;
    m_sinks.emplace_back(id, std::move(sink));
    return id;
}

void ErrorLog::unsubscribe(int id) {
    const std::lock_guard lock(m_mutex);
    m_sinks.erase(std::remove_if(m_sinks.begin(), m_sinks.end(), [id](const auto& entry) { return entry.first == id; }),
                  m_sinks.end());
}

void ErrorLog::setClock(Clock clock) {
    const std::lock_guard lock(m_mutex);
    m_clock = std::move(clock);
}

int ErrorLog::count() const {
    const std::lock_guard lock(m_mutex);
    return m_count;
}

QString ErrorLog::lastTag() const {
    const std::lock_guard lock(m_mutex);
    return m_lastTag;
}

int ErrorLog::lastNumber() const {
    const std::lock_guard lock(m_mutex);
    return m_lastNumber;
}

QString ErrorLog::headerLine(const QDateTime& when) {
    return QStringLiteral("---------") + when.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")) +
           QStringLiteral("--------");
}

QString ErrorLog::detailLine(const QString& tag, int number, const QString& source) {
    return QStringLiteral("    ") + QStringLiteral("     错误:  ") + tag + QStringLiteral("     出错号:  ") +
           QString::number(number) + QStringLiteral("     出错点:  ") + source + QStringLiteral("     出错描述:  ") +
           errorDescription(number);
}

} // namespace qrt
