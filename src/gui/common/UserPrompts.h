#pragma once

#include <QMessageBox>
#include <QString>
#include <QStringList>

class QWidget;

namespace qrt::gui {

// The message boxes and file dialogs of the program, behind one small interface so that
// tests answer them without a person. Every box has a title and a parent window.
class UserPrompts {
public:
    virtual ~UserPrompts() = default;

    // A message box with the given buttons; returns the button pressed (Escape or the
    // close box give the escape button of the set, or NoButton).
    virtual QMessageBox::StandardButton ask(QWidget* parent, QMessageBox::Icon icon, const QString& title,
                                            const QString& text, QMessageBox::StandardButtons buttons) = 0;
    // The open and save file dialogs; an empty result means cancelled. The save dialog does
    // not ask before replacing a file: the caller asks about the name it really writes.
    virtual QString openFileName(QWidget* parent, const QString& title, const QString& folder,
                                 const QString& filter) = 0;
    virtual QString saveFileName(QWidget* parent, const QString& title, const QString& path, const QString& filter) = 0;
    // The dialog that chooses an existing folder; empty when cancelled.
    virtual QString folderName(QWidget* parent, const QString& title, const QString& folder) = 0;

    // The open dialog with more folders offered beside it (in its side bar); by default the
    // plain open dialog.
    virtual QString openFileNameOffering(QWidget* parent, const QString& title, const QString& folder,
                                         const QString& filter, const QStringList& places) {
        Q_UNUSED(places);
        return openFileName(parent, title, folder, filter);
    }
    // A list of findings under an introducing line, with a button to go on (none when
    // proceedText is empty: the list only informs) and one to stay. True when the user
    // chose to go on; nobody answering stays.
    virtual bool reviewFindings(QWidget* parent, const QString& title, const QString& intro,
                                const QStringList& findings, const QString& proceedText, const QString& stayText) {
        Q_UNUSED(parent);
        Q_UNUSED(title);
        Q_UNUSED(intro);
        Q_UNUSED(findings);
        Q_UNUSED(proceedText);
        Q_UNUSED(stayText);
        return false;
    }
    // The same with several filters separated by ";;": *chosenFilter tells which one the user
    // chose. Unless a double says otherwise, the first is taken as chosen.
    virtual QString openFileNameWithFilter(QWidget* parent, const QString& title, const QString& folder,
                                           const QString& filters, QString* chosenFilter) {
        *chosenFilter = filters.section(QStringLiteral(";;"), 0, 0);
        return openFileName(parent, title, folder, filters);
    }
    virtual QString saveFileNameWithFilter(QWidget* parent, const QString& title, const QString& path,
                                           const QString& filters, QString* chosenFilter) {
        *chosenFilter = filters.section(QStringLiteral(";;"), 0, 0);
        return saveFileName(parent, title, path, filters);
    }

    // An OK box.
    void inform(QWidget* parent, QMessageBox::Icon icon, const QString& title, const QString& text) {
        ask(parent, icon, title, text, QMessageBox::Ok);
    }
};

// Nobody answers (pictures, benchmarks): every box gives NoButton, every file dialog an
// empty name.
class UnansweredPrompts : public UserPrompts {
public:
    QMessageBox::StandardButton ask(QWidget*, QMessageBox::Icon, const QString&, const QString&,
                                    QMessageBox::StandardButtons) override {
        return QMessageBox::NoButton;
    }
    QString openFileName(QWidget*, const QString&, const QString&, const QString&) override { return {}; }
    QString saveFileName(QWidget*, const QString&, const QString&, const QString&) override { return {}; }
    QString folderName(QWidget*, const QString&, const QString&) override { return {}; }
};

// The real dialogs of the platform.
class DialogPrompts : public UserPrompts {
public:
    QMessageBox::StandardButton ask(QWidget* parent, QMessageBox::Icon icon, const QString& title, const QString& text,
                                    QMessageBox::StandardButtons buttons) override;
    QString openFileName(QWidget* parent, const QString& title, const QString& folder, const QString& filter) override;
    QString saveFileName(QWidget* parent, const QString& title, const QString& path, const QString& filter) override;
    QString folderName(QWidget* parent, const QString& title, const QString& folder) override;

    QString openFileNameOffering(QWidget* parent, const QString& title, const QString& folder, const QString& filter,
                                 const QStringList& places) override;
    bool reviewFindings(QWidget* parent, const QString& title, const QString& intro, const QStringList& findings,
                        const QString& proceedText, const QString& stayText) override;
    QString openFileNameWithFilter(QWidget* parent, const QString& title, const QString& folder, const QString& filters,
                                   QString* chosenFilter) override;
    QString saveFileNameWithFilter(QWidget* parent, const QString& title, const QString& path, const QString& filters,
                                   QString* chosenFilter) override;
};

} // namespace qrt::gui
