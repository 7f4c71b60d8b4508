#include "gui/common/FindingsDialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace qrt::gui {

namespace {
constexpr int ListWidth = 640;
constexpr int ListHeight = 320;
} // namespace

FindingsDialog::FindingsDialog(QWidget* parent, const QString& title, const QString& intro, const QStringList& findings,
                               const QString& proceedText, const QString& stayText)
    : QDialog(parent) {
    setObjectName(QStringLiteral("frmFindings"));
    setWindowTitle(title);
    setAccessibleName(title);
    auto* layout = new QVBoxLayout(this);

    auto* introLabel = new QLabel(intro, this);
    introLabel->setObjectName(QStringLiteral("lblFindings"));
    introLabel->setWordWrap(true);
    layout->addWidget(introLabel);

    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("listFindings"));
    m_list->setAccessibleName(intro);
    m_list->setWordWrap(true);
    m_list->setTextElideMode(Qt::ElideNone);
    m_list->addItems(findings);
    m_list->setCurrentRow(0);
    m_list->setMinimumSize(ListWidth, ListHeight);
    introLabel->setBuddy(m_list);
    layout->addWidget(m_list);

    auto* buttons = new QDialogButtonBox(this);
    if (!proceedText.isEmpty()) {
        m_proceed = buttons->addButton(proceedText, QDialogButtonBox::AcceptRole);
        m_proceed->setObjectName(QStringLiteral("cmdProceed"));
        m_proceed->setAccessibleName(QString(proceedText).remove(QLatin1Char('&')));
        m_proceed->setAutoDefault(false);
    }
    m_stay = buttons->addButton(stayText, QDialogButtonBox::RejectRole);
    m_stay->setObjectName(QStringLiteral("cmdStay"));
    m_stay->setAccessibleName(QString(stayText).remove(QLatin1Char('&')));
    m_stay->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    m_list->setFocus();
}

} // namespace qrt::gui
