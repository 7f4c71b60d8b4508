#include "core/RadioImage.h"

#include <cstring>

namespace qrt {

void RadioImage::write(int address, const QByteArray& data) {
    if (address < 0 || address >= size())
        return;
    const int n = qMin(int(data.size()), size() - address);
    if (n > 0)
        std::memcpy(m_bytes.data() + address, data.constData(), size_t(n));
}

} // namespace qrt
