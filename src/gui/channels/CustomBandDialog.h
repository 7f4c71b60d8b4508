#pragma once

#include <QDialog>

class QLineEdit;

namespace qrt {
class AppContext;
}

namespace qrt::gui {

// The custom band dialog `frmCustomFre`: the lower and upper limit in MHz. It only
// collects the two texts; the caller hands them to the document, which applies the
// band rule.
class CustomBandDialog : public QDialog {
    Q_OBJECT
public:
    // Empty texts show the widest band, 120 and 520.
    CustomBandDialog(const AppContext& context, const QString& minText, const QString& maxText,
                     QWidget* parent = nullptr);

    QString minText() const;
    QString maxText() const;
    QLineEdit* minEdit() const { return m_min; }
    QLineEdit* maxEdit() const { return m_max; }

private:
    QLineEdit* m_min;
    QLineEdit* m_max;
};

} // namespace qrt::gui
