#include "core/DataFile.h"

#include "core/ErrorLog.h"
#include "core/ExtraTexts.h"
#include "core/RadioImage.h"

namespace qrt::datafile {

void loadIntoImage(const QByteArray& fileBytes, RadioImage& image) {
    image.write(0, fileBytes.left(image.size()));
    for (int i = 32; i < FileSize && i < image.size(); ++i)
        image.set(i - 16, image.at(i));
}

QByteArray fileLayout(const RadioImage& image) {
    QByteArray out(FileSize, char(0xFF));
    for (int offset = 0; offset < FileSize; ++offset) {
        const int address = addressOfOffset(offset);
        if (address >= 0)
            out[offset] = char(image.at(address));
    }
    out.replace(0, HeaderText.size(), HeaderText);
    return out;
}

int addressOfOffset(int offset) {
    if (offset < 0 || offset < int(HeaderText.size()))
        return -1;
    if (offset < HeaderSize)
        return offset;
    if (offset < 2 * HeaderSize)
        return -1;
    return offset - HeaderSize;
}

QString whyNotRadioData(const QByteArray& fileBytes, const ExtraTexts& texts) {
    if (fileBytes.isEmpty())
        return texts.text(QStringLiteral("file.notData.empty"));
    if (fileBytes.size() > FileSize)
        return texts.text(QStringLiteral("file.notData.tooLong")).arg(FileSize);
    if (fileBytes.size() < FileSize)
        return texts.text(QStringLiteral("file.notData.tooShort")).arg(fileBytes.size()).arg(FileSize);
    if (!fileBytes.startsWith(HeaderText))
        return texts.text(QStringLiteral("file.notData.header")).arg(QString::fromLatin1(HeaderText));
    return {};
}

} // namespace qrt::datafile
