#pragma once

#include "CommFixture.h"
#include "SimProcess.h"
#include "TransferFixtures.h"

#include "gui/comm/CommunicationWindow.h"

namespace qrt::test {

// A Read window over an emulated radio that never answers: every attempt fails, so an
// operation runs until its attempts are spent or it is stopped. Check started first.
struct SilentRadioWindow {
    SilentRadioWindow() {
        started = sim.start(fixtures::FullSpeed + QStringList{QStringLiteral("--silent")});
        fixture.link->port().setDeviceOverride(sim.device());
    }

    CommFixture fixture;
    SimProcess sim;
    bool started = false;
    gui::comm::CommunicationWindow window{*fixture.link, fixture.prompts, TransferJob::Read, &fixture.frame};
};

} // namespace qrt::test
