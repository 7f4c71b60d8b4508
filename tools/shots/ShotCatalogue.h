#pragma once

#include <QSize>
#include <QString>
#include <QTemporaryFile>

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

// The smallest screen a dealer's laptop has; every window must fit it.
inline constexpr QSize SmallestScreen{1024, 768};

// Gives the offscreen platform, when it is the one in use, one screen of the given size
// instead of its own 800x600. Made before the application object, kept while it lives.
class OffscreenScreen {
public:
    explicit OffscreenScreen(QSize size);

private:
    QTemporaryFile m_config;
};

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
    enum Placement {
        OwnSize,     // as a dialog opens: its size hint, placed by the toolkit
        GivenSize,   // a part of a window, pictured alone at the size given
        FillsScreen, // the program's frame, filling the screen
    };
    QString name; // the PNG's base name
    Placement placement;
    QSize size; // for GivenSize
    std::function<std::unique_ptr<QWidget>(ShotScene&)> build;
};

// Every window and dialog that can be pictured.
const std::vector<Shot>& shotCatalogue();

// Builds the window of a shot and shows it as the program does.
std::unique_ptr<QWidget> showShot(const Shot& shot, ShotScene& scene);

} // namespace qrt::shots
