#pragma once

#include "core/Language.h"
#include "core/Result.h"
#include "options/SettingsControl.h"
#include "options/SettingsMap.h"
#include "options/TwoToneTable.h"
#include "options/UserEditNotifier.h"

#include <QHash>
#include <QPair>

#include <optional>
#include <vector>

namespace qrt {
class ErrorLog;
class InterfaceTexts;
class RadioImage;
} // namespace qrt

namespace qrt::options {

// Every radio-wide option control, bound to its field of the image. The image is the only
// state: a user change writes its field at once, and the refresh rebuilds every list and
// sets every control from the image, repairing out-of-range values. Views bind to the
// controls by name and follow controlChanged().
class SettingsModel : public UserEditNotifier {
    Q_OBJECT
public:
    static constexpr int NewCodeSize = 16;

    SettingsModel(RadioImage& image, const InterfaceTexts& texts, ErrorLog* log, QObject* parent = nullptr);

    // The refresh after the image was replaced.
    void refreshFromImage();
    // Restores the VOX compare defaults when level 1 shows below 20 or level 10 above 180.
    void repairVoxCompare();

    // Names of the controls the refresh sets, in its order (the two-tone grid excluded).
    QStringList refreshedNames() const;
    // Every control this model holds, the refreshed ones first.
    QStringList names() const;
    const Control* control(const QString& name) const;
    // What an undo step of a user change of the control is called: the control's caption
    // in the interface language, with the row of a control in a numbered group.
    QString undoTextOf(const QString& name) const;

    // User changes, through the same rules as the views' handlers. False when the name is
    // unknown, the control is of another kind, or the item is not in the list.
    bool selectItem(const QString& name, int item);
    bool setChecked(const QString& name, bool on);
    bool setText(const QString& name, const QString& text);

    // The VOX compare "Default" button.
    void pressVoxCompareDefault();
    static QString voxCompareToolTip(int value);

    // Two-tone grids (hidden container).
    const TwoToneTable& twoTone() const { return m_twoTone; }
    bool editTwoTone(int code, int column, const QString& text);

    // Serial numbers: reads section "SerialNo" of an INI file, keys 1, 2, ... up to the
    // first empty value; returns the number of serial numbers added.
    int importSerialNumbers(const QString& path);
    // Failed when the last import could not read its file (a folder, a pipe, too large,
    // unreadable), as SettingsFile::status tells it; ok when it was read or does not exist.
    const Result& serialImportStatus() const { return m_serialImportStatus; }
    QStringList serialNumbers() const { return m_serialValues; }
    // The "<<" and ">>" buttons: the imported serial number before or after the selected one.
    void selectPreviousSerialNumber() { stepSerialNumber(-1); }
    void selectNextSerialNumber() { stepSerialNumber(+1); }

    // The new program code the write to the radio sends, laid out like 0x0380..0x038F.
    const QByteArray& newCodeBlock() const { return m_newCodeBlock; }

Q_SIGNALS:
    void controlChanged(const QString& name);
    void twoToneChanged();
    void refreshed();

private:
    // -1 or +1 along the imported list; stays put at either end.
    void stepSerialNumber(int step);
    Control& ctl(const QString& name);
    Control* find(const QString& name);
    void addControl(Control c);
    void changed(Control& c);

    void refreshField(const FieldDesc& f);
    void refreshList(const FieldDesc& f, Control& c);
    void refreshText(const FieldDesc& f, Control& c);
    // The text box rule: filter, show, store; the box keeps what it shows afterwards.
    void applyText(const FieldDesc& f, Control& c, const QString& text);
    void setEnabled(const QString& name, bool on);
    void setVisible(const QString& name, bool on);
    // Enabled states worked out from the stored values.
    void applyDependentStates();
    // The enable rules (enabledWhen) of the controls whose state follows `source`.
    void applyEnableRulesOf(const QString& source);
    void applyEnabledWhen(const FieldDesc& f);
    // The rules by which a user change sets or enables another control.
    void afterUserChange(const QString& name);
    void showInfoTexts();
    void selectListItem(const FieldDesc& f, Control& c, int item);
    void restoreVoxCompareDefaults();
    // The items of a list for the current language and, for a list that follows it, the
    // stored value: each is built once, not again by every refresh.
    QStringList listItems(const FieldDesc& f, int storedValue);

    RadioImage& m_image;
    const InterfaceTexts& m_texts;
    ErrorLog* m_log;
    std::vector<Control> m_controls;
    QHash<QString, int> m_index;
    int m_refreshedCount = 0;
    TwoToneTable m_twoTone;
    QStringList m_serialValues;
    Result m_serialImportStatus;
    QByteArray m_newCodeBlock;
    bool m_keyListBusy = false;
    QHash<QPair<quintptr, int>, QStringList> m_builtLists; // by builder and value
    std::optional<Language> m_builtListsLanguage;
};

} // namespace qrt::options
