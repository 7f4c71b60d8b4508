#pragma once

class QWidget;

namespace qrt {
class Document;
}

namespace qrt::gui {

class UserPrompts;

// The check before a write: true at once when it finds nothing; otherwise the findings
// are listed with "Write anyway" and "Cancel", and true when the user chose to write.
bool confirmWriteAfterCheck(QWidget* parent, Document& document, UserPrompts& prompts);

// The check at any time: the findings listed, or a notice that there are none.
void showConfigurationCheck(QWidget* parent, Document& document, UserPrompts& prompts);

} // namespace qrt::gui
