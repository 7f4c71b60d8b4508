#pragma once

#include "comm/RadioSeries.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace qrt::comm {
class RadioLink;
}

namespace qrt::gui {
class UserPrompts;
}

namespace qrt::gui::comm {

// The window that reads or writes several radios in a row: what to do (write or read), how
// many radios, how often to ask whether a radio is there and, for reads, the folder of the
// numbered files; below, what is happening, the count, the progress of the radio at hand
// and a line per radio. Start, Stop and Close; closing while a run goes on stops it first.
class RadioSeriesWindow : public QDialog {
    Q_OBJECT
public:
    RadioSeriesWindow(qrt::comm::RadioLink& link, UserPrompts& prompts, QWidget* parent);
    ~RadioSeriesWindow() override;

    qrt::comm::RadioSeries& series() { return m_series; }
    void start();
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* buildSettingFrame();
    QWidget* buildCommunicationFrame();
    void chooseFolder();
    void loadChoices();
    void saveChoices();
    void showRunning(bool running);
    void showReadOrWrite();
    void finishRun(qrt::comm::RadioSeries::Ending ending);
    QString text(TextId id) const;
    QString extraText(const char* key) const;

    qrt::comm::RadioLink& m_link;
    UserPrompts& m_prompts;
    qrt::comm::RadioSeries m_series;
    bool m_closeWhenEnded = false;

    QWidget* m_settingFrame = nullptr;
    QRadioButton* m_write = nullptr;
    QRadioButton* m_read = nullptr;
    QSpinBox* m_times = nullptr;
    QSpinBox* m_interval = nullptr;
    QLabel* m_folderLabel = nullptr;
    QLineEdit* m_folder = nullptr;
    QPushButton* m_browse = nullptr;
    QCheckBox* m_showProgress = nullptr;
    QLabel* m_status = nullptr;
    QLabel* m_count = nullptr;
    QProgressBar* m_progress = nullptr;
    QListWidget* m_log = nullptr;
    QPushButton* m_start = nullptr;
    QPushButton* m_stop = nullptr;
    QPushButton* m_close = nullptr;
};

} // namespace qrt::gui::comm
