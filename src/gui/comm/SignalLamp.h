#pragma once

#include <QWidget>

class QLabel;
class QTimer;

namespace qrt::gui::comm {

// The lamp of the communication window: a green light over a red one at the same place.
// While blinking, the green light is shown and hidden every 100 ms; when it is hidden the
// red light shows through.
class SignalLamp : public QWidget {
    Q_OBJECT
public:
    static constexpr int BlinkIntervalMs = 100;

    explicit SignalLamp(QWidget* parent = nullptr);

    void setBlinking(bool on);
    bool isBlinking() const;
    bool greenShown() const;

private:
    QLabel* m_red;
    QLabel* m_green;
    QTimer* m_timer;
};

} // namespace qrt::gui::comm
