#pragma once

#include <QDialog>
#include <QStringList>

class QListWidget;
class QPushButton;

namespace qrt::gui {

// A list of findings under a line that introduces them, with a button to go on (when
// given) and one to stay. Enter and Escape stay; going on takes a deliberate choice.
class FindingsDialog : public QDialog {
    Q_OBJECT
public:
    FindingsDialog(QWidget* parent, const QString& title, const QString& intro, const QStringList& findings,
                   const QString& proceedText, const QString& stayText);

    QListWidget* list() const { return m_list; }
    // Null when the dialog only informs.
    QPushButton* proceedButton() const { return m_proceed; }
    QPushButton* stayButton() const { return m_stay; }

private:
    QListWidget* m_list = nullptr;
    QPushButton* m_proceed = nullptr;
    QPushButton* m_stay = nullptr;
};

} // namespace qrt::gui
