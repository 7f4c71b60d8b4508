#pragma once

#include "CommFixture.h"
#include "EmulatedRadio.h"

#include "comm/RadioTransfer.h"
#include "gui/comm/CommunicationWindow.h"

#include <atomic>

namespace qrt::test {

// A started program whose ports all reach the radio inside the test, with the operations
// on the radio's virtual clock: what the radio answers, and when, does not depend on how
// busy the machine is.
struct EmulatedRadioProgram {
    explicit EmulatedRadioProgram(const QByteArray& memory = {}, Language language = Language::English)
        : radio(memory), fixture(radio.ports(), language) {
        transfer().clock().setTimeSource(&radio.time);
        fixture.link->port().setDeviceOverride(QStringLiteral("in-process radio"));
    }

    RadioTransfer& transfer() { return fixture.link->transferThread().transfer(); }

    // A user who ticks the stop box before the radio runs out of attempts: once the box is
    // shown, the line's time stands still until it is ticked (or a minute has passed).
    void holdTheLineUntilStopped() {
        RadioTransfer& t = transfer();
        QObject::connect(
            &t, &RadioTransfer::stopBoxShown, &t, [this](bool shown) { stopBoxShown = shown; }, Qt::DirectConnection);
        waitForTheUser(
            t.clock(), [this] { return stopBoxShown.load(); }, [&t] { return t.stopRequested(); });
    }

    EmulatedRadio radio;
    CommFixture fixture;
    std::atomic<bool> stopBoxShown{false};
};

// A Read window over an emulated radio that never answers: every attempt fails, so an
// operation runs until its attempts are spent or it is stopped.
struct SilentRadioWindow {
    SilentRadioWindow() { program.radio.faults.silent = true; }

    EmulatedRadioProgram program;
    CommFixture& fixture = program.fixture;
    gui::comm::CommunicationWindow window{*fixture.link, fixture.prompts, TransferJob::Read, &fixture.frame};
};

} // namespace qrt::test
