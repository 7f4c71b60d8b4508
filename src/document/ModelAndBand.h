#pragma once

#include "core/Band.h"

#include <QString>
#include <QStringList>

namespace qrt {

class AppContext;
class RadioImage;

// Model and band as the editor shows them, kept with each undo step.
struct BandState {
    int modelPosition = 0;
    int bandPosition = band::DefaultPosition;
    band::Limits limits;
    QString caption;
    QString customMinText;
    QString customMaxText;
    bool operator==(const BandState&) const = default;
};

// The model and band of the data: chosen by the user (written into the image) or shown
// from the image (repairing values the lists do not hold). Announcing the change is the
// owner's business.
class ModelAndBand {
public:
    ModelAndBand(AppContext& context, RadioImage& image);

    QStringList modelList() const;
    QStringList bandList() const;

    int modelPosition() const { return m_state.modelPosition; }
    int bandPosition() const { return m_state.bandPosition; }
    band::Limits limits() const { return m_state.limits; }
    band::Limits absoluteLimits() const { return m_absoluteLimits; }
    QString caption() const { return m_state.caption; }
    QString customMinText() const { return m_state.customMinText; }
    QString customMaxText() const { return m_state.customMaxText; }
    const BandState& state() const { return m_state; }
    // Shows a state taken earlier; the image is not touched.
    void restore(const BandState& state) { m_state = state; }

    // While the band is being shown from the image, a choice of the band list is no choice.
    bool isShowingFromImage() const { return m_showingFromImage; }

    // Positions outside the list choose model 0.
    void chooseModel(int position);
    // Positions 0..13; false (logged) for any other.
    bool chooseFixedBand(int position);
    // The custom band dialog accepted with these texts (its rule applied).
    void chooseCustomBand(const QString& minText, const QString& maxText);

    void showModelFromImage();
    void showBandFromImage();

private:
    void takeBand(int position);
    QString customText() const;

    AppContext& m_context;
    RadioImage& m_image;
    BandState m_state;
    band::Limits m_absoluteLimits{band::AbsMin, band::AbsMax};
    bool m_showingFromImage = false;
};

} // namespace qrt
