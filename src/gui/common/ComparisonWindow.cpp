#include "gui/common/ComparisonWindow.h"

#include "core/AppContext.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace qrt::gui {

namespace {
// Fits a screen of 1024 x 768 with the frame around it.
constexpr int PreferredWidth = 720;
constexpr int PreferredHeight = 480;
} // namespace

ComparisonWindow::ComparisonWindow(const AppContext& context, const QList<ComparisonRow>& rows,
                                   const QString& otherCaption, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("frmComparison"));
    setWindowTitle(context.extraText(QStringLiteral("compare.title")));
    setAccessibleName(windowTitle());

    auto* layout = new QVBoxLayout(this);
    m_summary = new QLabel(rows.isEmpty() ? context.extraText(QStringLiteral("compare.same"))
                                          : context.extraText(QStringLiteral("compare.count")).arg(rows.size()),
                           this);
    m_summary->setObjectName(QStringLiteral("lblComparisonSummary"));
    m_summary->setWordWrap(true);
    layout->addWidget(m_summary);

    m_table = new QTableWidget(int(rows.size()), 3, this);
    m_table->setObjectName(QStringLiteral("tblDifferences"));
    m_table->setAccessibleName(context.extraText(QStringLiteral("compare.tableName")));
    m_table->setHorizontalHeaderLabels({context.extraText(QStringLiteral("compare.placeColumn")),
                                        context.extraText(QStringLiteral("compare.thisDataColumn")), otherCaption});
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setTabKeyNavigation(false);
    m_table->verticalHeader()->hide();
    for (int r = 0; r < rows.size(); ++r) {
        const ComparisonRow& row = rows.at(r);
        m_table->setItem(r, 0, new QTableWidgetItem(row.place));
        m_table->setItem(r, 1, new QTableWidgetItem(row.ours));
        m_table->setItem(r, 2, new QTableWidgetItem(row.theirs));
    }
    m_table->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_table->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    m_table->horizontalHeader()->setSectionResizeMode(2, QHeaderView::ResizeToContents);
    if (!rows.isEmpty())
        m_table->setCurrentCell(0, 0);
    layout->addWidget(m_table);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton* close = buttons->button(QDialogButtonBox::Close);
    close->setText(context.extraText(QStringLiteral("compare.close")));
    close->setObjectName(QStringLiteral("cmdCloseComparison"));
    close->setAccessibleName(close->text().remove(QLatin1Char('&')));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    resize(PreferredWidth, PreferredHeight);
    m_table->setFocus();
}

QString ComparisonWindow::summary() const {
    return m_summary->text();
}

} // namespace qrt::gui
