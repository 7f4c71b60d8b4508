#pragma once

#include "options/SettingsControl.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QStringList>

class QWidget;

namespace qrt::options {
class SettingsModel;
}

namespace qrt::gui {

// Binds the widgets of the settings pages to the controls of the settings model by object
// name: a QComboBox to a list, a QListWidget with check marks to a key list, a QCheckBox,
// a QLineEdit or read-only QPlainTextEdit to a text box, any other widget to a button
// (its visibility only). The widgets show the model's items, selection, check state, text,
// enabled and visible state and tool tips, and forward what the user does to the model.
// Each bound widget is named for assistive technology by its caption (undoTextOf).
// While showing, the widgets' signals are blocked, so a refresh never runs a change rule.
//
// Dynamic properties read from the widgets:
//  - followsVisibilityOf (string): the widget is shown and hidden with that control;
//  - keepsTrailingBlanks (bool, text boxes): blanks typed at the end stay in the box while
//    the model (which stores the text without them) is otherwise showing the same text.
class SettingsBinder : public QObject {
    Q_OBJECT
public:
    SettingsBinder(options::SettingsModel& model, const QList<QWidget*>& roots, QObject* parent = nullptr);

    // Names of the model's controls that found a widget.
    QStringList boundNames() const;
    QWidget* widget(const QString& name) const;
    // Shows every control as the model holds it.
    void showAll();

private:
    struct Binding {
        QWidget* widget = nullptr;
        options::ControlKind kind = options::ControlKind::Button;
        QStringList shownItems;
        QList<QWidget*> followers;
    };

    void bind(const QString& name, QWidget* widget, const QList<QWidget*>& roots);
    void connectUserChanges(const QString& name, QWidget* widget);
    void show(const QString& name);
    void showItems(Binding& b, const options::Control& c);
    void showText(Binding& b, const options::Control& c);

    options::SettingsModel& m_model;
    QHash<QString, Binding> m_bindings;
    QStringList m_order;
};

} // namespace qrt::gui
