#pragma once

#include <QString>
#include <QStringList>

namespace qrt {

class Document;

// The check before a write: what in the data would make the radio behave other than its
// user most likely meant, each finding one sentence in the user's language that says
// where ("Channel 3", or the settings page) and what. Nothing is changed, and nothing is
// forbidden: the findings are advice.
namespace configcheck {

struct Finding {
    QString where; // "Channel 3", a settings page's caption, or empty for the whole data
    QString what;  // the sentence
    QString text;  // "where: what", as the list and the command-line tool show it
};

QList<Finding> check(Document& document);
// The findings' texts.
QStringList findingTexts(Document& document);

} // namespace configcheck
} // namespace qrt
