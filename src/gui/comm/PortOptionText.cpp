#include "gui/comm/PortOptionText.h"

#include "core/ExtraTexts.h"

#include <QFileInfo>
#include <QStringList>

namespace qrt::gui::comm {

using namespace qrt::comm;

namespace {
QString hex4(quint16 value) {
    return QStringLiteral("%1").arg(value, 4, 16, QLatin1Char('0'));
}
} // namespace

QString portOptionLine(const PortOptionFacts& facts) {
    if (facts.device.isEmpty())
        return QStringLiteral("-");
    return QFileInfo(facts.device).fileName();
}

QString portOptionToolTip(const PortOptionFacts& facts, const ExtraTexts& texts) {
    if (facts.device.isEmpty())
        return texts.text(QStringLiteral("port.noSerialDevice"));
    QStringList lines{facts.device};
    if (!facts.info.description.isEmpty())
        lines << facts.info.description;
    if (!facts.info.manufacturer.isEmpty())
        lines << facts.info.manufacturer;
    if (facts.info.hasUsbIds)
        lines << QStringLiteral("USB %1:%2").arg(hex4(facts.info.vendorId), hex4(facts.info.productId));
    if (facts.lacksAccess)
        lines << facts.accessHint;
    return lines.join(QLatin1Char('\n'));
}

} // namespace qrt::gui::comm
