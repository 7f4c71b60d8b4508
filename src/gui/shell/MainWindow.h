#pragma once

#include <QMainWindow>

class QMdiArea;

namespace qrt {
class Document;
}

namespace qrt::gui {

class UserPrompts;

// The program's frame: the child windows in a multiple-document area, the docking host,
// menus, tool bar and status bar. It wires commands to the document; the work is done
// by the command objects and the models.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    MainWindow(Document& document, UserPrompts& prompts, QWidget* parent = nullptr);

    Document& document() { return m_document; }
    QMdiArea* childArea() const { return m_childArea; }

private:
    Document& m_document;
    UserPrompts& m_prompts;
    QMdiArea* m_childArea;
};

} // namespace qrt::gui
