#include "options/PttIdPauseDialogModel.h"

#include "core/InterfaceTexts.h"
#include "core/RadioImage.h"

namespace qrt::options {

PttIdPauseDialogModel::PttIdPauseDialogModel(RadioImage& image, const InterfaceTexts& texts, QObject* parent)
    : UserEditNotifier(parent), m_image(image), m_texts(texts) {
    for (int i = 0; i < Channels; ++i) {
        m_boxes[size_t(i)].name = QStringLiteral("chkPttIdPauseChSet") + QString::number(i);
        m_boxes[size_t(i)].kind = ControlKind::Check;
    }
}

QString PttIdPauseDialogModel::undoText() const {
    return m_texts.text(TextId::PttIdPauseTitle);
}

const Control* PttIdPauseDialogModel::control(const QString& name) const {
    for (const Control& c : m_boxes)
        if (c.name == name)
            return &c;
    return nullptr;
}

void PttIdPauseDialogModel::setBox(int index, bool on) {
    m_boxes[size_t(index)].checked = on;
    Q_EMIT controlChanged(m_boxes[size_t(index)].name);
}

void PttIdPauseDialogModel::open() {
    // A new opening starts with neither option chosen, whatever the last one showed.
    m_all = false;
    m_none = false;
    m_pauseSetBusy = true;
    for (int i = 0; i < Channels; ++i)
        setBox(i, m_image.bit(flagAddress(i + 1), FlagBit));
    m_pauseSetBusy = false;
    Q_EMIT optionsChanged();
}

bool PttIdPauseDialogModel::setChecked(int index, bool on) {
    const UserEditScope edit(this, QStringLiteral("chkPttIdPauseChSet%1").arg(index), undoText());
    if (index < 0 || index >= Channels)
        return false;
    if (m_boxes[size_t(index)].checked == on)
        return true;
    setBox(index, on);
    if (m_pauseSetBusy)
        return true;
    bool anyOn = false, anyOff = false;
    for (int i = 0; i < Channels; ++i) {
        const bool checked = m_boxes[size_t(i)].checked;
        m_image.setBit(flagAddress(i + 1), FlagBit, checked);
        anyOn = anyOn || checked;
        anyOff = anyOff || !checked;
    }
    if (anyOn)
        m_none = false;
    if (anyOff)
        m_all = false;
    Q_EMIT optionsChanged();
    return true;
}

void PttIdPauseDialogModel::selectOption(bool all) {
    const UserEditScope edit(this, QString(), undoText());
    m_all = all;
    m_none = !all;
    m_pauseSetBusy = true;
    for (int i = 0; i < Channels; ++i) {
        setBox(i, all);
        m_image.setBit(flagAddress(i + 1), FlagBit, all);
    }
    m_pauseSetBusy = false;
    Q_EMIT optionsChanged();
}

} // namespace qrt::options
