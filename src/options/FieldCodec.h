#pragma once

#include "options/SettingsMap.h"

#include <QByteArray>
#include <QString>

namespace qrt {
class ErrorLog;
class RadioImage;
} // namespace qrt

// The one mechanism that reads, repairs and writes every field of the settings map.
namespace qrt::options::codec {

// The stored value a list builder is given (the bits of a bit field, else the byte).
int storedValue(const FieldDesc& field, const RadioImage& image);
// Item of a list (or 0/1 for a check box) shown for the stored field. A value outside the
// accepted range is first repaired in the image.
int readItem(const FieldDesc& field, RadioImage& image);
// Stores an item (or check state 0/1), keeping the bits of a shared byte that are not the field's.
void writeItem(const FieldDesc& field, int item, RadioImage& image);

// The filter of a text box; the text unchanged for boxes without one.
QString filterText(const FieldDesc& field, const QString& text);
// The text a text field shows.
QString readText(const FieldDesc& field, const RadioImage& image);
// Stores a (filtered) text in the field's canonical form.
void writeText(const FieldDesc& field, const QString& text, RadioImage& image, ErrorLog* log);

// Program code: the six bytes in the order low 1, high 1, low 2, high 2, low 3, high 3.
// An empty or blank text gives six 0xFF (no code). Characters without a character code
// are left out, so that the stored code is always one the user can type again.
QByteArray programCodeBytes(const QString& text);
QString programCodeText(const QByteArray& sixBytes);

} // namespace qrt::options::codec
