#pragma once

#include "gui/memview/PartFillDialog.h"

#include <QPointer>
#include <QWidget>

class QCheckBox;
class QTimer;

namespace qrt {
class Document;
}
namespace qrt::memview {
class MemoryGridModel;
}

namespace qrt::gui {

class MemoryGridView;
class UserPrompts;

// The memory viewer `frmMemDat`, a window beside the frame (not modal): the image as an
// editable grid of bytes, refreshed on request, by itself twice a second when "自动" is
// ticked, and after every change of the document. Its close box hides it until the
// program closes.
class MemoryViewerWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr int AutomaticRefreshMs = 500;

    // tableMaxAddr: the highest address shown, which fixes the rows.
    MemoryViewerWindow(Document& document, UserPrompts& prompts, int tableMaxAddr, QWidget* parent);
    ~MemoryViewerWindow() override;

    memview::MemoryGridModel& model() { return *m_model; }
    MemoryGridView* grid() const { return m_grid; }
    QTimer* automaticRefresh() const { return m_timer; }
    // Made on first use.
    PartFillDialog* partFillDialog() const { return m_partFill; }

    void setProgramClosing(bool closing) { m_programClosing = closing; }
    void openPartFill();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    Document& m_document;
    UserPrompts& m_prompts;
    memview::MemoryGridModel* m_model;
    MemoryGridView* m_grid;
    QCheckBox* m_automatic;
    QTimer* m_timer;
    QPointer<PartFillDialog> m_partFill;
    bool m_programClosing = false;
};

// The one memory viewer of the program above its frame: made when first shown, then only
// shown and hidden; the two hidden gestures and the transfers go through here.
class MemoryViewer : public QObject {
    Q_OBJECT
public:
    MemoryViewer(Document& document, UserPrompts& prompts, QWidget& frame);

    // Null until first shown.
    MemoryViewerWindow* window() const { return m_window; }

public Q_SLOTS:
    void show();
    void hide();
    // "Grid Max Addr" changed: the grid shows the rows up to it at once.
    void setTableMaxAddr(int address);
    // A refresh of the grid when the window exists (after a transfer).
    void refresh();
    // The program closes: the window closes for good.
    void closeForExit();

private:
    Document& m_document;
    UserPrompts& m_prompts;
    QWidget& m_frame;
    int m_tableMaxAddr;
    QPointer<MemoryViewerWindow> m_window;
};

} // namespace qrt::gui
