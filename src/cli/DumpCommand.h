#pragma once

#include <QJsonObject>

namespace qrt {
class EditorSession;
}

namespace qrt::cli {

// The editor's view of the data as one JSON object: model, band and the channels.
QJsonObject dumpJson(EditorSession& session);

} // namespace qrt::cli
