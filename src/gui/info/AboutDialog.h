#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace qrt {
class AppContext;
}

namespace qrt::gui::info {

// The about dialog: product title, model, version, release, company line and rights
// holder in the program's language, with a drawn picture of the radio.
class AboutDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int TitlePointSize = 14;

    explicit AboutDialog(const AppContext& context, QWidget* parent = nullptr);

    QLabel* label(const QString& objectName) const;
    QPushButton* okButton() const { return m_ok; }

private:
    QLabel* addLabel(QWidget* frame, const QString& objectName, const QString& text);

    QPushButton* m_ok;
};

} // namespace qrt::gui::info
