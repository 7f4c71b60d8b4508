#include "TextFit.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyleOptionComboBox>
#include <QTabBar>

namespace qrt::test {

namespace {

QString describe(const QWidget& widget, const QString& text, int shown, int needed) {
    return QStringLiteral("%1 (%2): \"%3\" has %4 px, needs %5")
        .arg(widget.objectName(), QString::fromLatin1(widget.metaObject()->className()), text)
        .arg(shown)
        .arg(needed);
}

QString withoutMnemonic(QString text) {
    return text.replace(QStringLiteral("&&"), QStringLiteral("\x01"))
        .remove(QLatin1Char('&'))
        .replace(QLatin1Char('\x01'), QLatin1Char('&'));
}

void checkLabel(const QLabel& label, QStringList& faults) {
    if (label.text().isEmpty() || label.hasScaledContents())
        return;
    if (label.wordWrap()) {
        const int needed = label.heightForWidth(label.width());
        if (label.height() < needed)
            faults << describe(label, label.text(), label.height(), needed) + QStringLiteral(" (height)");
        return;
    }
    const int needed = label.sizeHint().width();
    if (label.width() < needed)
        faults << describe(label, label.text(), label.width(), needed);
}

void checkButton(const QAbstractButton& button, QStringList& faults) {
    if (button.text().isEmpty())
        return;
    int needed = 0;
    if (qobject_cast<const QCheckBox*>(&button) || qobject_cast<const QRadioButton*>(&button)) {
        needed = button.sizeHint().width(); // indicator, spacing and text, nothing more
    } else if (qobject_cast<const QPushButton*>(&button)) {
        // A push button's own hint has a least width of its own; only its text and the
        // margins around it count here.
        const QStyle* style = button.style();
        const int margin = style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, &button) +
                           2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &button);
        needed = button.fontMetrics().horizontalAdvance(withoutMnemonic(button.text())) + margin;
        if (!button.icon().isNull())
            needed += button.iconSize().width() + margin;
        needed = qMin(needed, button.sizeHint().width());
    } else {
        return; // tool buttons show icons with captions of the style's choosing
    }
    if (button.width() < needed)
        faults << describe(button, button.text(), button.width(), needed);
}

void checkComboBox(const QComboBox& combo, QStringList& faults) {
    QStyleOptionComboBox option;
    option.initFrom(&combo);
    option.editable = combo.isEditable();
    option.frame = combo.hasFrame();
    const int field =
        combo.style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, &combo).width();
    for (int i = 0; i < combo.count(); ++i) {
        const QString item = combo.itemText(i);
        const int needed = combo.fontMetrics().horizontalAdvance(item);
        if (field < needed) {
            faults << describe(combo, item, field, needed);
            return;
        }
    }
}

void checkGroupBox(const QGroupBox& box, QStringList& faults) {
    if (box.title().isEmpty())
        return;
    const int needed = box.fontMetrics().horizontalAdvance(withoutMnemonic(box.title()));
    if (box.width() < needed)
        faults << describe(box, box.title(), box.width(), needed);
}

void checkHeader(const QHeaderView& header, QStringList& faults) {
    if (header.orientation() != Qt::Horizontal || !header.model())
        return;
    const int margin = header.style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, &header);
    for (int section = 0; section < header.count(); ++section) {
        if (header.isSectionHidden(section))
            continue;
        const QString caption = header.model()->headerData(section, Qt::Horizontal).toString();
        const int needed = header.fontMetrics().horizontalAdvance(caption) + 2 * margin;
        if (header.sectionSize(section) < needed)
            faults << describe(header, caption, header.sectionSize(section), needed);
    }
}

void checkTabBar(const QTabBar& tabs, QStringList& faults) {
    for (int i = 0; i < tabs.count(); ++i) {
        const QRect rect = tabs.tabRect(i);
        const int needed = tabs.fontMetrics().horizontalAdvance(withoutMnemonic(tabs.tabText(i)));
        if (rect.width() < needed || rect.left() < 0 || rect.right() >= tabs.width())
            faults << describe(tabs, tabs.tabText(i), rect.width(), needed) + QStringLiteral(" (or out of view)");
    }
}

void checkScrollArea(const QScrollArea& area, QStringList& faults) {
    if (area.horizontalScrollBar()->maximum() > 0)
        faults << QStringLiteral("%1 scrolls sideways by %2 px")
                      .arg(area.objectName())
                      .arg(area.horizontalScrollBar()->maximum());
}

// A widget in a child window of a multiple-document area that another child covers.
bool behindAnotherChildWindow(const QWidget& widget) {
    for (const QWidget* w = &widget; w; w = w->parentWidget()) {
        if (const auto* child = qobject_cast<const QMdiSubWindow*>(w))
            return child->mdiArea() && child->mdiArea()->currentSubWindow() != child;
    }
    return false;
}

} // namespace

QStringList cutTexts(const QWidget& window) {
    QStringList faults;
    const QList<QWidget*> widgets = window.findChildren<QWidget*>();
    for (const QWidget* widget : widgets) {
        if (widget->window() != &window || !widget->isVisibleTo(&window) || behindAnotherChildWindow(*widget))
            continue;
        if (const auto* label = qobject_cast<const QLabel*>(widget))
            checkLabel(*label, faults);
        else if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
            checkButton(*button, faults);
        else if (const auto* combo = qobject_cast<const QComboBox*>(widget))
            checkComboBox(*combo, faults);
        else if (const auto* box = qobject_cast<const QGroupBox*>(widget))
            checkGroupBox(*box, faults);
        else if (const auto* header = qobject_cast<const QHeaderView*>(widget))
            checkHeader(*header, faults);
        else if (const auto* tabs = qobject_cast<const QTabBar*>(widget))
            checkTabBar(*tabs, faults);
        else if (const auto* area = qobject_cast<const QScrollArea*>(widget))
            checkScrollArea(*area, faults);
    }
    return faults;
}

QString offScreen(const QWidget& window) {
    const QScreen* screen = window.screen();
    const QRect available = screen ? screen->availableGeometry() : QRect();
    const QRect frame = window.frameGeometry();
    if (available.contains(frame))
        return {};
    return QStringLiteral("%1: frame %2,%3 %4x%5 is not within %6x%7")
        .arg(window.objectName())
        .arg(frame.x())
        .arg(frame.y())
        .arg(frame.width())
        .arg(frame.height())
        .arg(available.width())
        .arg(available.height());
}

} // namespace qrt::test
