#pragma once

#include <QString>

namespace qrt::gui {

// A menu caption without its access key: "S&ave As" -> "Save As", "另存为(&A)" -> "另存为".
QString withoutAccessKey(const QString& caption);

} // namespace qrt::gui
