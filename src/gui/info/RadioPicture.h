#pragma once

#include <QPixmap>

namespace qrt::gui::info {

// The picture of the about dialog: a handheld radio, drawn rather than shipped.
QPixmap drawRadioPicture(qreal devicePixelRatio);

} // namespace qrt::gui::info
