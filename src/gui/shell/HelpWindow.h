#pragma once

#include <QWidget>

class QTextBrowser;

namespace qrt::gui {

// The user guide in a window of its own beside the frame: one HTML page, shown at a topic.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // Shows the page (a local HTML file) scrolled to the section with the topic's anchor.
    void showPage(const QString& page, const QString& topic, const QString& title);
    QTextBrowser* browser() const { return m_browser; }

private:
    QTextBrowser* m_browser;
};

} // namespace qrt::gui
