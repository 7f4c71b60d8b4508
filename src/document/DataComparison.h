#pragma once

#include "core/RadioImage.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

namespace qrt {

class ExtraTexts;
class InterfaceTexts;

// One byte where two sets of data differ. A side that holds no byte there (a shorter file)
// has the value -1.
struct ByteDifference {
    int position = 0; // a radio address, or a file offset when files are compared as bytes
    int ours = -1;
    int theirs = -1;
};

// Positions that a comparison leaves out (bytes that are not meant to be equal).
using SkippedPosition = std::function<bool(int position)>;

// Every position from first to last (inclusive) where the two byte arrays differ, in order,
// skipping the positions `skipped` names. A position beyond both arrays ends the list.
QList<ByteDifference> compareBytes(const QByteArray& ours, const QByteArray& theirs, int first, int last,
                                   const SkippedPosition& skipped = {});
inline QList<ByteDifference> compareImages(const RadioImage& ours, const RadioImage& theirs, int first, int last,
                                           const SkippedPosition& skipped = {}) {
    return compareBytes(ours.bytes(), theirs.bytes(), first, last, skipped);
}

// The captions of the radio-wide options stored at an address (in the language of the
// texts), without repeats; empty where no option lives.
QStringList optionCaptionsAt(int address, const InterfaceTexts& texts);

// Where an address lives, in words of the texts' language: "Channel 3: receive frequency",
// or the area with the options stored there ("Common settings: Squelch Level").
QString placeInWords(int address, const InterfaceTexts& texts, const ExtraTexts& extra);

// A byte as two hexadecimal digits, "--" for a side without a byte.
QString differenceByteText(int value);

// One line of a comparison as a window shows it: the address with its place in words, and
// the byte of each side.
struct ComparisonRow {
    QString place;
    QString ours;
    QString theirs;
};
QList<ComparisonRow> comparisonRows(const QList<ByteDifference>& differences, const InterfaceTexts& texts,
                                    const ExtraTexts& extra);

} // namespace qrt
