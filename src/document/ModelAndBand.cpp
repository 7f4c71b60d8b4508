#include "document/ModelAndBand.h"

#include "core/AppContext.h"
#include "core/RadioImage.h"

namespace qrt {

ModelAndBand::ModelAndBand(AppContext& context, RadioImage& image) : m_context(context), m_image(image) {
    m_state.limits = band::fixedLimits(band::DefaultPosition);
}

QStringList ModelAndBand::modelList() const {
    return {m_context.text(TextId::ModelName)};
}

QStringList ModelAndBand::bandList() const {
    QStringList list;
    for (int p = 0; p < band::CustomPosition; ++p)
        list << band::fixedText(p);
    list << customText();
    return list;
}

QString ModelAndBand::customText() const {
    return m_context.text(TextId::CustomBand);
}

void ModelAndBand::chooseModel(int position) {
    m_state.modelPosition = position >= 0 && position < band::ModelCount ? position : 0;
    m_image.set(band::ModelAddress, quint8(m_state.modelPosition));
}

bool ModelAndBand::chooseFixedBand(int position) {
    if (position < 0 || position >= band::CustomPosition) {
        m_context.errorLog().logErr(QStringLiteral("frmChMem->cboFrequency_Click"), err::InvalidPropertyValue);
        return false;
    }
    m_state.limits = band::fixedLimits(position);
    takeBand(position);
    return true;
}

void ModelAndBand::chooseCustomBand(const QString& minText, const QString& maxText) {
    const band::CustomBand custom = band::customBand(minText, maxText);
    m_state.limits = custom.limits;
    m_state.customMinText = custom.minText;
    m_state.customMaxText = custom.maxText;
    takeBand(band::CustomPosition);
}

void ModelAndBand::takeBand(int position) {
    m_state.bandPosition = position;
    m_absoluteLimits = {band::AbsMin, band::AbsMax};
    band::writeLimits(m_image, m_state.limits);
    m_state.caption = band::caption(position, m_state.limits, customText());
}

void ModelAndBand::showModelFromImage() {
    const int stored = m_image.at(band::ModelAddress);
    if (stored < band::ModelCount) {
        m_state.modelPosition = stored;
    } else {
        m_state.modelPosition = 0;
        m_image.set(band::ModelAddress, 0);
    }
}

void ModelAndBand::showBandFromImage() {
    m_showingFromImage = true;
    band::Limits limits;
    const bool readable = band::readLimits(m_image, &limits);
    if (!readable) {
        // Not decimal digits: the widest band, shown as a custom one; nothing is written.
        m_context.errorLog().logErr(QStringLiteral("frmChMem->FreRangeShow"), err::TypeMismatch);
        limits = {band::CustomMin, band::CustomMax};
    } else if (limits.min < band::AbsMin || limits.min > band::AbsMax || limits.max < band::AbsMin ||
               limits.max > band::AbsMax || limits.max < limits.min) {
        limits = band::fixedLimits(8);
        band::writeLimits(m_image, limits);
    }
    m_state.limits = limits;
    m_state.bandPosition = readable ? band::positionOf(limits) : band::CustomPosition;
    m_absoluteLimits = {band::AbsMin, band::AbsMax};
    m_showingFromImage = false;
    m_state.caption = band::caption(m_state.bandPosition, m_state.limits, customText());
}

} // namespace qrt
