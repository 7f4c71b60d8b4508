#pragma once

#include "comm/SerialPort.h"

#include <QString>
#include <QStringList>

namespace qrt {
class ExtraTexts;
class SettingsFile;
} // namespace qrt

namespace qrt::comm {

// Which device a port number 1..16 stands for.
//
// On Windows port n is the device COMn. On Linux the numbers are given to the serial
// devices found in /dev in this order: USB serial adapters first (ttyUSB*, then ttyACM*),
// then the other serial devices (ttyS*, ttyAMA*, ttymxc*, rfcomm*), each group in name
// order with numbers compared by value (ttyUSB2 before ttyUSB10). Port 1 is the first
// device found, port 2 the second, and so on. A key COMn in the section "Ports" of the
// settings file holding a device path overrides the number n, e.g.
//     [Ports]
//     COM3=/dev/serial/by-id/usb-cable-if00-port0
namespace portmap {

constexpr int PortCount = 16;
inline const QString Section = QStringLiteral("Ports");

QString portKey(int number);
// The serial devices of a /dev folder in the order above.
QStringList candidateDevices(const QString& devDir = QStringLiteral("/dev"));
// The device of port 1..16: the settings override, else the n-th candidate; empty when none.
QString deviceForPort(int number, const SettingsFile& settings, const QString& devDir = QStringLiteral("/dev"));
// "COM3 = /dev/ttyUSB0" or "COM3 (no device)".
QString describePort(int number, const SettingsFile& settings, const QString& devDir = QStringLiteral("/dev"));

// A port as the user may name it: a number 1..16, "COMn" (any case), or a device path.
// Gives the number (0 for a path) and the path (empty for a number).
bool parsePortArgument(const QString& text, int* number, QString* device);

// True when the user may not read and write the device (as opposed to it being in use).
bool lacksAccess(const QString& device);
// The message for a failed open of port `number`, in the language of the texts: the port
// stands for no device (an empty device), or why the device did not open, with the
// system's detail where the kind of failure does not say enough. For a permission failure
// it names the group that owns the device, which the user must belong to.
QString openFailureText(const ExtraTexts& texts, int number, const QString& device, PortError kind,
                        const QString& detail);

} // namespace portmap
} // namespace qrt::comm
