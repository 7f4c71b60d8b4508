#include "gui/options/SettingsPages.h"

#include "core/AppContext.h"
#include "document/Document.h"
#include "gui/options/PageCaptions.h"
#include "gui/options/SettingsBinder.h"
#include "options/SettingsModel.h"

#include "ui_BatteryPage.h"
#include "ui_CommonSetPage.h"
#include "ui_DtmfPage.h"
#include "ui_EmbeddedMsgPage.h"
#include "ui_KeyAssignPage.h"
#include "ui_ModelInfoFrame.h"
#include "ui_RadioInfoPage.h"
#include "ui_ScanPage.h"
#include "ui_VoxPage.h"

#include <QPushButton>
#include <QScrollArea>
#include <QTabWidget>

namespace qrt::gui {

namespace {

template <class Form> QWidget* buildPage() {
    auto* page = new QWidget;
    Form form;
    form.setupUi(page);
    return page;
}

QWidget* scrolling(QWidget* page) {
    auto* area = new QScrollArea;
    area->setObjectName(page->objectName() + QStringLiteral("Scroll"));
    area->setWidget(page);
    area->setWidgetResizable(true);
    area->setFrameShape(QFrame::NoFrame);
    return area;
}

template <class Widget> Widget* child(const QList<QWidget*>& roots, const char* name) {
    for (QWidget* root : roots) {
        if (auto* w = root->findChild<Widget*>(QLatin1String(name)))
            return w;
    }
    return nullptr;
}

} // namespace

SettingsPages::SettingsPages(Document& document, QTabWidget& tabs, QWidget& hiddenParent) : QObject(&tabs) {
    const AppContext& context = document.context();
    m_pages = {buildPage<Ui::RadioInfoPage>(), buildPage<Ui::CommonSetPage>(),  buildPage<Ui::KeyAssignPage>(),
               buildPage<Ui::VoxPage>(),       buildPage<Ui::ScanPage>(),       buildPage<Ui::BatteryPage>(),
               buildPage<Ui::DtmfPage>(),      buildPage<Ui::EmbeddedMsgPage>()};
    m_hiddenFrame = buildPage<Ui::ModelInfoFrame>();
    m_hiddenFrame->setParent(&hiddenParent);
    m_hiddenFrame->hide();

    QList<QWidget*> roots = m_pages;
    roots << m_hiddenFrame;
    for (QWidget* root : std::as_const(roots))
        applyPageCaptions(*root, context);
    for (QWidget* page : std::as_const(m_pages)) {
        const int index = tabs.addTab(scrolling(page), page->accessibleName());
        tabs.widget(index)->setAccessibleName(page->accessibleName());
    }
    for (int n = 0; n <= PageCount; ++n)
        m_frames << child<QWidget>(roots, qPrintable(QStringLiteral("fraSysSet%1").arg(n)));
    m_modelBandPlace = child<QWidget>(roots, "modelBandPlace");
    m_twoToneGridPlace = child<QWidget>(roots, "twoToneGridPlace");

    m_binder = new SettingsBinder(document.settings(), roots, this);
    connectButtons(document);
}

SettingsPages::~SettingsPages() = default;

void SettingsPages::connectButtons(Document& document) {
    const QList<QWidget*> roots = m_pages;
    options::SettingsModel& model = document.settings();
    connect(child<QPushButton>(roots, "cmdTwoWayVolSet"), &QPushButton::clicked, this,
            &SettingsPages::twoWayVolumeRequested);
    connect(child<QPushButton>(roots, "cmdPttIdPauseChSet"), &QPushButton::clicked, this,
            &SettingsPages::pttIdPauseChannelsRequested);
    connect(child<QPushButton>(roots, "cmdImportSeq"), &QPushButton::clicked, this,
            &SettingsPages::serialImportRequested);
    connect(child<QPushButton>(roots, "cmdVoxCmpDefault"), &QPushButton::clicked, &model,
            [&model] { model.pressVoxCompareDefault(); });
    connect(child<QPushButton>(roots, "cmdSeqSwitch0"), &QPushButton::clicked, &model,
            [&model] { model.selectPreviousSerialNumber(); });
    connect(child<QPushButton>(roots, "cmdSeqSwitch1"), &QPushButton::clicked, &model,
            [&model] { model.selectNextSerialNumber(); });
}

void SettingsPages::setLocked(bool locked) {
    for (QWidget* frame : std::as_const(m_frames))
        frame->setEnabled(!locked);
}

} // namespace qrt::gui
