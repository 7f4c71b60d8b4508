#include "gui/channels/CustomBandDialog.h"

#include "core/AppContext.h"
#include "core/TextIndex.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace qrt::gui {

namespace {

QLineEdit* limitEdit(const QString& objectName, const QString& text, const QString& fallback, QWidget* parent) {
    auto* edit = new QLineEdit(text.isEmpty() ? fallback : text, parent);
    edit->setObjectName(objectName);
    return edit;
}

QLabel* captionFor(QWidget* control, const QString& objectName, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(objectName);
    label->setBuddy(control);
    control->setAccessibleName(text);
    return label;
}

} // namespace

CustomBandDialog::CustomBandDialog(const AppContext& context, const QString& minText, const QString& maxText,
                                   QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("frmCustomFre"));
    setWindowTitle(context.text(TextId::CustomBandTitle));
    setAccessibleName(windowTitle());

    auto* frame = new QGroupBox(this);
    frame->setObjectName(QStringLiteral("fraCustomFre"));
    frame->setAccessibleName(windowTitle());
    m_min = limitEdit(QStringLiteral("txtFreMin"), minText, QStringLiteral("120"), frame);
    m_max = limitEdit(QStringLiteral("txtFreMax"), maxText, QStringLiteral("520"), frame);
    auto* form = new QFormLayout(frame);
    form->addRow(captionFor(m_min, QStringLiteral("lblFreMin"), context.text(TextId::CustomBandMin), frame), m_min);
    form->addRow(captionFor(m_max, QStringLiteral("lblFreMax"), context.text(TextId::CustomBandMax), frame), m_max);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(context.text(TextId::CustomBandOk), QDialogButtonBox::AcceptRole);
    QPushButton* cancel = buttons->addButton(context.text(TextId::CustomBandCancel), QDialogButtonBox::RejectRole);
    ok->setObjectName(QStringLiteral("cmdOk"));
    cancel->setObjectName(QStringLiteral("cmdCancel"));
    ok->setAccessibleName(ok->text());
    cancel->setAccessibleName(cancel->text());
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addWidget(buttons);
}

QString CustomBandDialog::minText() const {
    return m_min->text();
}

QString CustomBandDialog::maxText() const {
    return m_max->text();
}

} // namespace qrt::gui
