#include "gui/options/SettingsBinder.h"

#include "options/SettingsModel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSignalBlocker>

namespace qrt::gui {

using options::Control;
using options::ControlKind;

namespace {

const char* const FollowsProperty = "followsVisibilityOf";
const char* const KeepsBlanksProperty = "keepsTrailingBlanks";

QString withoutTrailingBlanks(QString text) {
    while (text.endsWith(QLatin1Char(' ')))
        text.chop(1);
    return text;
}

void setHiddenIfChanged(QWidget* w, bool hidden) {
    if (w->isHidden() != hidden)
        w->setHidden(hidden);
}

} // namespace

SettingsBinder::SettingsBinder(options::SettingsModel& model, const QList<QWidget*>& roots, QObject* parent)
    : QObject(parent), m_model(model) {
    for (const QString& name : model.names()) {
        for (QWidget* root : roots) {
            if (auto* w = root->findChild<QWidget*>(name)) {
                bind(name, w, roots);
                break;
            }
        }
    }
    connect(&m_model, &options::SettingsModel::controlChanged, this, &SettingsBinder::show);
    showAll();
}

void SettingsBinder::bind(const QString& name, QWidget* widget, const QList<QWidget*>& roots) {
    Binding b;
    b.widget = widget;
    b.kind = m_model.control(name)->kind;
    // Heard by the words of its caption, as the undo step of its changes is called; a
    // control of a numbered row also by its row.
    if (const QString words = m_model.undoTextOf(name); !words.isEmpty())
        widget->setAccessibleName(words);
    for (QWidget* root : roots) {
        for (QWidget* w : root->findChildren<QWidget*>()) {
            if (w->property(FollowsProperty).toString() == name)
                b.followers << w;
        }
    }
    m_bindings.insert(name, b);
    m_order << name;
    connectUserChanges(name, widget);
}

void SettingsBinder::connectUserChanges(const QString& name, QWidget* widget) {
    options::SettingsModel& model = m_model;
    // After each forward the widget shows the model again: a rejected or repaired value
    // does not stay on screen.
    if (auto* list = qobject_cast<QComboBox*>(widget)) {
        connect(list, &QComboBox::currentIndexChanged, this, [this, &model, name](int item) {
            if (item >= 0)
                model.selectItem(name, item);
            show(name);
        });
    } else if (auto* keys = qobject_cast<QListWidget*>(widget)) {
        const auto choose = [this, &model, name, keys](QListWidgetItem* item) {
            model.selectItem(name, keys->row(item));
            show(name);
        };
        connect(keys, &QListWidget::itemChanged, this, choose);
        // A click on the text marks the item as a click on its box does.
        const auto chooseUnmarked = [choose](QListWidgetItem* item) {
            if (item->checkState() != Qt::Checked)
                choose(item);
        };
        connect(keys, &QListWidget::itemClicked, this, chooseUnmarked);
        connect(keys, &QListWidget::itemActivated, this, chooseUnmarked);
    } else if (auto* box = qobject_cast<QCheckBox*>(widget)) {
        connect(box, &QCheckBox::toggled, this, [this, &model, name](bool on) {
            model.setChecked(name, on);
            show(name);
        });
    } else if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        connect(edit, &QLineEdit::textEdited, this, [this, &model, name](const QString& text) {
            model.setText(name, text);
            show(name);
        });
    }
}

QStringList SettingsBinder::boundNames() const {
    return m_order;
}

QWidget* SettingsBinder::widget(const QString& name) const {
    const auto it = m_bindings.constFind(name);
    return it == m_bindings.constEnd() ? nullptr : it->widget;
}

void SettingsBinder::showAll() {
    for (const QString& name : std::as_const(m_order))
        show(name);
}

void SettingsBinder::show(const QString& name) {
    const auto it = m_bindings.find(name);
    const Control* c = m_model.control(name);
    if (it == m_bindings.end() || !c)
        return;
    Binding& b = *it;
    QWidget* w = b.widget;
    const QSignalBlocker blocker(w);
    switch (b.kind) {
    case ControlKind::List:
    case ControlKind::KeyList:
        showItems(b, *c);
        break;
    case ControlKind::Check:
        if (auto* box = qobject_cast<QCheckBox*>(w))
            box->setChecked(c->checked);
        break;
    case ControlKind::Text:
        showText(b, *c);
        break;
    case ControlKind::Button:
    case ControlKind::Grid:
        break;
    }
    if (w->isEnabled() != c->enabled)
        w->setEnabled(c->enabled);
    setHiddenIfChanged(w, !c->visible);
    for (QWidget* follower : std::as_const(b.followers))
        setHiddenIfChanged(follower, !c->visible);
    if (!c->toolTip.isEmpty())
        w->setToolTip(c->toolTip);
}

// Lists are refilled only when their items changed: most refreshes rebuild the model's
// lists with the same items.
void SettingsBinder::showItems(Binding& b, const Control& c) {
    if (auto* list = qobject_cast<QComboBox*>(b.widget)) {
        if (b.shownItems != c.items) {
            list->clear();
            list->addItems(c.items);
            b.shownItems = c.items;
        }
        list->setCurrentIndex(c.item);
        return;
    }
    auto* keys = qobject_cast<QListWidget*>(b.widget);
    if (!keys)
        return;
    if (b.shownItems != c.items) {
        keys->clear();
        for (const QString& text : c.items) {
            auto* item = new QListWidgetItem(text, keys);
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
            item->setCheckState(Qt::Unchecked);
        }
        b.shownItems = c.items;
    }
    for (int row = 0; row < keys->count(); ++row) {
        QListWidgetItem* item = keys->item(row);
        const Qt::CheckState state = row == c.item ? Qt::Checked : Qt::Unchecked;
        if (item->checkState() != state)
            item->setCheckState(state);
    }
}

void SettingsBinder::showText(Binding& b, const Control& c) {
    if (auto* edit = qobject_cast<QLineEdit*>(b.widget)) {
        const int maxLength = c.maxLength > 0 ? c.maxLength : 32767;
        if (edit->maxLength() != maxLength)
            edit->setMaxLength(maxLength);
        edit->setReadOnly(c.readOnly);
        const bool sameButBlanks = edit->property(KeepsBlanksProperty).toBool() && edit->hasFocus() &&
                                   withoutTrailingBlanks(edit->text()) == c.text;
        if (edit->text() != c.text && !sameButBlanks)
            edit->setText(c.text);
        return;
    }
    if (auto* plain = qobject_cast<QPlainTextEdit*>(b.widget)) {
        plain->setReadOnly(true);
        if (plain->toPlainText() != c.text)
            plain->setPlainText(c.text);
    }
}

} // namespace qrt::gui
