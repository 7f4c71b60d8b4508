#pragma once

#include <QJsonObject>

namespace qrt {
class Document;
namespace options {
class SettingsModel;
}
} // namespace qrt

namespace qrt::cli {

// The editor's view of the data as one JSON object: model, band and the channels.
QJsonObject dumpJson(const Document& document);
// Every control of the settings refresh by name: its item and item text, check state or text,
// and whether it is enabled.
QJsonObject settingsJson(const options::SettingsModel& settings);

} // namespace qrt::cli
