#pragma once

#include <QPointer>
#include <QString>

namespace qrt::gui {

class HelpWindow;

// Hands a document (a help file) to the platform's viewer, or shows the user guide.
class DocumentViewer {
public:
    virtual ~DocumentViewer() = default;
    virtual void open(const QString& path) = 0;
    // The guide's page (a local HTML file) at a topic (an anchor on the page).
    virtual void showGuide(const QString& page, const QString& topic, const QString& title) = 0;
};

// Starts the program again, in the same application folder, beside this instance.
class ProgramRestarter {
public:
    virtual ~ProgramRestarter() = default;
    // False when the new instance could not be started.
    virtual bool restart(const QString& appDir) = 0;
};

// The platform's opener for help files, and a help window of its own for the guide.
class DesktopDocumentViewer : public DocumentViewer {
public:
    ~DesktopDocumentViewer() override;
    void open(const QString& path) override;
    void showGuide(const QString& page, const QString& topic, const QString& title) override;

private:
    QPointer<HelpWindow> m_helpWindow;
};

// Runs this executable again with --app-dir.
class ExecutableRestarter : public ProgramRestarter {
public:
    bool restart(const QString& appDir) override;
};

// Stand-ins for programs that only show the windows (pictures, benchmarks): nothing is
// opened and nothing restarted.
class InertDocumentViewer : public DocumentViewer {
public:
    void open(const QString&) override {}
    void showGuide(const QString&, const QString&, const QString&) override {}
};
class InertRestarter : public ProgramRestarter {
public:
    bool restart(const QString&) override { return false; }
};

} // namespace qrt::gui
