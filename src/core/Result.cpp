#include "core/Result.h"

#include "core/ExtraTexts.h"

namespace qrt {

Result Result::inLanguage(const ExtraTexts& texts) const {
    Result result = *this;
    if (!m_reasonKey.isEmpty())
        result.m_reason = texts.text(m_reasonKey);
    return result;
}

} // namespace qrt
