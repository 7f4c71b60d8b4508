#pragma once

#include <QMetaObject>
#include <QString>

#include <functional>
#include <memory>

class QAction;
class QWidget;

namespace qrt {
class Document;
class RadioImage;
} // namespace qrt

namespace qrt::gui {

class ComparisonWindow;
class FrameMenus;
class UserPrompts;

// Program → "Compare with radio" and File → "Compare with file…": the program's data beside
// another copy, difference by difference. Neither changes the program's data.
class CompareCommands {
public:
    // Adds the two entries to the frame's File and Program menus.
    CompareCommands(Document& document, UserPrompts& prompts, QWidget& window, const FrameMenus& menus);

    // Asks for a data file and shows how it differs from the program's data; false when
    // cancelled or the file cannot be read (the reason shown).
    bool compareWithFile(const QString& path = {});
    // The radio comparison needs the link; the entry stays disabled until given.
    void setRadioCommand(std::function<void()> compareWithRadio);

private:
    Document& m_document;
    UserPrompts& m_prompts;
    QWidget& m_window;
    QAction* m_fileEntry = nullptr;
    QAction* m_radioEntry = nullptr;
    QMetaObject::Connection m_radioCommand;
};

// The window of File → "Compare with file…": the program's data beside `file`, the data
// file read into a copy of it.
std::unique_ptr<ComparisonWindow> fileComparisonWindow(const Document& document, const RadioImage& file,
                                                       QWidget* parent);

} // namespace qrt::gui
