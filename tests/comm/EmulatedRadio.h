#pragma once

#include "InProcessRadioPort.h"
#include "SimRadio.h"
#include "VirtualCommTime.h"

#include <QDeadlineTimer>
#include <QStringList>
#include <QThread>

#include <functional>
#include <memory>

namespace qrt::test {

// The emulated radio inside the test, with its faults and line, on a virtual clock it shares
// with the communication code (see CommRig): the exchanges come out the same on a busy
// machine as on an idle one, and the waits for a silent radio take no time.
struct EmulatedRadio {
    // memory: what the radio holds (empty: an erased radio).
    explicit EmulatedRadio(const QByteArray& memory = {}) {
        if (!memory.isEmpty())
            radio.memory().replace(0, memory.size(), memory);
    }

    // Makes the ports that reach this radio, whatever the device asked for.
    SerialPortFactory ports() {
        return [this](const QString&) {
            return std::make_unique<InProcessRadioPort>(radio, faults, time, line, &commands);
        };
    }

    QByteArray memory() const { return radio.memory(); }
    // The commands received that start with these hex bytes ("75 03 60 10").
    QStringList commandsStartingWith(const QString& hexPrefix) const {
        QStringList out;
        for (const QString& command : commands) {
            if (command.startsWith(hexPrefix))
                out << command;
        }
        return out;
    }

    sim::SimRadio radio;
    sim::Faults faults;
    InProcessRadioPort::Line line;
    VirtualCommTime time;
    QStringList commands; // every command received, as hex bytes
};

// A user quicker than the radio: from the moment `userDue` holds, the line's time stands
// still until `userActed` holds (for a minute at most), so that an operation on another
// thread cannot go on before the user's action (a tick of the stop box) has reached it.
// Once the user has acted, the line runs freely again.
inline void waitForTheUser(CommClock& clock, std::function<bool()> userDue, std::function<bool()> userActed) {
    clock.onWait = [userDue = std::move(userDue), userActed = std::move(userActed),
                    acted = std::make_shared<bool>(false)] {
        const QDeadlineTimer patience(60000);
        while (!*acted && userDue() && !patience.hasExpired()) {
            *acted = userActed();
            if (!*acted)
                QThread::msleep(1);
        }
    };
}

} // namespace qrt::test
