#pragma once

#include <QObject>
#include <QPointer>

class QWidget;

namespace qrt {
class AppContext;
}

namespace qrt::gui::info {

class KeptPage;
class RadioInfoPage;
class RadioSetTreeWindow;
class SettingsPageWindow;

// The pages the radio set tree opens: each is made on first use, then only hidden and
// shown again maximised and in front. A frame that holds its child windows in an area
// takes a page in when pageCreated() is emitted (before the page is first shown);
// otherwise the page is a window of its own above the given parent.
class RadioSetPages : public QObject {
    Q_OBJECT
public:
    RadioSetPages(const AppContext& context, QWidget* pageParent, QObject* parent = nullptr);

    // Opens the pages that the tree's entries ask for and passes on the other requests.
    void follow(RadioSetTreeWindow& tree);

    RadioInfoPage* radioInfoPage();
    SettingsPageWindow* settingsPage();
    // Once the program closes, the pages' close requests close them.
    void setProgramClosing(bool closing);

public Q_SLOTS:
    void showRadioInfo();
    void showSettingsPage();

Q_SIGNALS:
    void pageCreated(QWidget* page);
    void channelEditorRequested();
    void memoryViewerRequested();
    // The settings page window's print button.
    void printRequested();

private:
    void adopt(KeptPage* page);

    const AppContext& m_context;
    QPointer<QWidget> m_pageParent;
    QPointer<RadioInfoPage> m_radioInfo;
    QPointer<SettingsPageWindow> m_settings;
    bool m_programClosing = false;
};

} // namespace qrt::gui::info
