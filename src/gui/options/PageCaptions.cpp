#include "gui/options/PageCaptions.h"

#include "core/AppContext.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>

namespace qrt::gui {

namespace {

const char* const TextIndexProperty = "textIndex";
const char* const TextPrefixProperty = "textPrefix";

QString captionOf(const QWidget& w, const AppContext& context) {
    const QVariant index = w.property(TextIndexProperty);
    if (!index.isValid())
        return {};
    return w.property(TextPrefixProperty).toString() + context.text(textIdAt(index.toInt()));
}

void setCaption(QWidget& w, const QString& caption) {
    if (auto* label = qobject_cast<QLabel*>(&w))
        label->setText(caption);
    else if (auto* button = qobject_cast<QAbstractButton*>(&w))
        button->setText(caption);
    else if (auto* group = qobject_cast<QGroupBox*>(&w))
        group->setTitle(caption);
}

QString shownCaption(const QWidget& w) {
    if (auto* label = qobject_cast<const QLabel*>(&w))
        return label->text();
    if (auto* button = qobject_cast<const QAbstractButton*>(&w))
        return button->text();
    if (auto* group = qobject_cast<const QGroupBox*>(&w))
        return group->title();
    return {};
}

} // namespace

void applyPageCaptions(QWidget& root, const AppContext& context) {
    const QList<QWidget*> widgets = root.findChildren<QWidget*>();
    for (QWidget* w : widgets) {
        const QString caption = captionOf(*w, context);
        if (!caption.isNull() && w->property(TextIndexProperty).isValid())
            setCaption(*w, caption);
    }
    const QString pageCaption = captionOf(root, context);
    root.setAccessibleName(pageCaption);
    for (QWidget* w : widgets) {
        const QString caption = shownCaption(*w);
        if (!caption.isEmpty())
            w->setAccessibleName(caption);
    }
    // A control is named by its caption label; one without a label by its page.
    for (QWidget* w : widgets) {
        if (auto* label = qobject_cast<QLabel*>(w); label && label->buddy() && !label->text().isEmpty())
            label->buddy()->setAccessibleName(label->text());
    }
    if (pageCaption.isEmpty())
        return;
    for (QWidget* w : widgets) {
        if (w->accessibleName().isEmpty() && !w->objectName().isEmpty() &&
            !w->objectName().startsWith(QLatin1String("qt_")))
            w->setAccessibleName(pageCaption);
    }
}

} // namespace qrt::gui
