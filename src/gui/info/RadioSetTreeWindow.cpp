#include "gui/info/RadioSetTreeWindow.h"

#include "core/AppContext.h"

#include <QHeaderView>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace qrt::gui::info {

namespace {
constexpr int IndentationPixels = 20;
}

RadioSetTreeWindow::RadioSetTreeWindow(const AppContext& context, QWidget* parent)
    : QWidget(parent), m_context(context), m_tree(new QTreeWidget(this)) {
    setObjectName(QStringLiteral("frmTreeView"));
    setWindowTitle(context.text(TextId::ModelName));
    setAccessibleName(windowTitle());
    m_tree->setObjectName(QStringLiteral("treevMain"));
    m_tree->setAccessibleName(windowTitle());
    m_tree->setHeaderHidden(true);
    m_tree->setColumnCount(1);
    m_tree->setRootIsDecorated(true);
    m_tree->setItemsExpandable(true);
    m_tree->setIndentation(IndentationPixels);
    m_tree->setFrameShape(QFrame::StyledPanel);
    m_tree->setFrameShadow(QFrame::Sunken);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_tree);
    buildEntries();

    // A click acts at once; Enter and a double click act too, so the keyboard reaches every entry.
    connect(m_tree, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) { onItemActivated(item); });
    connect(m_tree, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) { onItemActivated(item); });
}

void RadioSetTreeWindow::buildEntries() {
    m_tree->clear();
    auto* root = new QTreeWidgetItem(m_tree, QStringList{m_context.text(TextId::ModelName)});
    root->setData(0, KeyRole, RootKey);
    const std::pair<QString, TextId> children[] = {
        {RadioInfoKey, TextId::TreeRadioInfo},
        {ChannelInfoKey, TextId::ChannelInfo},
        {SettingsKey, TextId::TreeOptionalFeatures},
    };
    for (const auto& [key, caption] : children) {
        auto* item = new QTreeWidgetItem(root, QStringList{m_context.text(caption)});
        item->setData(0, KeyRole, key);
    }
    root->setExpanded(true);
    m_tree->setCurrentItem(root);
}

QTreeWidgetItem* RadioSetTreeWindow::entry(const QString& key) const {
    for (QTreeWidgetItemIterator it(m_tree); *it; ++it) {
        if ((*it)->data(0, KeyRole).toString() == key)
            return *it;
    }
    return nullptr;
}

void RadioSetTreeWindow::onItemActivated(QTreeWidgetItem* item) {
    if (!item)
        return;
    m_tree->setFocus(Qt::OtherFocusReason);
    activateEntry(item->data(0, KeyRole).toString());
}

void RadioSetTreeWindow::activateEntry(const QString& key) {
    if (key == RadioInfoKey)
        Q_EMIT radioInfoRequested();
    else if (key == ChannelInfoKey)
        Q_EMIT channelEditorRequested();
    else if (key == SettingsKey)
        Q_EMIT settingsPageRequested();
}

} // namespace qrt::gui::info
