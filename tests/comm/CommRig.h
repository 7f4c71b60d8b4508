#pragma once

#include "EmulatedRadio.h"
#include "comm/RadioTransfer.h"
#include "core/ErrorLog.h"
#include "core/InterfaceTexts.h"
#include "core/RadioImage.h"

#include <QStringList>

namespace qrt::test {

using namespace qrt::comm;

// A port that tells whether the operation closed it.
class WatchedPort : public SerialPort {
public:
    WatchedPort(std::unique_ptr<SerialPort> port, bool* open) : m_port(std::move(port)), m_open(open) {}
    bool open() override { return *m_open = m_port->open(); }
    bool close() override {
        *m_open = false;
        return m_port->close();
    }
    bool isOpen() const override { return m_port->isOpen(); }
    void clearOutput() override { m_port->clearOutput(); }
    void clearInput() override { m_port->clearInput(); }
    bool send(const QByteArray& bytes) override { return m_port->send(bytes); }
    int bytesWaiting() override { return m_port->bytesWaiting(); }
    QByteArray readWaiting() override { return m_port->readWaiting(); }
    QString device() const override { return m_port->device(); }

private:
    std::unique_ptr<SerialPort> m_port;
    bool* m_open;
};

// The read and write operations wired to one device and run on the test's thread, with a
// record of what a window would have shown: messages, status texts, percents, the data log.
struct CommRig {
    explicit CommRig(const QString& device, SerialPortFactory factory = createSerialPort)
        : transfer(errors,
                   [this, factory](const QString& d) { return std::make_unique<WatchedPort>(factory(d), &portOpen); }) {
        texts.load(Language::English);
        job.device = device;
        job.texts = texts;
        job.showBytes = true;
        QObject::connect(&transfer, &RadioTransfer::statusChanged, [this](const QString& s) { statuses << s; });
        QObject::connect(&transfer, &RadioTransfer::progressChanged, [this](int p) { percents << p; });
        QObject::connect(&transfer, &RadioTransfer::stopBoxShown, [this](bool shown) { stopBoxShown = shown; });
        QObject::connect(&transfer, &RadioTransfer::logCleared, [this] { logLines.clear(); });
        QObject::connect(&transfer, &RadioTransfer::logLineAdded,
                         [this](int index, const QString& line) { logLines.insert(index, line); });
        // The user ticks the stop box while a wait lets the window handle events.
        transfer.clock().onWait = [this] {
            if (stopWhenBoxShown && stopBoxShown)
                transfer.setStopRequested(true);
        };
    }
    // Wired to the radio inside the test, on its virtual clock.
    explicit CommRig(EmulatedRadio& radio) : CommRig(QStringLiteral("in-process radio"), radio.ports()) {
        transfer.clock().setTimeSource(&radio.time);
    }

    ErrorLog errors;
    InterfaceTexts texts;
    bool portOpen = false;
    RadioTransfer transfer;
    TransferJob job;
    TransferOutcome outcome;

    QList<TextId> messages; // 0 stands for a problem without a message
    QStringList statuses;
    QList<int> percents;
    QStringList logLines;
    bool stopBoxShown = false;
    bool stopWhenBoxShown = false;

    void setRange(int start, int end) {
        job.readStart = job.writeStart = start;
        job.readEnd = job.writeEnd = end;
    }
    // Runs the operation on the image and applies the outcome to it as a window does.
    TransferResult run(TransferJob::Kind kind, RadioImage& image) {
        job.kind = kind;
        job.image = image;
        outcome = transfer.execute(job);
        messages.clear();
        for (const Result& problem : outcome.problems)
            messages << problem.message().value_or(textIdAt(0));
        if (outcome.image)
            image = *outcome.image;
        return outcome.result;
    }
    TransferResult read(RadioImage& image) { return run(TransferJob::Read, image); }
    TransferResult write(RadioImage& image) { return run(TransferJob::Write, image); }
};

} // namespace qrt::test
