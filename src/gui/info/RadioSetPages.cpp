#include "gui/info/RadioSetPages.h"

#include "gui/info/RadioInfoPage.h"
#include "gui/info/RadioSetTreeWindow.h"
#include "gui/info/SettingsPageWindow.h"

namespace qrt::gui::info {

RadioSetPages::RadioSetPages(const AppContext& context, QWidget* pageParent, QObject* parent)
    : QObject(parent), m_context(context), m_pageParent(pageParent) {}

void RadioSetPages::follow(RadioSetTreeWindow& tree) {
    connect(&tree, &RadioSetTreeWindow::radioInfoRequested, this, &RadioSetPages::showRadioInfo);
    connect(&tree, &RadioSetTreeWindow::settingsPageRequested, this, &RadioSetPages::showSettingsPage);
    connect(&tree, &RadioSetTreeWindow::channelEditorRequested, this, &RadioSetPages::channelEditorRequested);
}

RadioInfoPage* RadioSetPages::radioInfoPage() {
    if (!m_radioInfo) {
        m_radioInfo = new RadioInfoPage(m_context, m_pageParent);
        connect(m_radioInfo, &RadioInfoPage::memoryViewerRequested, this, &RadioSetPages::memoryViewerRequested);
        adopt(m_radioInfo);
    }
    return m_radioInfo;
}

SettingsPageWindow* RadioSetPages::settingsPage() {
    if (!m_settings) {
        m_settings = new SettingsPageWindow(m_context, m_pageParent);
        connect(m_settings, &SettingsPageWindow::printRequested, this, &RadioSetPages::printRequested);
        adopt(m_settings);
    }
    return m_settings;
}

void RadioSetPages::adopt(KeptPage* page) {
    page->setWindowFlag(Qt::Window, true);
    page->setProgramClosing(m_programClosing);
    Q_EMIT pageCreated(page);
}

void RadioSetPages::setProgramClosing(bool closing) {
    m_programClosing = closing;
    for (KeptPage* page : {static_cast<KeptPage*>(m_radioInfo.data()), static_cast<KeptPage*>(m_settings.data())}) {
        if (page)
            page->setProgramClosing(closing);
    }
}

void RadioSetPages::showRadioInfo() {
    radioInfoPage()->bringToFront();
}

void RadioSetPages::showSettingsPage() {
    settingsPage()->bringToFront();
}

} // namespace qrt::gui::info
