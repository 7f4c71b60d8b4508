#pragma once

#include "gui/common/UserPrompts.h"

#include <QList>
#include <QStringList>

namespace qrt::test {

// Answers the program's message boxes and file dialogs from a script and records what
// was shown.
class ScriptedPrompts : public gui::UserPrompts {
public:
    struct Shown {
        QWidget* parent;
        QMessageBox::Icon icon;
        QString title;
        QString text;
    };

    QMessageBox::StandardButton ask(QWidget* parent, QMessageBox::Icon icon, const QString& title, const QString& text,
                                    QMessageBox::StandardButtons buttons) override {
        shown.append({parent, icon, title, text});
        if (!answers.isEmpty())
            return answers.takeFirst();
        return buttons.testFlag(QMessageBox::Ok) ? QMessageBox::Ok : QMessageBox::NoButton;
    }
    QString openFileName(QWidget*, const QString&, const QString&, const QString&) override {
        return fileNames.isEmpty() ? QString() : fileNames.takeFirst();
    }
    QString saveFileName(QWidget*, const QString&, const QString&, const QString&) override {
        return fileNames.isEmpty() ? QString() : fileNames.takeFirst();
    }

    QList<QMessageBox::StandardButton> answers;
    QStringList fileNames;
    QList<Shown> shown;
};

} // namespace qrt::test
