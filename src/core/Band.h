#pragma once

#include "core/MemoryLayout.h"

#include <QString>
#include <QStringList>

namespace qrt {

class RadioImage;

// The model list and the frequency bands of the radio, with the image encoding of the
// band limits (four BCD digits of tenths of a megahertz per limit, at 0x37A-0x37D).
namespace band {

constexpr int ModelAddress = layout::ModelIndex;
constexpr int LimitsAddress = layout::BandLimits.first;
constexpr int ModelCount = 1;
constexpr int CustomPosition = 14;
constexpr int DefaultPosition = 7; // 400 - 470 MHz
constexpr int Count = 15;
constexpr qint32 AbsMin = 12000000; // outer limits, 10 Hz units
constexpr qint32 AbsMax = 55000000;
constexpr qint32 CustomMin = 12000000;
constexpr qint32 CustomMax = 52000000;

struct Limits {
    qint32 min = 0;
    qint32 max = 0;
    bool operator==(const Limits&) const = default;
};

// Texts of positions 0..13; position 14 is the interface text "Custom".
QString fixedText(int position);
// Limits of positions 0..13.
Limits fixedLimits(int position);
// Position whose limits equal these exactly, or CustomPosition.
int positionOf(Limits limits);

// The four bytes of both limits as stored at 0x37A-0x37D and sent to the radio
// (tenths of a megahertz, halves to even).
QByteArray limitsBytes(Limits limits);
void writeLimits(RadioImage& image, Limits limits);
// Reads both limits; false when a nibble is not a decimal digit.
bool readLimits(const RadioImage& image, Limits* limits);

// The caption the editor shows for a band: the list text, and for the custom position
// two blanks and the whole megahertz of the limits as stored ("Custom  300 - 350 MHz").
QString caption(int position, Limits limits, const QString& customText);

// The custom band dialog's rule: both texts numbers with 120 <= min <= max <= 520 (MHz)
// give that band; anything else gives 120..520 and resets the texts to "120" and "520".
struct CustomBand {
    Limits limits;
    QString minText;
    QString maxText;
};
CustomBand customBand(const QString& minText, const QString& maxText);

// Snaps a frequency (10 Hz units) to the nearer of the 5 kHz and 6.25 kHz rasters;
// a tie goes to 6.25 kHz.
qint32 snapToRaster(qint32 frequency);

} // namespace band

// The hidden gesture on the model label: the ninth double-click shows the memory viewer,
// any other count hides it; the count wraps after ten.
class MemoryViewerGesture {
public:
    bool doubleClicked() {
        if (++m_count > 10)
            m_count = 0;
        return m_count == 9;
    }
    int count() const { return m_count; }

private:
    int m_count = 0;
};

} // namespace qrt
