#pragma once

#include <QString>
#include <QStringView>

namespace qrt::textfile {

// The line format shared by the text files: a tab separates the key from the text; in a
// text, \t stands for a tab, \n for a line break and \\ for a backslash. Lines that start
// with # and blank lines are ignored.

// Resolves \t, \n and \\ ; false for any other backslash sequence.
bool unescape(QStringView raw, QString* text);
bool isIgnored(QStringView line);

} // namespace qrt::textfile
