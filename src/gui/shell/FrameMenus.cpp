#include "gui/shell/FrameMenus.h"

#include "core/AppContext.h"

#include <QAction>
#include <QKeySequence>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

#include <iterator>
#include <vector>

namespace qrt::gui {

namespace {

constexpr int Separator = -1;
constexpr int FixedCaption = -2;

struct MenuEntry {
    const char* name;
    int level;
    int textIndex; // Separator, FixedCaption (caption below) or an interface text
    const char* fixedCaption;
    bool shown;
    const char* shortcut;
};

// The tree in display order; a deeper level is a submenu of the entry above it.
const MenuEntry Entries[] = {
    {"mnuFile", 1, 20, nullptr, true, ""},
    {"mnuFileNew", 2, 21, nullptr, true, "Ctrl+N"},
    {"mnuFileOpen", 2, 22, nullptr, true, "Ctrl+O"},
    {"mnuFileSave", 2, 23, nullptr, true, "Ctrl+S"},
    {"mnuFileSaveAs", 2, 24, nullptr, true, ""},
    {"sepPrintFile", 2, Separator, nullptr, true, ""},
    {"mnuPrintFile", 2, 43, nullptr, true, "Ctrl+P"},
    {"ListSeparator5", 2, Separator, nullptr, true, ""},
    {"mnuExit", 2, 25, nullptr, true, ""},
    {"mnuProgram", 1, 26, nullptr, true, ""},
    {"mnuReadFre", 2, 27, nullptr, true, "Ctrl+R"},
    {"mnuWriteFre", 2, 28, nullptr, true, "Ctrl+W"},
    {"mnuSeveralRadios", 2, 155, nullptr, true, ""},
    {"sepBatchRw", 2, Separator, nullptr, false, ""},
    {"mnuReadWriteFre", 2, 48, nullptr, false, "F2"},
    {"sepAddFre", 2, Separator, nullptr, false, ""},
    {"mnuAddFre", 2, 44, nullptr, false, "F7"},
    {"sepTestMode", 2, Separator, nullptr, false, ""},
    {"mnuTestMode", 2, 40, nullptr, false, "Ctrl+T"},
    {"mnuTestFre", 2, 41, nullptr, false, ""},
    {"sepBatchTestVal", 2, Separator, nullptr, false, ""},
    {"mnuBatchTestVal", 2, 42, nullptr, false, "Ctrl+B"},
    {"mnuOption", 1, 29, nullptr, false, ""},
    {"mnuModel", 2, 39, nullptr, false, "Ctrl+M"},
    {"sepOptFunc", 2, Separator, nullptr, false, ""},
    {"mnuFunc", 2, 30, nullptr, false, "Ctrl+F"},
    {"sepOptOthers", 2, Separator, nullptr, true, ""},
    {"mnuDtmf", 2, 45, nullptr, true, ""},
    {"mnuKeySet", 2, 46, nullptr, true, ""},
    {"sepMcuVer", 2, Separator, nullptr, false, ""},
    {"mnuMcuVer", 2, 49, nullptr, false, ""},
    {"sepLockCh", 2, Separator, nullptr, false, ""},
    {"mnuChLock", 2, 47, nullptr, true, "Ctrl+L"},
    {"mnuSet", 1, 31, nullptr, true, ""},
    {"mnuCommunicate", 2, 32, nullptr, true, ""},
    {"ListSeparator55", 2, Separator, nullptr, true, ""},
    {"mnuLockFace", 2, 58, nullptr, true, ""},
    {"ListSeparator15", 2, Separator, nullptr, true, ""},
    {"mnuLangSetting", 2, 33, nullptr, true, ""},
    {"mnuLangSel0", 3, 34, nullptr, true, ""},
    {"mnuLangSel2", 3, 35, nullptr, true, ""},
    {"mnuLangSel1", 3, 57, nullptr, true, ""},
    {"mnuView", 1, FixedCaption, "视图(&V)", false, ""},
    {"mnuTreeView", 2, FixedCaption, "树视图(&R)", true, ""},
    {"mnuShowErr", 2, FixedCaption, "提示", true, ""},
    {"mnuWindow", 1, FixedCaption, "窗口(&W)", false, ""},
    {"dd", 2, FixedCaption, "", true, ""},
    {"mnuHelp", 1, 36, nullptr, true, ""},
    {"mnuHelpTopic", 2, 37, nullptr, true, "F1"},
    {"sepHelpTopic", 2, Separator, nullptr, false, ""},
    {"mnuAboutSoft", 2, 38, nullptr, true, ""},
};

QString captionOf(const MenuEntry& entry, const AppContext& context) {
    if (entry.textIndex == FixedCaption)
        return QString::fromUtf8(entry.fixedCaption);
    return context.text(textIdAt(entry.textIndex));
}

void describe(QAction* action, const MenuEntry& entry) {
    action->setObjectName(QString::fromLatin1(entry.name));
    action->setVisible(entry.shown);
    if (*entry.shortcut)
        action->setShortcut(QKeySequence(QString::fromLatin1(entry.shortcut)));
}

} // namespace

FrameMenus::FrameMenus(QMainWindow& window, const AppContext& context) : m_window(window) {
    QMenuBar* bar = window.menuBar();
    bar->setObjectName(QStringLiteral("menuBar"));
    std::vector<QMenu*> openMenus; // the submenu of each level above the current entry
    const auto* end = std::end(Entries);
    for (const auto* entry = std::begin(Entries); entry != end; ++entry) {
        openMenus.resize(size_t(entry->level - 1));
        QMenu* parentMenu = openMenus.empty() ? nullptr : openMenus.back();
        const bool isSubmenu = entry + 1 != end && (entry + 1)->level > entry->level;
        if (isSubmenu) {
            auto* menu = new QMenu(captionOf(*entry, context), &window);
            menu->setObjectName(QString::fromLatin1(entry->name));
            if (parentMenu)
                parentMenu->addMenu(menu);
            else
                bar->addMenu(menu);
            describe(menu->menuAction(), *entry);
            openMenus.push_back(menu);
            continue;
        }
        QAction* action = entry->textIndex == Separator ? parentMenu->addSeparator()
                                                        : parentMenu->addAction(captionOf(*entry, context));
        describe(action, *entry);
    }
}

QAction* FrameMenus::action(const QString& name) const {
    auto* found = m_window.findChild<QAction*>(name);
    Q_ASSERT_X(found, "FrameMenus::action", qPrintable(name));
    return found;
}

QMenu* FrameMenus::menu(const QString& name) const {
    auto* found = m_window.findChild<QMenu*>(name);
    Q_ASSERT_X(found, "FrameMenus::menu", qPrintable(name));
    return found;
}

} // namespace qrt::gui
