#pragma once

#include "gui/info/KeptPage.h"

class QComboBox;
class QFormLayout;
class QGroupBox;
class QLabel;
class QLineEdit;

namespace qrt {
class AppContext;
}

namespace qrt::gui::info {

// The static radio information page: model, band, software version and last write, none
// of which the program fills. It also carries the hidden way to the memory viewer: a
// double click on the small debug label switches the debug mode, and while it is on a
// double click on the frame asks for the memory viewer.
class RadioInfoPage : public KeptPage {
    Q_OBJECT
public:
    static inline const QString InitialRangeText = QStringLiteral("400.00000 - 470.00000MHz");

    explicit RadioInfoPage(const AppContext& context, QWidget* parent = nullptr);

    bool isDebugMode() const { return m_debugMode; }

    QGroupBox* frame() const { return m_frame; }
    QLabel* debugLabel() const { return m_debugLabel; }

Q_SIGNALS:
    void memoryViewerRequested();
    void debugModeChanged(bool on);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* addField(const QString& labelName, const QString& editName, const QString& caption);
    void toggleDebugMode();
    void onFrameDoubleClicked();

    bool m_debugMode = false;
    QGroupBox* m_frame;
    QLabel* m_debugLabel;
    QComboBox* m_rangeList;
    QFormLayout* m_fields;
};

} // namespace qrt::gui::info
