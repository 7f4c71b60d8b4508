#include "comm/PortMap.h"

#include "comm/PosixTtyPort.h"
#include "comm/QtSerialPortDevice.h"
#include "core/ExtraTexts.h"
#include "core/SettingsFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>
#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>

namespace qrt::comm {

namespace portmap {

namespace {

constexpr int KeyWidth = 256;

const QStringList& groupPatterns() {
    static const QStringList patterns = {
        QStringLiteral("ttyUSB*"), QStringLiteral("ttyACM*"), QStringLiteral("ttyS*"),
        QStringLiteral("ttyAMA*"), QStringLiteral("ttymxc*"), QStringLiteral("rfcomm*"),
    };
    return patterns;
}

// Name order with the trailing number compared by value: ttyUSB2 before ttyUSB10.
bool nameLess(const QString& a, const QString& b) {
    static const QRegularExpression tail(QStringLiteral("^(.*?)(\\d*)$"));
    const QRegularExpressionMatch ma = tail.match(a), mb = tail.match(b);
    if (ma.captured(1) != mb.captured(1))
        return ma.captured(1) < mb.captured(1);
    return ma.captured(2).toLongLong() < mb.captured(2).toLongLong();
}

QString groupOwning(const QString& device) {
    struct stat st {};
    if (::stat(QFile::encodeName(device).constData(), &st) != 0)
        return {};
    if (const group* g = ::getgrgid(st.st_gid))
        return QString::fromLocal8Bit(g->gr_name);
    return QString::number(st.st_gid);
}

} // namespace

QString portKey(int number) {
    return QStringLiteral("COM") + QString::number(number);
}

QStringList candidateDevices(const QString& devDir) {
    const QDir dir(devDir);
    QStringList result;
    for (const QString& pattern : groupPatterns()) {
        QStringList names = dir.entryList({pattern}, QDir::System | QDir::Files | QDir::NoDotAndDotDot);
        std::sort(names.begin(), names.end(), nameLess);
        for (const QString& name : names)
            result << dir.filePath(name);
    }
    return result;
}

QString deviceForPort(int number, const SettingsFile& settings, const QString& devDir) {
    if (number < 1 || number > PortCount)
        return {};
    const QString overridden = settings.read(Section, portKey(number), QString(), KeyWidth);
    if (!overridden.isEmpty())
        return overridden;
#ifdef Q_OS_WIN
    Q_UNUSED(devDir);
    return portKey(number);
#else
    const QStringList devices = candidateDevices(devDir);
    return number <= devices.size() ? devices.at(number - 1) : QString();
#endif
}

QString describePort(int number, const SettingsFile& settings, const QString& devDir) {
    const QString device = deviceForPort(number, settings, devDir);
    if (device.isEmpty())
        return portKey(number) + QStringLiteral(" (no device)");
    return portKey(number) + QStringLiteral(" = ") + device;
}

bool parsePortArgument(const QString& text, int* number, QString* device) {
    *number = 0;
    device->clear();
    const QString t = text.trimmed();
    // Any run of digits, with or without "COM", is a port number; one out of range is a
    // mistake, not a device name.
    static const QRegularExpression numberForm(QStringLiteral("^(?:[Cc][Oo][Mm])?(\\d+)$"));
    const QRegularExpressionMatch m = numberForm.match(t);
    if (m.hasMatch()) {
        bool ok = false;
        const int n = m.captured(1).toInt(&ok);
        if (!ok || n < 1 || n > PortCount)
            return false;
        *number = n;
        return true;
    }
    if (t.isEmpty())
        return false;
    *device = t;
    return true;
}

bool lacksAccess(const QString& device) {
    const QByteArray path = QFile::encodeName(device);
    return ::access(path.constData(), F_OK) == 0 && ::access(path.constData(), R_OK | W_OK) != 0;
}

QString openFailureText(const ExtraTexts& texts, int number, const QString& device, PortError kind,
                        const QString& detail) {
    if (device.isEmpty())
        return texts.text(QStringLiteral("port.noDevice")).arg(portKey(number));
    switch (kind) {
    case PortError::PermissionDenied: {
        const QString group = groupOwning(device);
        return texts.text(QStringLiteral("port.noPermission"))
            .arg(device, group.isEmpty() ? QStringLiteral("dialout") : group);
    }
    case PortError::NotFound:
        return texts.text(QStringLiteral("port.notFound")).arg(device);
    case PortError::Busy:
        return texts.text(QStringLiteral("port.busy")).arg(device);
    default:
        return texts.text(QStringLiteral("port.cannotOpen")).arg(device, detail);
    }
}

} // namespace portmap

std::unique_ptr<SerialPort> createSerialPort(const QString& device) {
#ifndef Q_OS_WIN
    const QString target = QFileInfo(device).canonicalFilePath();
    if (target.startsWith(QLatin1String("/dev/pts/")))
        return std::make_unique<PosixTtyPort>(device);
#endif
    return std::make_unique<QtSerialPortDevice>(device);
}

} // namespace qrt::comm
