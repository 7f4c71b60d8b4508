#pragma once

class QWidget;

namespace qrt {
class Document;
}

namespace qrt::gui {

class SettingsPages;
class UserPrompts;

// Connects the pages' dialog buttons to their dialogs (volume steps, PTT ID pause
// channels, serial-number import) and puts the two-tone grids into their frame.
void connectSettingsDialogs(SettingsPages& pages, Document& document, UserPrompts& prompts, QWidget* dialogParent);

} // namespace qrt::gui
