#pragma once

#include "core/FileAccess.h"

#include <QByteArray>
#include <QString>

namespace qrt {

class ExtraTexts;
class RadioImage;

// The radio data file: "KW5182", radio addresses 0x006-0x00F, 16 filler bytes 0xFF,
// then radio addresses 0x010-0x3FF (address a at file offset a + 16). 1040 bytes.
namespace datafile {

constexpr int FileSize = 1040;
constexpr int HeaderSize = 16;
inline const QByteArray HeaderText = QByteArrayLiteral("KW5182");

// Copies the file's bytes to the start of the image (as many as it holds; image bytes
// beyond the end of the file keep their values), then moves file offsets 32..1039 down
// by 16 so that radio addresses 0x010-0x3FF are in place. Bytes 1024..1039 stay too.
void loadIntoImage(const QByteArray& fileBytes, RadioImage& image);

// The 1040 bytes a save writes for the image. The image itself is not touched.
QByteArray fileLayout(const RadioImage& image);

// Radio address held at a file offset, or -1 for the header text and the filler.
int addressOfOffset(int offset);

// Why a file's bytes are not radio data, in the language of the texts; empty when they
// are: a saved data file always holds exactly FileSize bytes and begins with HeaderText.
// Give the whole file or at least its first FileSize + 1 bytes, so that a longer file is
// told apart.
QString whyNotRadioData(const QByteArray& fileBytes, const ExtraTexts& texts);

// Reads at most maxBytes from the start of the file; only a regular file is read.
inline Result readFile(const QString& path, int maxBytes, QByteArray* bytes) {
    return fileaccess::readRegularFile(path, maxBytes, bytes);
}
// Writes all or nothing: a failure leaves any earlier file as it was.
inline Result writeFile(const QString& path, const QByteArray& bytes) {
    return fileaccess::replaceFile(path, bytes);
}

} // namespace datafile
} // namespace qrt
