#pragma once

#include "document/DataComparison.h"

#include <QDialog>

class QLabel;
class QTableWidget;

namespace qrt {
class AppContext;
}

namespace qrt::gui {

// The differences of this data and another copy (the radio, a file), one line each: the
// place in words, this data's byte and the other's. Only shows; nothing is changed.
class ComparisonWindow : public QDialog {
    Q_OBJECT
public:
    // otherCaption heads the other copy's column ("The radio", "The file").
    ComparisonWindow(const AppContext& context, const QList<ComparisonRow>& rows, const QString& otherCaption,
                     QWidget* parent);

    const QTableWidget& table() const { return *m_table; }
    QString summary() const;

private:
    QTableWidget* m_table = nullptr;
    QLabel* m_summary = nullptr;
};

} // namespace qrt::gui
