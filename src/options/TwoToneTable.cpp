#include "options/TwoToneTable.h"

#include "core/RadioImage.h"
#include "options/SettingsMap.h"

#include <cmath>

namespace qrt::options {

namespace {

constexpr int RecordSize = 8;
constexpr int MaxTime = 100;    // 10.0 s
constexpr int MaxInterval = 20; // 2.0 s

int recordAddress(int code) {
    return addr::TwoToneFirst + RecordSize * code;
}

QString tenths(int v) {
    return QString::number(v / 10.0, 'f', 1);
}

int roundedTenths(const QString& text) {
    return int(std::lround(text.toDouble() * 10));
}

// Frequency cell: bytes of the stored value, correcting the cell as the grid does.
int validFrequency(QString& cell) {
    bool ok = false;
    const double value = cell.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        cell = QStringLiteral("1500.0");
    // The range is checked on the rounded value, so 288.46 is kept as typed and stored as 2885.
    const double v = std::round(cell.toDouble() * 10);
    if (v < TwoToneTable::MinFreq) {
        cell = QStringLiteral("288.5");
        return TwoToneTable::MinFreq;
    }
    if (v > TwoToneTable::MaxFreq) {
        cell = QStringLiteral("3106");
        return TwoToneTable::MaxFreq;
    }
    return int(v);
}

void storeWord(RadioImage& image, int address, int value) {
    image.set(address, quint8(value & 0xFF));
    image.set(address + 1, quint8((value >> 8) & 0xFF));
}

} // namespace

const QStringList& TwoToneTable::timeItems() {
    static const QStringList items = [] {
        QStringList l;
        for (int v = 3; v <= 97; ++v)
            l << tenths(v);
        l << QStringLiteral("10.0");
        return l;
    }();
    return items;
}

const QStringList& TwoToneTable::intervalItems() {
    static const QStringList items = [] {
        QStringList l;
        for (int v = 0; v <= 19; ++v)
            l << tenths(v);
        l << QStringLiteral("2.0");
        return l;
    }();
    return items;
}

QString TwoToneTable::cell(int code, int column) const {
    if (code < 0 || code >= Codes || column < FreqA || column > Interval)
        return QString();
    return m_cells[size_t(code)][size_t(column - 1)];
}

void TwoToneTable::refresh(RadioImage& image) {
    for (int code = 0; code < Codes; ++code) {
        const int a = recordAddress(code);
        for (int column = FreqA; column <= Interval; ++column)
            at(code, column).clear();
        if (image.at(a + 7) != ValidMark)
            continue;
        const auto showFrequency = [&](int column, int address) {
            const int f = image.at(address) + 256 * image.at(address + 1);
            if (f >= MinFreq && f <= MaxFreq)
                at(code, column) = tenths(f);
        };
        showFrequency(FreqA, a);
        showFrequency(FreqB, a + 3);
        const auto showTime = [&](int freqColumn, int timeColumn, int address) {
            if (at(code, freqColumn).isEmpty())
                return;
            if (image.at(address) > MaxTime)
                image.set(address, 10);
            at(code, timeColumn) = tenths(image.at(address));
        };
        showTime(FreqA, TimeA, a + 2);
        showTime(FreqB, TimeB, a + 5);
        if (!at(code, FreqA).isEmpty() && !at(code, FreqB).isEmpty()) {
            if (image.at(a + 6) > MaxInterval)
                image.set(a + 6, 5);
            at(code, Interval) = tenths(image.at(a + 6));
        }
    }
}

bool TwoToneTable::edit(RadioImage& image, int code, int column, const QString& text) {
    if (code < 0 || code >= Codes || column < FreqA || column > Interval)
        return false;
    const QString value = text.trimmed();
    if (!value.isEmpty()) {
        if ((column == TimeA || column == TimeB) && !timeItems().contains(value))
            return false;
        if (column == Interval && !intervalItems().contains(value))
            return false;
    }
    at(code, column) = value;
    validate(image);
    return true;
}

void TwoToneTable::validate(RadioImage& image) {
    for (int code = 0; code < Codes; ++code) {
        const int a = recordAddress(code);
        const auto frequency = [&](int column, int address) {
            QString& c = at(code, column);
            if (c.isEmpty()) {
                storeWord(image, address, 0xFFFF);
                return;
            }
            storeWord(image, address, validFrequency(c));
        };
        frequency(FreqA, a);
        frequency(FreqB, a + 3);
        const auto time = [&](int freqColumn, int timeColumn, int address) {
            QString& c = at(code, timeColumn);
            if (at(code, freqColumn).isEmpty()) {
                c.clear();
                image.set(address, 0xFF);
                return;
            }
            if (c.isEmpty())
                c = QStringLiteral("1.0");
            image.set(address, quint8(qBound(0, roundedTenths(c), MaxTime)));
        };
        time(FreqA, TimeA, a + 2);
        time(FreqB, TimeB, a + 5);
        const bool hasA = !at(code, FreqA).isEmpty(), hasB = !at(code, FreqB).isEmpty();
        QString& interval = at(code, Interval);
        if (hasA || hasB) {
            image.set(a + 7, ValidMark);
            if (hasA && hasB) {
                if (interval.isEmpty())
                    interval = QStringLiteral("1.0");
                image.set(a + 6, quint8(qBound(0, roundedTenths(interval), MaxInterval)));
            } else {
                interval.clear();
                image.set(a + 6, 0xFF);
            }
        } else {
            image.set(a + 7, 0xFF);
            interval.clear();
        }
    }
}

} // namespace qrt::options
