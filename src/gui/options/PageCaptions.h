#pragma once

class QWidget;

namespace qrt {
class AppContext;
}

namespace qrt::gui {

// Sets the captions of a page built from a layout file: every widget with the dynamic
// property textIndex gets that entry of the interface texts (after textPrefix, when it
// has one) as its text or title. Captions become accessible names, and a label's caption
// names its buddy too; widgets without a caption of their own are named after the page.
void applyPageCaptions(QWidget& root, const AppContext& context);

} // namespace qrt::gui
