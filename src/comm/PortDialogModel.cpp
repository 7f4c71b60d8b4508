#include "comm/PortDialogModel.h"

#include "comm/PortControl.h"
#include "core/ErrorLog.h"
#include "core/ProgramSettings.h"
#include "core/SettingsFile.h"

namespace qrt::comm {

PortDialogModel::PortDialogModel(PortControl& port, SettingsFile& settings, ErrorLog& log)
    : m_port(port), m_settings(settings), m_log(log) {}

void PortDialogModel::load() {
    for (int i = 0; i < OptionCount; ++i)
        m_enabled[size_t(i)] = m_port.testPort(i + 1);
    m_savedPort = m_port.portNumber();
    m_selected = m_savedPort - 1;
}

void PortDialogModel::select(int index) {
    if (optionEnabled(index))
        m_selected = index;
}

QString PortDialogModel::optionDevice(int index) const {
    return m_port.deviceOf(index + 1);
}

void PortDialogModel::ok() {
    if (m_selected >= 0 && m_selected < OptionCount) {
        m_port.setPortNumber(m_selected + 1);
        m_savedPort = m_selected + 1;
    }
    if (!m_settings.write(key::SettingSection, QStringLiteral("COM"), QString::number(m_port.portNumber())))
        m_log.logErr(QStringLiteral("frmToolCom->cmdOK_Click"), err::PathFileAccess);
}

void PortDialogModel::cancel() {
    m_port.setPortNumber(m_savedPort);
}

} // namespace qrt::comm
