#pragma once

class QWidget;

namespace qrt {
class Document;
}

namespace qrt::gui {

class UserPrompts;

// The command `cmdImportSeq`: asks for a serial-number file, starting in the folder of the
// current data file, and hands it to the settings model, which fills the serial-number
// list. A file that cannot be read is reported to the user with the reason.
class SerialNumberImport {
public:
    SerialNumberImport(Document& document, UserPrompts& prompts, QWidget* parent);

    // Returns the number of serial numbers imported; -1 when the user chose no file.
    int exec();

private:
    Document& m_document;
    UserPrompts& m_prompts;
    QWidget* m_parent;
};

} // namespace qrt::gui
