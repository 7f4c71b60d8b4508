#include "options/VolumeDialogModel.h"

#include "core/InterfaceTexts.h"
#include "core/RadioImage.h"
#include "options/OptionLists.h"
#include "options/SettingsMap.h"
#include "options/VoiceSeq.h"

namespace qrt::options {

namespace {
constexpr quint8 Defaults[VolumeDialogModel::Steps + 1] = {0x00, 0x45, 0x94, 0x78, 0xE3, 0x4F,
                                                           0xB9, 0x9C, 0xAD, 0xAF, 0xFD};
} // namespace

VolumeDialogModel::VolumeDialogModel(RadioImage& image, const InterfaceTexts& texts, QObject* parent)
    : UserEditNotifier(parent), m_image(image), m_texts(texts) {
    for (int s = 1; s <= Steps; ++s) {
        Control& c = m_steps[size_t(s - 1)];
        c.name = QStringLiteral("cboVolumeDat") + QString::number(s);
        c.items = lists::volumeSteps(texts, 0);
    }
    m_useThisSet.name = QStringLiteral("chkVolumeIic");
    m_useThisSet.kind = ControlKind::Check;
}

const Control* VolumeDialogModel::control(const QString& name) const {
    for (const Control& c : m_steps)
        if (c.name == name)
            return &c;
    return name == m_useThisSet.name ? &m_useThisSet : nullptr;
}

QString VolumeDialogModel::stepLabel(int step) const {
    const QString gap = step < Steps ? QStringLiteral("  ") : QStringLiteral(" ");
    return m_texts.text(TextId::Volume) + gap + QString::number(step) + QLatin1Char(' ') +
           m_texts.text(TextId::VolumeLevel);
}

void VolumeDialogModel::open() {
    for (int s = 1; s <= Steps; ++s) {
        Control& c = m_steps[size_t(s - 1)];
        c.item = voiceseq::positionOf(m_image.at(addr::VolumeFirst + s));
        Q_EMIT controlChanged(c.name);
    }
    m_useThisSet.checked = m_image.at(addr::VolumeMark) == ValidMark;
    Q_EMIT controlChanged(m_useThisSet.name);
}

bool VolumeDialogModel::selectStep(int step, int item) {
    const UserEditScope edit(this, QStringLiteral("cboVolumeDat%1").arg(step), stepLabel(step).simplified());
    if (step < 1 || step > Steps || item < 0 || item >= voiceseq::Size)
        return false;
    Control& c = m_steps[size_t(step - 1)];
    c.item = item;
    m_image.set(addr::VolumeFirst + step, voiceseq::codeAt(item));
    Q_EMIT controlChanged(c.name);
    return true;
}

void VolumeDialogModel::setUseThisSet(bool on) {
    const UserEditScope edit(this, QStringLiteral("chkVolumeIic"), m_texts.text(TextId::UseThisVolumeSet));
    // Only a change of the box writes the mark: an "off" box may stand for any value but 0x5A.
    if (m_useThisSet.checked == on)
        return;
    m_useThisSet.checked = on;
    m_image.set(addr::VolumeMark, on ? ValidMark : 0xFF);
    Q_EMIT controlChanged(m_useThisSet.name);
}

void VolumeDialogModel::restoreDefaults() {
    const UserEditScope edit(this, QString(), m_texts.text(TextId::SetVolume));
    for (int s = 0; s <= Steps; ++s)
        m_image.set(addr::VolumeFirst + s, Defaults[s]);
    open(); // the box now shows the stored mark, so turning it on writes 0x5A unless it is there
    setUseThisSet(true);
}

} // namespace qrt::options
