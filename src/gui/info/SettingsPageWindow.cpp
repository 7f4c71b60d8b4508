#include "gui/info/SettingsPageWindow.h"

#include "core/AppContext.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace qrt::gui::info {

SettingsPageWindow::SettingsPageWindow(const AppContext& context, QWidget* parent)
    : KeptPage(parent), m_frame(new QGroupBox(this)), m_frameLayout(new QVBoxLayout(m_frame)) {
    setObjectName(QStringLiteral("frmSysSet"));
    setWindowTitle(Caption);
    setAccessibleName(Caption);
    m_frame->setObjectName(QStringLiteral("fraMain"));
    m_frame->setAccessibleName(Caption);

    auto* print = new QPushButton(context.text(TextId::Print), this);
    print->setObjectName(QStringLiteral("cmdSysSetPrint"));
    print->setAccessibleName(print->text());
    connect(print, &QPushButton::clicked, this, &SettingsPageWindow::printRequested);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(print);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_frame, 1);
    layout->addLayout(buttons);
}

void SettingsPageWindow::setPages(QWidget* pages) {
    if (pages == m_pages)
        return;
    delete m_pages;
    m_pages = pages;
    if (m_pages)
        m_frameLayout->addWidget(m_pages);
}

} // namespace qrt::gui::info
