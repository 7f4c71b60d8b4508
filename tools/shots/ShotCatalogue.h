#pragma once

#include <QSize>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

class QWidget;

namespace qrt {
class AppContext;
class Document;
class ErrorLog;
namespace gui {
class UserPrompts;
}
} // namespace qrt

namespace qrt::shots {

// What a window needs to be built as the program builds it.
struct ShotScene {
    AppContext& context;
    Document& document;
    gui::UserPrompts& prompts;
    // A log of its own for the error window, which is shown with a few sample errors.
    ErrorLog& sampleErrors;
    // The frame, for the dialogs that take it as their parent.
    QWidget& mainWindow;
};

struct Shot {
    QString name; // the PNG's base name
    QSize size;   // empty: the window's own size hint
    std::function<std::unique_ptr<QWidget>(ShotScene&)> build;
};

// Every window and dialog that can be pictured.
const std::vector<Shot>& shotCatalogue();

} // namespace qrt::shots
