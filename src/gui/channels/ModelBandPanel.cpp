#include "gui/channels/ModelBandPanel.h"

#include "core/AppContext.h"
#include "core/TextIndex.h"
#include "document/Document.h"
#include "gui/channels/CustomBandDialog.h"

#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QLabel>

namespace qrt::gui {

namespace {

QComboBox* listWithCaption(QFormLayout* form, const QString& listName, const QString& labelName, const QString& caption,
                           const QStringList& items, QLabel** label) {
    auto* list = new QComboBox;
    list->setObjectName(listName);
    list->addItems(items);
    list->setAccessibleName(caption);
    *label = new QLabel(caption);
    (*label)->setObjectName(labelName);
    (*label)->setBuddy(list);
    (*label)->setAccessibleName(caption);
    form->addRow(*label, list);
    return list;
}

} // namespace

ModelBandPanel::ModelBandPanel(Document& document, QWidget* parent) : QGroupBox(parent), m_document(document) {
    const AppContext& context = document.context();
    setObjectName(QStringLiteral("fraModelBand"));
    setTitle(context.text(TextId::ModelInformation));
    setAccessibleName(title());

    auto* form = new QFormLayout(this);
    QLabel* bandLabel = nullptr;
    m_model = listWithCaption(form, QStringLiteral("cboModel"), QStringLiteral("lblModel"),
                              context.text(TextId::ModelType), document.modelList(), &m_modelLabel);
    m_band = listWithCaption(form, QStringLiteral("cboFrequency"), QStringLiteral("lblFrequency"),
                             context.text(TextId::Frequency), document.bandList(), &bandLabel);
    m_modelLabel->installEventFilter(this);

    connect(m_model, &QComboBox::activated, this, [this](int position) { m_document.chooseModel(position); });
    connect(m_band, &QComboBox::activated, this, &ModelBandPanel::chooseBand);
    connect(&document, &Document::modelChanged, this, &ModelBandPanel::showModel);
    connect(&document, &Document::bandChanged, this, &ModelBandPanel::showBand);
    showModel();
    showBand();
}

void ModelBandPanel::chooseBand(int position) {
    if (position == band::CustomPosition)
        askCustomBand();
    else
        m_document.chooseBand(position);
    // A cancelled custom band leaves the band as it was.
    showBand();
}

void ModelBandPanel::askCustomBand() {
    CustomBandDialog dialog(m_document.context(), m_document.customMinText(), m_document.customMaxText(), window());
    if (dialog.exec() == QDialog::Accepted)
        m_document.chooseCustomBand(dialog.minText(), dialog.maxText());
}

void ModelBandPanel::showModel() {
    m_model->setCurrentIndex(m_document.modelPosition());
}

void ModelBandPanel::showBand() {
    m_band->setCurrentIndex(m_document.bandPosition());
}

bool ModelBandPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_modelLabel && event->type() == QEvent::MouseButtonDblClick) {
        if (m_gesture.doubleClicked())
            Q_EMIT memoryViewerRequested();
        else
            Q_EMIT memoryViewerHideRequested();
    }
    return QGroupBox::eventFilter(watched, event);
}

} // namespace qrt::gui
