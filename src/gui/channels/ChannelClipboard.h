#pragma once

#include <QObject>

class QAction;

namespace qrt {
class AppContext;
}

namespace qrt::gui {

class ChannelGridView;
class UserPrompts;

// Cut, Copy and Paste of the channel grid with the system clipboard, as text spreadsheets
// take and give (the rules in channels/ChannelPaste). Copy takes the selected cells, Cut
// copies them and clears their frequencies, Paste puts the clipboard's text at the current
// cell; a paste the rules refuse changes nothing and is explained in a message box. The
// keys (Ctrl+X, Ctrl+C, Ctrl+V) work while the grid has the focus; an open cell editor
// keeps them for its own text. The lock disables Cut and Paste.
class ChannelClipboard : public QObject {
    Q_OBJECT
public:
    ChannelClipboard(ChannelGridView& grid, UserPrompts& prompts, const AppContext& context);

    QAction* cutAction() const { return m_cut; }
    QAction* copyAction() const { return m_copy; }
    QAction* pasteAction() const { return m_paste; }
    QList<QAction*> actions() const { return {m_cut, m_copy, m_paste}; }

    void copy();
    void cut();
    void paste();

private:
    void applyLock(bool locked);

    ChannelGridView& m_grid;
    UserPrompts& m_prompts;
    const AppContext& m_context;
    QAction* m_cut;
    QAction* m_copy;
    QAction* m_paste;
};

} // namespace qrt::gui
