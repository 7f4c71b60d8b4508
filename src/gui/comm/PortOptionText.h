#pragma once

#include "comm/QtSerialPortDevice.h"

#include <QString>

namespace qrt {
class ExtraTexts;
}

namespace qrt::gui::comm {

// What the port dialog tells about one port number beside its option, so that the user can
// pick out the programming cable.
struct PortOptionFacts {
    QString device;                   // empty: the number stands for no device here
    qrt::comm::SerialDeviceInfo info; // what the system knows about the adapter
    bool passed = false;              // the open test passed
    bool lacksAccess = false;         // the test failed for want of permission
    QString accessHint;               // then: how to get it
};

// The second line under the option: the device, shortened to its name.
QString portOptionLine(const PortOptionFacts& facts);
// The tool tip: the device path, the adapter's description, maker and USB ids, and the
// permission hint.
QString portOptionToolTip(const PortOptionFacts& facts, const ExtraTexts& texts);

} // namespace qrt::gui::comm
