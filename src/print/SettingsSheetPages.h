#pragma once

#include <QStringList>

#include <vector>

namespace qrt::print {

// A settings page as the sheet prints it: the page's caption (interface text) and the
// controls it shows, in the page's order.
struct SettingsSheetPage {
    int caption;
    QStringList controls;
};

// The pages of the settings tabs after the first (whose model and band the cover shows),
// with the controls a user sees on them. The program code is left out: the sheet is
// handed on, the code is not.
const std::vector<SettingsSheetPage>& settingsSheetPages();

} // namespace qrt::print
