#pragma once

#include "gui/common/UserPrompts.h"

#include <QTextStream>

namespace qrt::shots {

// Nobody answers while pictures are taken: every box is cancelled and named on stderr.
class SilentPrompts : public gui::UserPrompts {
public:
    QMessageBox::StandardButton ask(QWidget*, QMessageBox::Icon, const QString& title, const QString& text,
                                    QMessageBox::StandardButtons) override {
        QTextStream(stderr) << "qrt506-shots: message box left unanswered: " << title << ": " << text << '\n';
        return QMessageBox::NoButton;
    }
    QString openFileName(QWidget*, const QString&, const QString&, const QString&) override { return {}; }
    QString saveFileName(QWidget*, const QString&, const QString&, const QString&) override { return {}; }
};

} // namespace qrt::shots
