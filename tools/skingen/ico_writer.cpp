#include "ico_writer.h"

namespace {

constexpr int kDirectoryHeaderSize = 6;
constexpr int kDirectoryEntrySize = 16;
constexpr int kBitmapHeaderSize = 40;

void appendLe(QByteArray& out, quint32 value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.append(static_cast<char>((value >> (8 * i)) & 0xFF));
}

QByteArray bitmapOf(const QImage& source)
{
    const QImage image = source.convertToFormat(QImage::Format_ARGB32);
    const int w = image.width();
    const int h = image.height();
    const int maskStride = ((w + 31) / 32) * 4;
    QByteArray out;
    appendLe(out, kBitmapHeaderSize, 4);
    appendLe(out, static_cast<quint32>(w), 4);
    appendLe(out, static_cast<quint32>(2 * h), 4); // colour rows plus mask rows
    appendLe(out, 1, 2);
    appendLe(out, 32, 2);
    appendLe(out, 0, 4);
    appendLe(out, static_cast<quint32>(w * h * 4 + maskStride * h), 4);
    appendLe(out, 0, 16);
    for (int y = h - 1; y >= 0; --y) { // bottom-up
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            out.append(static_cast<char>(qBlue(line[x])));
            out.append(static_cast<char>(qGreen(line[x])));
            out.append(static_cast<char>(qRed(line[x])));
            out.append(static_cast<char>(qAlpha(line[x])));
        }
    }
    for (int y = h - 1; y >= 0; --y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        QByteArray row(maskStride, '\0');
        for (int x = 0; x < w; ++x) {
            if (qAlpha(line[x]) == 0)
                row[x / 8] = static_cast<char>(row.at(x / 8) | (0x80 >> (x % 8)));
        }
        out.append(row);
    }
    return out;
}

} // namespace

QByteArray encodeIco(const QVector<QImage>& images)
{
    QByteArray header;
    appendLe(header, 0, 2);
    appendLe(header, 1, 2); // icon
    appendLe(header, static_cast<quint32>(images.size()), 2);
    QByteArray payload;
    int offset = kDirectoryHeaderSize + kDirectoryEntrySize * images.size();
    for (const QImage& image : images) {
        const QByteArray bitmap = bitmapOf(image);
        header.append(static_cast<char>(image.width() >= 256 ? 0 : image.width()));
        header.append(static_cast<char>(image.height() >= 256 ? 0 : image.height()));
        header.append('\0'); // no palette
        header.append('\0');
        appendLe(header, 1, 2);
        appendLe(header, 32, 2);
        appendLe(header, static_cast<quint32>(bitmap.size()), 4);
        appendLe(header, static_cast<quint32>(offset), 4);
        offset += bitmap.size();
        payload.append(bitmap);
    }
    return header + payload;
}
