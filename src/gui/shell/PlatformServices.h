#pragma once

#include <QString>

namespace qrt::gui {

// Hands a document (a help file) to the platform's viewer.
class DocumentViewer {
public:
    virtual ~DocumentViewer() = default;
    virtual void open(const QString& path) = 0;
};

// Starts the program again, in the same application folder, beside this instance.
class ProgramRestarter {
public:
    virtual ~ProgramRestarter() = default;
    // False when the new instance could not be started.
    virtual bool restart(const QString& appDir) = 0;
};

class DesktopDocumentViewer : public DocumentViewer {
public:
    void open(const QString& path) override;
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
};
class InertRestarter : public ProgramRestarter {
public:
    bool restart(const QString&) override { return false; }
};

} // namespace qrt::gui
