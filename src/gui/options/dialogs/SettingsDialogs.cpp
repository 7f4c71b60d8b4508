#include "gui/options/dialogs/SettingsDialogs.h"

#include "core/AppContext.h"
#include "document/Document.h"
#include "gui/options/SettingsPages.h"
#include "gui/options/dialogs/PttIdPauseDialog.h"
#include "gui/options/dialogs/SerialNumberImport.h"
#include "gui/options/dialogs/TwoToneGrids.h"
#include "gui/options/dialogs/VolumeDialog.h"

#include <QLayout>
#include <QVBoxLayout>

namespace qrt::gui {

void connectSettingsDialogs(SettingsPages& pages, Document& document, UserPrompts& prompts, QWidget* dialogParent) {
    QObject::connect(&pages, &SettingsPages::twoWayVolumeRequested, dialogParent, [&document, dialogParent] {
        VolumeDialog dialog(document.volumeDialog(), document.context(), dialogParent->window());
        dialog.exec();
    });
    QObject::connect(&pages, &SettingsPages::pttIdPauseChannelsRequested, dialogParent, [&document, dialogParent] {
        PttIdPauseDialog dialog(document.pttIdPauseDialog(), document.context(), dialogParent->window());
        dialog.exec();
    });
    QObject::connect(&pages, &SettingsPages::serialImportRequested, dialogParent, [&document, &prompts, dialogParent] {
        SerialNumberImport import(document, prompts, dialogParent->window());
        import.exec();
    });
    if (QWidget* place = pages.twoToneGridPlace()) {
        QLayout* layout = place->layout() ? place->layout() : new QVBoxLayout(place);
        layout->addWidget(new TwoToneGrids(document.settings(), document.context(), place));
    }
}

} // namespace qrt::gui
