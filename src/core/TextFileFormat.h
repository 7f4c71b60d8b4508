#pragma once

#include <QString>
#include <QStringView>

#include <functional>

namespace qrt::textfile {

// The line format shared by the text files: a tab separates the key from the text; in a
// text, \t stands for a tab, \n for a line break and \\ for a backslash. Lines that start
// with # and blank lines are ignored.

// Registers the resources that hold the text files of every language (the interface texts
// and the program's own texts).
void registerTextResources();

// Resolves \t, \n and \\ ; false for any other backslash sequence.
bool unescape(QStringView raw, QString* text);
bool isIgnored(QStringView line);

// Calls take(lineNumber, key, rawText) for each line that holds an entry; take returns what
// is wrong with the entry, or an empty text. Returns the first problem of the file as
// "line N: ...", empty when there is none; every line is visited either way.
QString forEachEntry(const QString& content, const QString& keyName,
                     const std::function<QString(int lineNumber, QStringView key, QStringView rawText)>& take);

} // namespace qrt::textfile
