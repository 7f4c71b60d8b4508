#pragma once

#include "gui/common/UserPrompts.h"

#include <QTextStream>

namespace qrt::shots {

// Nobody answers while pictures are taken: every box is cancelled and named on stderr.
class SilentPrompts : public gui::UnansweredPrompts {
public:
    QMessageBox::StandardButton ask(QWidget*, QMessageBox::Icon, const QString& title, const QString& text,
                                    QMessageBox::StandardButtons) override {
        QTextStream(stderr) << "qrt506-shots: message box left unanswered: " << title << ": " << text << '\n';
        return QMessageBox::NoButton;
    }
};

} // namespace qrt::shots
