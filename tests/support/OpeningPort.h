#pragma once

#include "comm/SerialPort.h"

namespace qrt::test {

// The open state of a stand-in for the serial line that opens whenever asked; what crosses
// the line is up to the class built on it.
class OpeningPort : public comm::SerialPort {
public:
    bool open() override { return m_open = true; }
    bool close() override {
        m_open = false;
        return true;
    }
    bool isOpen() const override { return m_open; }
    void clearOutput() override {}

protected:
    bool m_open = false;
};

} // namespace qrt::test
