#pragma once

#include <QList>

#include <functional>

class QAction;
class QMdiArea;
class QWidget;

namespace qrt {
class Document;
}

namespace qrt::gui {

class UserPrompts;

// The channel and settings editor as the frame hosts it.
struct HostedChannelEditor {
    QWidget* window = nullptr;
    // The interface lock of the settings pages.
    std::function<void(bool)> lockSettings;
    // Cut, Copy and Paste of the channel grid, for the Edit menu.
    QList<QAction*> clipboardActions;
};

// Creates the channel editor as a child window of the area, maximised and not closable
// by the user; its grid's context menu offers the channel lock entry. This is the one
// place that knows the editor's class.
HostedChannelEditor hostChannelEditor(QMdiArea& area, Document& document, UserPrompts& prompts,
                                      QAction& channelLockEntry);

} // namespace qrt::gui
