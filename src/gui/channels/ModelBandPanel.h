#pragma once

#include "core/Band.h"

#include <QGroupBox>

class QComboBox;
class QLabel;

namespace qrt {
class Document;
}

namespace qrt::gui {

// The frame of the model list and the band list. Choosing forwards to the
// document; the lists follow the document's model and band. The "Custom" entry asks for
// the limits first. Double-clicks on the model label count towards the hidden gesture
// that shows the memory viewer.
class ModelBandPanel : public QGroupBox {
    Q_OBJECT
public:
    explicit ModelBandPanel(Document& document, QWidget* parent = nullptr);

    QComboBox* modelList() const { return m_model; }
    QComboBox* bandList() const { return m_band; }
    QLabel* modelLabel() const { return m_modelLabel; }

Q_SIGNALS:
    void memoryViewerRequested();
    void memoryViewerHideRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void chooseBand(int position);
    void askCustomBand();
    void showModel();
    void showBand();

    Document& m_document;
    QLabel* m_modelLabel;
    QComboBox* m_model;
    QComboBox* m_band;
    MemoryViewerGesture m_gesture;
};

} // namespace qrt::gui
