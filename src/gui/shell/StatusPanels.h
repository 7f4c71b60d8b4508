#pragma once

#include <QString>

class QLabel;
class QStatusBar;

namespace qrt::gui {

// The three panels of the status bar sbrStatus: statusNotice (a status text),
// statusCom ("COM" and the port number) and statusAddress (the current file).
class StatusPanels {
public:
    explicit StatusPanels(QStatusBar& bar);

    QString notice() const;
    void setNotice(const QString& text);
    void setPort(int portNumber);
    void setFileText(const QString& text);

private:
    QLabel* m_notice;
    QLabel* m_com;
    QLabel* m_address;
};

} // namespace qrt::gui
