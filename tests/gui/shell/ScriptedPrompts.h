#pragma once

#include "gui/common/UserPrompts.h"

#include <QList>
#include <QQueue>
#include <QString>
#include <QStringList>

namespace qrt::test {

// Answers the message boxes and file dialogs from queues and records what was asked.
// A box with no answer left gets NoButton (as a closed box), a dialog an empty name.
class ScriptedPrompts : public gui::UserPrompts {
public:
    struct Box {
        QMessageBox::Icon icon;
        QString title;
        QString text;
        QMessageBox::StandardButtons buttons;
        QWidget* parent;
    };
    struct FileDialog {
        bool save;
        QString title;
        QString folder;
        QString filter;
    };

    QQueue<QMessageBox::StandardButton> answers;
    QQueue<QString> fileNames;
    QList<Box> boxes;
    QList<FileDialog> dialogs;

    QMessageBox::StandardButton ask(QWidget* parent, QMessageBox::Icon icon, const QString& title, const QString& text,
                                    QMessageBox::StandardButtons buttons) override {
        boxes.append({icon, title, text, buttons, parent});
        return answers.isEmpty() ? QMessageBox::NoButton : answers.dequeue();
    }
    QString openFileName(QWidget*, const QString& title, const QString& folder, const QString& filter) override {
        dialogs.append({false, title, folder, filter});
        return fileNames.isEmpty() ? QString() : fileNames.dequeue();
    }
    QString saveFileName(QWidget*, const QString& title, const QString& path, const QString& filter) override {
        dialogs.append({true, title, path, filter});
        return fileNames.isEmpty() ? QString() : fileNames.dequeue();
    }

    QStringList boxTexts() const {
        QStringList texts;
        for (const Box& box : boxes)
            texts << box.text;
        return texts;
    }
};

} // namespace qrt::test
