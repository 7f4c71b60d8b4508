#pragma once

#include "ScriptedPrompts.h"
#include "StandInPort.h"
#include "TestSupport.h"
#include "comm/RadioLink.h"
#include "core/AppContext.h"
#include "core/SettingsFile.h"
#include "document/Document.h"
#include "document/ProgramStartup.h"
#include "gui/comm/ModalLinkWindows.h"

#include <QSet>
#include <QWidget>

#include <memory>

namespace qrt::test {

using namespace qrt::comm;

// The stand-in device of port n.
inline QString standInDevice(int n) {
    return QStringLiteral("/standin/port%1").arg(n);
}

// A started program in a temporary application folder with the communication objects over
// a plain frame widget, in the language given. With standInPorts, the ports 1..16 stand for
// the devices above and only the usable numbers open; otherwise the real ports are used.
struct CommFixture {
    explicit CommFixture(const QSet<int>& usablePorts = {}, bool standInPorts = false, int storedPort = 1,
                         Language language = Language::English) {
        SettingsFile file(dir.filePath(AppContext::SettingsFileName));
        file.write(QStringLiteral("Setting"), QStringLiteral("COM"), QString::number(storedPort));
        SerialPortFactory factory = createSerialPort;
        if (standInPorts) {
            for (int n = 1; n <= 16; ++n)
                file.write(QStringLiteral("Ports"), QStringLiteral("COM%1").arg(n), standInDevice(n));
            factory = [usablePorts](const QString& device) {
                bool usable = false;
                for (int n : usablePorts)
                    usable = usable || device == standInDevice(n);
                return std::make_unique<StandInPort>(device, usable);
            };
        }
        start(factory, language);
    }
    // Every port is made by `ports` (e.g. the radio inside the test), whatever its number.
    explicit CommFixture(SerialPortFactory ports, Language language = Language::English) { start(std::move(ports), language); }

    QString text(TextId id) const { return context->text(id); }
    QString setting(const QString& key) const {
        return SettingsFile(dir.filePath(AppContext::SettingsFileName))
            .read(QStringLiteral("Setting"), key, QStringLiteral("?"), 30);
    }

    TempAppDir dir;
    ScriptedPrompts prompts{ScriptedPrompts::Unscripted::Close};
    QWidget frame;
    std::unique_ptr<AppContext> context;
    std::unique_ptr<Document> document;
    std::unique_ptr<RadioLink> link;

private:
    void start(SerialPortFactory factory, Language language) {
        context = std::make_unique<AppContext>(dir.path());
        document = startProgram(*context, language);
        link = std::make_unique<RadioLink>(*document, std::move(factory));
        link->setWindows(std::make_unique<gui::comm::ModalLinkWindows>(prompts, frame));
    }
};

} // namespace qrt::test
