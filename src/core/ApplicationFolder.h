#pragma once

#include "core/Language.h"

#include <QString>

namespace qrt {

// Where a program keeps its settings file, template, factory file and Data folder.
//
// A folder given on the command line wins. Otherwise a program beside its own settings
// file (a build folder or a portable copy) uses its own folder. An installed program
// (no settings file beside it) uses the per-user folder XDG_DATA_HOME/qrt506, made at
// the first start with copies of the files shipped in <prefix>/share/qrt506; the
// installed prefix is never written.
namespace appfolder {

inline const QString ShippedFolderName = QStringLiteral("qrt506");

struct Choice {
    QString path;  // the application folder; empty when none could be prepared
    QString error; // why not, for the user
};

// The shipped files (settings, template, factory data), in the order they are copied.
QStringList shippedFileNames();
// <prefix>/share/qrt506 for an executable in <prefix>/bin.
QString shippedFilesFolder(const QString& executableDir);
// The per-user folder of an installed program (XDG_DATA_HOME or ~/.local/share, then qrt506).
QString perUserFolder();

Choice choose(const QString& commandLineDir, const QString& executableDir);

// The page of the user guide in a language: <executableDir>/guide/<locale name>/index.html
// in a build folder or a portable copy, else the installed <prefix>/share/qrt506/guide/...; the English page when
// the language has none; empty when there is no guide at all.
QString userGuidePage(const QString& executableDir, Language language);

} // namespace appfolder
} // namespace qrt
