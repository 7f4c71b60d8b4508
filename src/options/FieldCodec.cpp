#include "options/FieldCodec.h"

#include "core/ErrorLog.h"
#include "core/RadioImage.h"
#include "core/TextCodes.h"
#include "options/OptionLists.h"
#include "options/VoiceSeq.h"

#include <array>

namespace qrt::options::codec {

namespace {

constexpr std::array<int, 9> SaveModeBytes = {144, 146, 149, 152, 155, 157, 159, 162, 165};
constexpr std::array<char, 6> GroupCodes = {'A', 'B', 'C', 'D', '*', '#'};
constexpr int AlarmSelectedBit = 4;
constexpr quint8 RadioIdOff = 0x0C;

bool repairByte(const FieldDesc& f, RadioImage& image) {
    const int v = image.at(f.address);
    if (f.repair.active() && (v < f.repair.low || v > f.repair.high)) {
        image.set(f.address, quint8(f.repair.replacement));
        return true;
    }
    return false;
}

int saveModeItem(int v) {
    for (int i = 0; i < int(SaveModeBytes.size()); ++i)
        if (v <= SaveModeBytes[size_t(i)])
            return i;
    return int(SaveModeBytes.size()) - 1;
}

int tailDelItem(quint8 v) {
    for (int bit = 0; bit <= 6; ++bit)
        if (v & (1 << bit))
            return bit;
    return v == 0 ? lists::TailDeleteOffItem : 4; // only bit 7 set
}

// The characters that have a character code. The message and program-code boxes show the
// decoded text again after each change, and that text is what the field keeps, so a
// character the radio cannot show never stays behind in the image unseen.
QString withCharacterCodes(const QString& text) {
    QString kept;
    for (const QChar c : text)
        if (hanzi::codeOf(c) != hanzi::UnknownCode)
            kept += c;
    return kept;
}

QByteArray dtmfFieldBytes(const FieldDesc& f, const RadioImage& image) {
    QByteArray bytes(dtmf::BufferSize, char(0xFF));
    if (f.encoding == Encoding::StunCode) {
        bytes.replace(0, 8, image.mid(f.address, 8));
        bytes.replace(8, 2, image.mid(addr::StunTail, 2));
    } else {
        bytes.replace(0, f.count, image.mid(f.address, f.count));
    }
    return bytes.left(dtmf::BufferSize);
}

} // namespace

int storedValue(const FieldDesc& f, const RadioImage& image) {
    if (f.encoding == Encoding::Bits || f.encoding == Encoding::RadioIdDigit)
        return image.bits(f.address, f.low, f.count);
    return image.at(f.address);
}

int readItem(const FieldDesc& f, RadioImage& image) {
    switch (f.encoding) {
    case Encoding::Byte:
    case Encoding::VoxCompare:
        repairByte(f, image);
        return image.at(f.address);
    case Encoding::Offset:
        repairByte(f, image);
        return image.at(f.address) - f.param;
    case Encoding::Bits:
        return image.bits(f.address, f.low, f.count);
    case Encoding::Bit:
        return int(image.bit(f.address, f.low) != (f.param == 1));
    case Encoding::SaveMode:
        repairByte(f, image);
        return saveModeItem(image.at(f.address));
    case Encoding::TailDelete:
        return tailDelItem(image.at(f.address));
    case Encoding::AlarmChannel: {
        const quint8 v = image.at(f.address);
        return (v & (1 << AlarmSelectedBit)) ? 0 : (v & 0x0F) + 1;
    }
    case Encoding::GroupCode: {
        const quint8 v = image.at(f.address);
        for (int i = 0; i < int(GroupCodes.size()); ++i)
            if (v == quint8(GroupCodes[size_t(i)]))
                return i + 1;
        image.set(f.address, 0);
        return 0;
    }
    case Encoding::VoiceSeq:
        return voiceseq::lastPositionOf(image.at(f.address));
    case Encoding::KeyCode: {
        const int item = int(lists::keyCodes(f.param == 1).indexOf(image.at(f.address)));
        if (item >= 0)
            return item;
        image.set(f.address, 0);
        return 0;
    }
    case Encoding::CloseSort:
        return image.bit(f.address, 0) ? 1 : 0;
    case Encoding::RadioIdDigit: {
        const int nibble = image.bits(f.address, f.low, 4);
        return nibble < 10 ? nibble : 0;
    }
    default:
        return 0;
    }
}

void writeItem(const FieldDesc& f, int item, RadioImage& image) {
    switch (f.encoding) {
    case Encoding::Byte:
    case Encoding::VoxCompare:
        image.set(f.address, quint8(item));
        break;
    case Encoding::Offset:
        image.set(f.address, quint8(item + f.param));
        break;
    case Encoding::Bits:
        image.setBits(f.address, f.low, f.count, item);
        break;
    case Encoding::Bit:
        image.setBit(f.address, f.low, (item != 0) != (f.param == 1));
        break;
    case Encoding::SaveMode:
        image.set(f.address, quint8(SaveModeBytes[size_t(qBound(0, item, int(SaveModeBytes.size()) - 1))]));
        break;
    case Encoding::TailDelete:
        image.set(f.address, item >= 0 && item < lists::TailDeleteOffItem ? quint8(1u << item) : quint8(0));
        break;
    case Encoding::AlarmChannel:
        if (item == 0) {
            image.setBit(f.address, AlarmSelectedBit, true);
        } else {
            image.setBit(f.address, AlarmSelectedBit, false);
            image.setBits(f.address, 0, 4, item - 1);
        }
        break;
    case Encoding::GroupCode:
        image.set(f.address, item >= 1 && item <= int(GroupCodes.size()) ? quint8(GroupCodes[size_t(item - 1)]) : 0);
        break;
    case Encoding::VoiceSeq:
        image.set(f.address, voiceseq::codeAt(item));
        break;
    case Encoding::KeyCode:
        image.set(f.address, quint8(lists::keyCodes(f.param == 1).value(item, 0)));
        break;
    case Encoding::CloseSort:
        image.set(f.address, quint8(item));
        break;
    case Encoding::RadioIdDigit:
        image.setBits(f.address, f.low, 4, item == 0 ? RadioIdOff : item);
        break;
    default:
        break;
    }
}

QString filterText(const FieldDesc& f, const QString& text) {
    if (f.encoding == Encoding::DtmfText || f.encoding == Encoding::StunCode)
        return dtmf::removeInvalid(text, dtmf::Filter(f.param));
    return text;
}

QString readText(const FieldDesc& f, const RadioImage& image) {
    switch (f.encoding) {
    case Encoding::DtmfText:
    case Encoding::StunCode:
        return dtmf::bytesToText(dtmfFieldBytes(f, image));
    case Encoding::Message:
        return hanzi::decodeBytes(image.mid(f.address, 2 * f.count));
    case Encoding::ProgramCode: {
        QByteArray six;
        for (int k = 0; k < 3; ++k)
            six.append(char(image.at(programCodeLow(k)))).append(char(image.at(programCodeHigh(k))));
        return programCodeText(six);
    }
    default:
        return QString();
    }
}

void writeText(const FieldDesc& f, const QString& text, RadioImage& image, ErrorLog* log) {
    switch (f.encoding) {
    case Encoding::DtmfText: {
        const QByteArray bytes = dtmf::textToBytes(text, log);
        image.write(f.address, bytes.left(f.count));
        break;
    }
    case Encoding::StunCode: {
        const QByteArray bytes = dtmf::textToBytes(text, log);
        image.write(f.address, bytes.left(8));
        image.write(addr::StunTail, bytes.mid(8, 2));
        break;
    }
    case Encoding::Message:
        image.write(f.address, hanzi::encodeBytes(withCharacterCodes(text), f.count));
        break;
    case Encoding::ProgramCode: {
        const QByteArray six = programCodeBytes(text);
        for (int k = 0; k < 3; ++k) {
            image.set(programCodeLow(k), quint8(six.at(2 * k)));
            image.set(programCodeHigh(k), quint8(six.at(2 * k + 1)));
        }
        break;
    }
    default:
        break;
    }
}

QByteArray programCodeBytes(const QString& text) {
    const QString typable = withCharacterCodes(text);
    if (typable.trimmed().isEmpty())
        return QByteArray(6, char(0xFF));
    return hanzi::encodeBytes(typable, 3);
}

QString programCodeText(const QByteArray& sixBytes) {
    return hanzi::decodeBytes(sixBytes);
}

} // namespace qrt::options::codec
