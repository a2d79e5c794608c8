#include "gif_encoder.h"

#include <QHash>

namespace {

constexpr int kMaxCodeBits = 12;
constexpr int kMaxCodes = 1 << kMaxCodeBits;
constexpr int kSubBlockSize = 255;

class BitWriter
{
public:
    void write(int code, int bits)
    {
        m_buffer |= static_cast<quint32>(code) << m_count;
        m_count += bits;
        while (m_count >= 8) {
            m_out.append(static_cast<char>(m_buffer & 0xFF));
            m_buffer >>= 8;
            m_count -= 8;
        }
    }
    QByteArray finish()
    {
        if (m_count > 0)
            m_out.append(static_cast<char>(m_buffer & 0xFF));
        m_buffer = 0;
        m_count = 0;
        return m_out;
    }

private:
    QByteArray m_out;
    quint32 m_buffer = 0;
    int m_count = 0;
};

void appendWord(QByteArray& out, int value)
{
    out.append(static_cast<char>(value & 0xFF));
    out.append(static_cast<char>((value >> 8) & 0xFF));
}

int paletteBits(int colours)
{
    int bits = 1;
    while ((1 << bits) < colours)
        ++bits;
    return bits;
}

int distance(QRgb a, QRgb b)
{
    const int dr = qRed(a) - qRed(b);
    const int dg = qGreen(a) - qGreen(b);
    const int db = qBlue(a) - qBlue(b);
    return dr * dr + dg * dg + db * db;
}

} // namespace

namespace GifEncoder {

QByteArray indexImage(const QImage& image, const QVector<QRgb>& palette)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    QByteArray indices;
    indices.reserve(rgb.width() * rgb.height());
    QHash<QRgb, char> cache;
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x) {
            const QRgb pixel = line[x];
            const auto found = cache.constFind(pixel);
            if (found != cache.constEnd()) {
                indices.append(*found);
                continue;
            }
            int best = 0;
            for (int i = 1; i < palette.size(); ++i) {
                if (distance(pixel, palette.at(i)) < distance(pixel, palette.at(best)))
                    best = i;
            }
            cache.insert(pixel, static_cast<char>(best));
            indices.append(static_cast<char>(best));
        }
    }
    return indices;
}

QByteArray compress(const QByteArray& indices, int minimumCodeSize)
{
    const int clearCode = 1 << minimumCodeSize;
    const int endCode = clearCode + 1;
    BitWriter writer;
    QHash<quint32, int> table; // (prefix code << 8 | next index) -> code
    int nextCode = endCode + 1;
    int codeBits = minimumCodeSize + 1;
    writer.write(clearCode, codeBits);
    if (indices.isEmpty()) {
        writer.write(endCode, codeBits);
        return writer.finish();
    }
    int prefix = static_cast<quint8>(indices.at(0));
    for (int i = 1; i < indices.size(); ++i) {
        const int next = static_cast<quint8>(indices.at(i));
        const quint32 key = static_cast<quint32>(prefix) << 8 | static_cast<quint32>(next);
        const auto found = table.constFind(key);
        if (found != table.constEnd()) {
            prefix = *found;
            continue;
        }
        writer.write(prefix, codeBits);
        if (nextCode < kMaxCodes) {
            table.insert(key, nextCode);
            // The decoder widens one code later than the encoder adds the entry.
            if (nextCode == (1 << codeBits) && codeBits < kMaxCodeBits)
                ++codeBits;
            ++nextCode;
        } else {
            writer.write(clearCode, codeBits);
            table.clear();
            nextCode = endCode + 1;
            codeBits = minimumCodeSize + 1;
        }
        prefix = next;
    }
    writer.write(prefix, codeBits);
    writer.write(endCode, codeBits);
    return writer.finish();
}

QByteArray encode(const QVector<QImage>& frames, const QVector<QRgb>& palette, int delayCentiseconds)
{
    QByteArray out;
    if (frames.isEmpty() || palette.isEmpty() || palette.size() > 256)
        return out;
    const QSize size = frames.first().size();
    const int bits = paletteBits(palette.size());
    out.append("GIF89a");
    appendWord(out, size.width());
    appendWord(out, size.height());
    out.append(static_cast<char>(0x80 | (bits - 1) << 4 | (bits - 1)));
    out.append('\0'); // background colour index
    out.append('\0'); // square pixels
    for (int i = 0; i < (1 << bits); ++i) {
        const QRgb colour = palette.value(i, qRgb(0, 0, 0));
        out.append(static_cast<char>(qRed(colour)));
        out.append(static_cast<char>(qGreen(colour)));
        out.append(static_cast<char>(qBlue(colour)));
    }
    out.append("\x21\xFF\x0BNETSCAPE2.0\x03\x01", 16);
    appendWord(out, 0); // loop for ever
    out.append('\0');

    const int minimumCodeSize = qMax(2, bits);
    for (const QImage& frame : frames) {
        out.append("\x21\xF9\x04\x04", 4); // graphic control: keep the frame, no transparency
        appendWord(out, delayCentiseconds);
        out.append('\0');
        out.append('\0');
        out.append('\x2C');
        appendWord(out, 0);
        appendWord(out, 0);
        appendWord(out, size.width());
        appendWord(out, size.height());
        out.append('\0');
        out.append(static_cast<char>(minimumCodeSize));
        const QByteArray data = compress(indexImage(frame, palette), minimumCodeSize);
        for (int offset = 0; offset < data.size(); offset += kSubBlockSize) {
            const QByteArray block = data.mid(offset, kSubBlockSize);
            out.append(static_cast<char>(block.size()));
            out.append(block);
        }
        out.append('\0');
    }
    out.append('\x3B');
    return out;
}

} // namespace GifEncoder
