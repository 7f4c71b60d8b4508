#pragma once

#include <QtGlobal>

namespace qrt::voiceseq {

// The volume level codes in order from quietest to loudest: position p of a volume list
// stores the code at entry p. Every byte value appears exactly once.
constexpr int Size = 256;

quint8 codeAt(int position);
// First position holding the code, searched from position 0 upward.
int positionOf(quint8 code);
// First position holding the code, searched from position 255 downward; 0 when none does.
int lastPositionOf(quint8 code);

} // namespace qrt::voiceseq
