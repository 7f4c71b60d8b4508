#pragma once

#include "ScriptedPrompts.h"
#include "TestSupport.h"
#include "core/AppContext.h"
#include "document/Document.h"
#include "document/ProgramStartup.h"
#include "gui/channels/ChannelEditorWindow.h"
#include "gui/options/SettingsPages.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QTest>

#include <memory>

namespace qrt::test {

// The program started in a temporary application folder with the channel editor and its
// settings pages shown, unlocked as after start-up.
struct PagesFixture {
    explicit PagesFixture(Language language = Language::English) {
        context = std::make_unique<AppContext>(dir.path());
        document = startProgram(*context, language);
        window = std::make_unique<gui::ChannelEditorWindow>(*document, prompts);
        window->setSettingsLocked(false);
        window->resize(1000, 720);
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }

    gui::SettingsPages& pages() { return *window->settingsPages(); }
    QTabWidget& tabs() { return *window->settingsTabs(); }
    template <class Widget = QWidget> Widget* w(const QString& name) { return window->findChild<Widget*>(name); }

    // Brings the page holding the widget to the front and scrolls the widget into view.
    void reveal(QWidget* widget) {
        for (int i = 0; i < tabs().count(); ++i) {
            auto* area = qobject_cast<QScrollArea*>(tabs().widget(i));
            if (area && area->widget()->isAncestorOf(widget)) {
                tabs().setCurrentIndex(i);
                area->ensureWidgetVisible(widget);
            }
        }
        QCoreApplication::processEvents();
    }

    // What a user does on the pages, by control name.
    void choose(const QString& name, const QString& itemText) {
        auto* list = w<QComboBox>(name);
        QVERIFY2(list, qPrintable(name));
        reveal(list);
        const int item = list->findText(itemText);
        QVERIFY2(item >= 0, qPrintable(name + QStringLiteral(": ") + itemText));
        // Step there with the arrow keys, as a user of the keyboard does.
        list->setFocus();
        while (list->currentIndex() < item)
            QTest::keyClick(list, Qt::Key_Down);
        while (list->currentIndex() > item)
            QTest::keyClick(list, Qt::Key_Up);
        QCOMPARE(list->currentText(), itemText);
    }
    void check(const QString& name, bool on) {
        auto* box = w<QCheckBox>(name);
        QVERIFY2(box, qPrintable(name));
        reveal(box);
        if (box->isChecked() != on)
            QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
        QCOMPARE(box->isChecked(), on);
    }
    void type(const QString& name, const QString& text) {
        auto* edit = w<QLineEdit>(name);
        QVERIFY2(edit, qPrintable(name));
        reveal(edit);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        for (const QChar c : text) {
            if (c.unicode() < 0x80) {
                QTest::keyClick(edit, c.toLatin1());
            } else {
                // Characters beyond the keyboard arrive through the input method.
                QInputMethodEvent commit;
                commit.setCommitString(QString(c));
                QApplication::sendEvent(edit, &commit);
            }
        }
    }
    void mark(const QString& name, int row) {
        auto* keys = w<QListWidget>(name);
        QVERIFY2(keys, qPrintable(name));
        reveal(keys);
        keys->scrollToItem(keys->item(row));
        QTest::mouseClick(keys->viewport(), Qt::LeftButton, {}, keys->visualItemRect(keys->item(row)).center());
    }
    void press(const QString& name) {
        auto* button = w<QPushButton>(name);
        QVERIFY2(button, qPrintable(name));
        reveal(button);
        QTest::mouseClick(button, Qt::LeftButton);
    }

    TempAppDir dir;
    ScriptedPrompts prompts{ScriptedPrompts::Unscripted::OkIfOffered};
    std::unique_ptr<AppContext> context;
    std::unique_ptr<Document> document;
    std::unique_ptr<gui::ChannelEditorWindow> window;
};

} // namespace qrt::test
