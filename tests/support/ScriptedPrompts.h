#pragma once

#include "gui/common/UserPrompts.h"

#include <QList>
#include <QQueue>
#include <QString>
#include <QStringList>

namespace qrt::test {

// Answers the program's message boxes and file dialogs from queues and records what was
// asked. What a box answers when no answer is queued is the test's choice, made when the
// double is built; a file dialog with no name queued is cancelled (an empty name).
class ScriptedPrompts : public gui::UserPrompts {
public:
    enum class Unscripted {
        Close,       // NoButton, as when the box is closed
        OkIfOffered, // Ok for a box that offers it (a notice), otherwise NoButton
    };
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
        QString folder; // the folder, or for a save the proposed path (a folder dialog: the folder shown first)
        QString filter;
    };

    explicit ScriptedPrompts(Unscripted unscripted) : m_unscripted(unscripted) {}

    QQueue<QMessageBox::StandardButton> answers;
    QQueue<QString> fileNames;
    // The folders the last open dialog offered beside it.
    QStringList offeredPlaces;
    // Findings lists: the answers to give (true: go on), and what each list showed. A list
    // with no answer queued is answered by going on when it offers to.
    QQueue<bool> findingsAnswers;
    QList<QStringList> findingsShown;
    QList<Box> boxes;
    QList<FileDialog> dialogs;
    // The filter a dialog with several filters gives as chosen; none queued: the first.
    QQueue<QString> chosenFilters;

    QMessageBox::StandardButton ask(QWidget* parent, QMessageBox::Icon icon, const QString& title, const QString& text,
                                    QMessageBox::StandardButtons buttons) override {
        boxes.append({icon, title, text, buttons, parent});
        if (!answers.isEmpty())
            return answers.dequeue();
        const bool pressOk = m_unscripted == Unscripted::OkIfOffered && buttons.testFlag(QMessageBox::Ok);
        return pressOk ? QMessageBox::Ok : QMessageBox::NoButton;
    }
    QString openFileName(QWidget*, const QString& title, const QString& folder, const QString& filter) override {
        dialogs.append({false, title, folder, filter});
        return fileNames.isEmpty() ? QString() : fileNames.dequeue();
    }
    QString openFileNameOffering(QWidget* parent, const QString& title, const QString& folder, const QString& filter,
                                 const QStringList& places) override {
        offeredPlaces = places;
        return openFileName(parent, title, folder, filter);
    }
    bool reviewFindings(QWidget*, const QString&, const QString&, const QStringList& findings,
                        const QString& proceedText, const QString&) override {
        findingsShown.append(findings);
        const bool proceed = findingsAnswers.isEmpty() ? true : findingsAnswers.dequeue();
        return proceed && !proceedText.isEmpty();
    }
    QString saveFileName(QWidget*, const QString& title, const QString& path, const QString& filter) override {
        dialogs.append({true, title, path, filter});
        return fileNames.isEmpty() ? QString() : fileNames.dequeue();
    }

    QString folderName(QWidget*, const QString& title, const QString& folder) override {
        dialogs.append({false, title, folder, QString()});
        return fileNames.isEmpty() ? QString() : fileNames.dequeue();
    }
    QString openFileNameWithFilter(QWidget* parent, const QString& title, const QString& folder, const QString& filters,
                                   QString* chosenFilter) override {
        *chosenFilter = chosenFilters.isEmpty() ? filters.section(QStringLiteral(";;"), 0, 0) : chosenFilters.dequeue();
        return openFileName(parent, title, folder, filters);
    }
    QString saveFileNameWithFilter(QWidget* parent, const QString& title, const QString& path, const QString& filters,
                                   QString* chosenFilter) override {
        *chosenFilter = chosenFilters.isEmpty() ? filters.section(QStringLiteral(";;"), 0, 0) : chosenFilters.dequeue();
        return saveFileName(parent, title, path, filters);
    }

    QStringList boxTexts() const {
        QStringList texts;
        for (const Box& box : boxes)
            texts << box.text;
        return texts;
    }

private:
    Unscripted m_unscripted;
};

} // namespace qrt::test
