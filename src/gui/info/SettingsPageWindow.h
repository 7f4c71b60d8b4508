#pragma once

#include "gui/info/KeptPage.h"

class QGroupBox;
class QPushButton;
class QVBoxLayout;

namespace qrt {
class AppContext;
}

namespace qrt::gui::info {

// The window of the radio-wide settings pages, opened from the radio set tree. It holds
// a frame for the pages and a print button, which asks for the Print command.
class SettingsPageWindow : public KeptPage {
    Q_OBJECT
public:
    // The caption, the same in every language.
    static inline const QString Caption = QStringLiteral("整机设置");

    explicit SettingsPageWindow(const AppContext& context, QWidget* parent = nullptr);

    QGroupBox* frame() const { return m_frame; }
    QWidget* pages() const { return m_pages; }

Q_SIGNALS:
    void printRequested();

public Q_SLOTS:
    // Places the settings pages in the frame (the window takes them over, replacing any
    // earlier ones).
    void setPages(QWidget* pages);

private:
    QGroupBox* m_frame;
    QVBoxLayout* m_frameLayout;
    QWidget* m_pages = nullptr;
};

} // namespace qrt::gui::info
