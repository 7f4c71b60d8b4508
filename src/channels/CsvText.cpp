#include "channels/CsvText.h"

#include <QStringDecoder>

#include <algorithm>

namespace qrt::channels::csv {

namespace {

const QByteArray Utf8ByteOrderMark = QByteArrayLiteral("\xEF\xBB\xBF");

bool isTextCharacter(QChar ch) {
    const char16_t code = ch.unicode();
    return code >= 0x20 || code == u'\t' || code == u'\r' || code == u'\n';
}

bool decodeText(const QByteArray& bytes, QString* text) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    *text = decoder.decode(bytes);
    if (decoder.hasError())
        return false;
    for (const QChar ch : std::as_const(*text)) {
        if (!isTextCharacter(ch) || ch == QChar::ReplacementCharacter)
            return false;
    }
    return true;
}

// The state machine of one pass over the text.
class Reader {
public:
    explicit Reader(const QString& text) : m_text(text) {}

    ReadResult run() {
        for (m_at = 0; m_at < m_text.size(); ++m_at) {
            if (!step(m_text.at(m_at)))
                return std::move(m_result);
        }
        if (m_state == State::Quoted)
            return failed(ReadError::UnclosedQuote, m_recordLine);
        endRecord();
        if (m_result.records.isEmpty())
            return failed(ReadError::Empty, 0);
        return std::move(m_result);
    }

private:
    enum class State { FieldStart, Unquoted, Quoted, AfterQuote };

    bool step(QChar ch) {
        if (ch == u'\n' || ch == u'\r') {
            m_lineLength = 0;
        } else if (++m_lineLength > MaxLineLength) {
            failed(ReadError::LineTooLong, m_line);
            return false;
        }
        if (m_state == State::Quoted)
            return stepInQuotes(ch);
        if (ch == u',') {
            endField();
            return true;
        }
        if (ch == u'\r' || ch == u'\n') {
            if (ch == u'\r' && m_at + 1 < m_text.size() && m_text.at(m_at + 1) == u'\n')
                ++m_at;
            endRecord();
            ++m_line;
            m_recordLine = m_line;
            return true;
        }
        if (m_state == State::AfterQuote) {
            failed(ReadError::TextAfterQuote, m_line);
            return false;
        }
        if (ch == u'"' && m_state == State::FieldStart) {
            m_state = State::Quoted;
            return true;
        }
        m_field += ch;
        m_state = State::Unquoted;
        return true;
    }

    bool stepInQuotes(QChar ch) {
        if (ch == u'"') {
            if (m_at + 1 < m_text.size() && m_text.at(m_at + 1) == u'"') {
                m_field += ch;
                ++m_at;
            } else {
                m_state = State::AfterQuote;
            }
            return true;
        }
        if (ch == u'\n' || (ch == u'\r' && !(m_at + 1 < m_text.size() && m_text.at(m_at + 1) == u'\n')))
            ++m_line;
        m_field += ch;
        return true;
    }

    void endField() {
        m_fields << m_field;
        m_field.clear();
        m_state = State::FieldStart;
    }

    // A record of nothing but empty fields (a blank line, or the commas a spreadsheet
    // writes for an empty row) is left out.
    void endRecord() {
        endField();
        const bool blank =
            std::all_of(m_fields.cbegin(), m_fields.cend(), [](const QString& f) { return f.isEmpty(); });
        if (!blank)
            m_result.records.append({m_recordLine, m_fields});
        m_fields.clear();
    }

    ReadResult failed(ReadError error, int line) {
        m_result.records.clear();
        m_result.error = error;
        m_result.errorLine = line;
        return std::move(m_result);
    }

    const QString& m_text;
    qsizetype m_at = 0;
    ReadResult m_result;
    State m_state = State::FieldStart;
    QString m_field;
    QStringList m_fields;
    int m_line = 1;
    int m_recordLine = 1;
    qsizetype m_lineLength = 0;
};

QString quoted(const QString& field) {
    const bool needsQuotes = field.contains(u',') || field.contains(u'"') || field.contains(u'\r') ||
                             field.contains(u'\n') || field.startsWith(u' ') || field.endsWith(u' ');
    if (!needsQuotes)
        return field;
    QString text = field;
    text.replace(QStringLiteral("\""), QStringLiteral("\"\""));
    return u'"' + text + u'"';
}

} // namespace

ReadResult read(const QByteArray& bytes) {
    ReadResult result;
    if (bytes.size() > MaxFileBytes) {
        result.error = ReadError::TooLarge;
        return result;
    }
    QString text;
    if (!decodeText(bytes.startsWith(Utf8ByteOrderMark) ? bytes.mid(Utf8ByteOrderMark.size()) : bytes, &text)) {
        result.error = ReadError::NotText;
        return result;
    }
    return Reader(text).run();
}

QByteArray write(const QList<QStringList>& rows, ByteOrderMark mark) {
    QString text;
    for (const QStringList& row : rows) {
        QStringList fields;
        fields.reserve(row.size());
        for (const QString& field : row)
            fields << quoted(field);
        text += fields.join(u',') + QStringLiteral("\r\n");
    }
    return (mark == ByteOrderMark::With ? Utf8ByteOrderMark : QByteArray()) + text.toUtf8();
}

} // namespace qrt::channels::csv
