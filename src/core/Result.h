#pragma once

#include "core/TextIndex.h"

#include <QString>

#include <optional>
#include <utility>

namespace qrt {

class ExtraTexts;

// The outcome of work that can fail: ok, or failed with a reason a person can read. A
// failure can also carry what its callers need to announce it: the number the error log
// records, the interface text of the message box, and the key of the program's own text
// that tells the reason in the user's language when the work itself did not know the
// language (the file access runs before any texts are loaded; inLanguage() then puts the
// user's words in place).
class Result {
public:
    Result() = default; // ok

    static Result failure(QString reason, int errorNumber = 0) {
        Result result;
        result.m_ok = false;
        result.m_reason = std::move(reason);
        result.m_errorNumber = errorNumber;
        return result;
    }

    bool ok() const { return m_ok; }
    bool failed() const { return !m_ok; }
    explicit operator bool() const { return m_ok; }
    // Why it failed; empty when it did not, and when there is nothing to tell beyond the failure.
    const QString& reason() const { return m_reason; }
    // The error log's number of the failure (see ErrorLog), 0 when it has none.
    int errorNumber() const { return m_errorNumber; }
    // The interface text of the message that announces the failure, none when there is none.
    std::optional<TextId> message() const { return m_message; }
    const QString& reasonKey() const { return m_reasonKey; }

    Result& setReasonKey(QString key) {
        m_reasonKey = std::move(key);
        return *this;
    }
    Result& setMessage(TextId id) {
        m_message = id;
        return *this;
    }
    // The same failure with the reason in the language of the texts, when it has a reason key.
    Result inLanguage(const ExtraTexts& texts) const;

    // A message with the reason on a line of its own.
    QString withReason(const QString& message) const {
        return m_reason.isEmpty() ? message : message + QLatin1Char('\n') + m_reason;
    }

private:
    bool m_ok = true;
    int m_errorNumber = 0;
    std::optional<TextId> m_message;
    QString m_reason;
    QString m_reasonKey;
};

} // namespace qrt
