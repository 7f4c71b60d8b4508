#pragma once

#include <QWidget>

namespace qrt::gui::info {

// A page that is made once and kept for the run: closing it only hides it (with the
// child window that holds it, if any), so it shows the same state the next time. Once
// the program is closing, a close request really closes it.
class KeptPage : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;

    void setProgramClosing(bool closing) { m_programClosing = closing; }
    bool isProgramClosing() const { return m_programClosing; }

    // The page or the child window holding it: what is shown, raised and hidden.
    QWidget* holder();
    // Shows the page (and its holder) maximised and in front.
    void bringToFront();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    bool m_programClosing = false;
};

} // namespace qrt::gui::info
