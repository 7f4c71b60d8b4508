#pragma once

#include <QString>
#include <QStringList>

namespace qrt::options {

enum class ControlKind {
    List,    // drop-down list with one selected item
    Check,   // check box
    KeyList, // list whose items carry check marks, exactly one marked
    Text,    // text box
    Button,  // command button (only its visibility is managed here)
    Grid,    // the two-tone grids (state kept in TwoToneTable)
};

// What a view needs to show one option control.
struct Control {
    QString name{};
    ControlKind kind = ControlKind::List;
    QStringList items{}; // lists
    int item = -1;       // selected (or marked) item of a list; -1 = no selection
    bool checked = false;
    QString text{};
    QString toolTip{};
    int maxLength = 0; // text boxes; 0 = no limit
    bool enabled = true;
    bool visible = true;
    bool readOnly = false;

    // Text of the selected item; empty without a selection.
    QString itemText() const { return item >= 0 && item < items.size() ? items.at(item) : QString(); }
};

} // namespace qrt::options
