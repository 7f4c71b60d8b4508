#include "comm/CommAddresses.h"

#include "core/ErrorLog.h"
#include "core/ProgramSettings.h"
#include "core/SettingsFile.h"

namespace qrt::comm {

CommAddresses::CommAddresses(SettingsFile& settings, ErrorLog& log, const ProgramSettings& start)
    : m_settings(settings), m_log(log) {
    m_text = {start.tableMaxAddrText, start.readStartAddrText, start.readEndAddrText, start.writeStartAddrText,
              start.writeEndAddrText};
    m_value = {start.tableMaxAddr, start.readStartAddr, start.readEndAddr, start.writeStartAddr, start.writeEndAddr};
}

QString CommAddresses::keyOf(Box box) {
    static const char* const keys[BoxCount] = {"TableMaxAddr", "ReadStartAddr", "ReadEndAddr", "WriteStartAddr",
                                               "WriteEndAddr"};
    return QString::fromLatin1(keys[box]);
}

void CommAddresses::setText(Box box, const QString& text) {
    static const char* const tags[BoxCount] = {
        nullptr, "frmCommun->txtReadStartAddr_Change", "frmCommun->txtReadEndAddr_Change",
        "frmCommun->txtWriteStartAddr_Change", "frmCommun->txtWriteEndAddr_Change"};
    m_text[box] = text;
    m_settings.write(key::SettingSection, keyOf(box), text);
    int value = 0;
    if (ProgramSettings::parseHexAddress(text, &value)) {
        m_value[box] = value;
    } else if (tags[box]) {
        m_log.logErr(QString::fromLatin1(tags[box]), err::TypeMismatch);
    }
}

} // namespace qrt::comm
