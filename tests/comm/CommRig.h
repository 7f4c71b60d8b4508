#pragma once

#include "comm/CommClock.h"
#include "comm/CommLog.h"
#include "comm/PortControl.h"
#include "comm/ProtocolEngine.h"
#include "comm/RadioTransfer.h"
#include "core/ErrorLog.h"
#include "core/RadioImage.h"
#include "core/SettingsFile.h"
#include "core/InterfaceTexts.h"

#include <QStringList>
#include <QTemporaryDir>

namespace qrt::test {

// The communication objects of the program wired to one device, with a record of what the
// operation showed: messages, status texts, percents.
struct CommRig {
    explicit CommRig(const QString& device, PortControl::PortFactory factory = createSerialPort)
        : port(settings, errors, std::move(factory)) {
        texts.load(3);
        port.setDeviceOverride(device);
        callbacks.text = [this](int i) { return texts.text(i); };
        callbacks.message = [this](int i) { messages << i; };
        callbacks.status = [this](const QString& s) { statuses << s; };
        callbacks.progress = [this](int p) { percents << p; };
        callbacks.stopBoxShown = [this](bool shown) {
            stopBoxShown = shown;
            if (!shown)
                stopTicked = false;
        };
        callbacks.stopRequested = [this] { return stopTicked; };
        // The user ticks the stop box while a wait lets the window handle events.
        clock.processEvents = [this] {
            if (stopWhenBoxShown && stopBoxShown)
                stopTicked = true;
        };
        log.showBytes = true;
    }

    QTemporaryDir dir;
    SettingsFile settings{dir.filePath(QStringLiteral("holvard.def"))};
    ErrorLog errors;
    CommClock clock;
    CommLog log;
    InterfaceTexts texts;
    PortControl port;
    ProtocolEngine engine{errors, clock, log};
    RadioTransfer transfer{engine, port, log, clock, errors};
    TransferInputs inputs;
    TransferCallbacks callbacks;

    QList<int> messages;
    QStringList statuses;
    QList<int> percents;
    bool stopBoxShown = false;
    bool stopWhenBoxShown = false;
    bool stopTicked = false;

    void setRange(int start, int end) {
        inputs.readStart = inputs.writeStart = start;
        inputs.readEnd = inputs.writeEnd = end;
    }
    TransferResult read(RadioImage& image) { return transfer.read(image, inputs, callbacks); }
    TransferResult write(RadioImage& image) { return transfer.write(image, inputs, callbacks); }
};

} // namespace qrt::test
