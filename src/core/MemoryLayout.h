#pragma once

// Every radio address and bit the program reads or writes by name. Addresses are those of
// the radio's own layout (the image's index); the data file moves some of them (DataFile).
namespace qrt::layout {

// A bit of one byte.
struct BitAt {
    int address;
    int bit;
};

// An inclusive range of addresses.
struct AddressRange {
    int first;
    int last;
    constexpr int size() const { return last - first + 1; }
    constexpr bool contains(int address) const { return address >= first && address <= last; }
};

// --- Header -------------------------------------------------------------------------------
inline constexpr AddressRange Header{0x000, 0x00F};

// --- Channel records ----------------------------------------------------------------------
// 16 records of 16 bytes; channel n (1..16) at 0x10 * n.
inline constexpr int ChannelRecordSize = 0x10;
inline constexpr int ChannelRecordCount = 16;
inline constexpr AddressRange ChannelRecords{0x010, 0x10F};
constexpr int channelRecordAddress(int channel) {
    return ChannelRecordSize * channel;
}
// One bit per channel, bit n-1 for channel n, low byte first.
inline constexpr AddressRange ChannelFlagBitmap{0x17E, 0x17F};

// --- Radio-wide areas ---------------------------------------------------------------------
inline constexpr AddressRange RadioWideSettings{0x110, 0x17D};
inline constexpr AddressRange RadioWideSettings2{0x180, 0x1B7};
inline constexpr AddressRange RadioWideData{0x1C0, 0x35F};
// The common settings' option bytes (bit fields).
inline constexpr AddressRange CommonOptionBytes{0x360, 0x36F};
// Side keys 1 and 2: the short-press byte, the long-press byte right after it.
inline constexpr int SideKey1Press = 0x360;
inline constexpr int SideKey2Press = 0x362;
inline constexpr int ProgramOptions = 0x367;
inline constexpr int ModelIndex = 0x379;
// Two BCD words: the lower limit, then the upper one.
inline constexpr AddressRange BandLimits{0x37A, 0x37D};
inline constexpr AddressRange AccessCodesAndTimings{0x380, 0x3FF};
// The six bytes of the program code: two runs of three.
inline constexpr AddressRange ProgramCodeFirst{0x385, 0x387};
inline constexpr AddressRange ProgramCodeSecond{0x38B, 0x38D};
// Where the radio tells the command-code set it speaks: the set mark, then the read and
// write codes.
inline constexpr AddressRange CommandSetMark{0x388, 0x38A};
// Every area the editor knows.
inline constexpr AddressRange EditorArea{0x000, 0x3FF};

// --- Identification text ------------------------------------------------------------------
inline constexpr AddressRange IdentificationText{0x1B8, 0x1BF};

// --- Read and write -----------------------------------------------------------------------
// The radio's addresses the operations may reach (the memory viewer shows up to them).
inline constexpr AddressRange RadioAddresses{0x0000, 0x1FFF};
// Written before the blocks, in write step 1.
inline constexpr AddressRange WriteStep1Block{0x194, 0x19E};
// Blocks in this range are written with the command byte 0x75 instead of the write code.
inline constexpr AddressRange AlternateWriteCommandRange{0x280, 0x2FF};
// The radio's parameters, read by the write before it sends its last packets.
inline constexpr AddressRange RadioParameters{0x3D0, 0x3FF};
// Within them: the byte that tells which of the last packets the radio takes.
inline constexpr int RadioParametersVersion = 0x3D4;
inline constexpr int RadioParametersVariant = 0x3D3;
// The radio's own bytes the broadcast-radio packet sends back.
inline constexpr AddressRange BroadcastRadioParameters{0x3F0, 0x3FF};
// The two bytes of that packet taken from the image instead of the radio.
inline constexpr AddressRange BroadcastRadioFromImage{0x3F6, 0x3F7};
// The two bits of that packet taken from the image.
inline constexpr BitAt BroadcastRadioBitA{0x3FC, 7};
inline constexpr BitAt BroadcastRadioBitB{0x3FE, 2};
// The timing blocks the last packets of a write send.
inline constexpr AddressRange DtmfTimings{0x3D9, 0x3DF};
inline constexpr AddressRange TwoToneTimings{0x3E0, 0x3EB};

// --- The bytes the write forces -----------------------------------------------------------
inline constexpr BitAt ForcedProgramOption1{ProgramOptions, 5};
inline constexpr BitAt ForcedProgramOption2{ProgramOptions, 0};
// Set when the radio answers the write's probe with 0x10 at RadioParameters.first.
inline constexpr BitAt ProbeMarkBit{0x10D, 7};

} // namespace qrt::layout
