#include "pngfile.h"

#include <QRandomGenerator>
#include <QtEndian>

#include <zlib.h>

namespace pngfile {

namespace {

QByteArray bigendian(quint32 value)
{
    QByteArray bytes(4, '\0');
    qToBigEndian(value, bytes.data());
    return bytes;
}

QByteArray chunk(const QByteArray &type, const QByteArray &data)
{
    const QByteArray body = type + data;
    const quint32 crc = quint32(crc32(0, reinterpret_cast<const Bytef *>(body.constData()), uInt(body.size())));
    return bigendian(quint32(data.size())) + body + bigendian(crc);
}

// Deflates rows one at a time into a zlib stream.
class Deflater
{
public:
    Deflater() { m_ok = deflateInit(&m_stream, Z_BEST_COMPRESSION) == Z_OK; }
    ~Deflater() { deflateEnd(&m_stream); }

    bool add(const QByteArray &bytes, bool last)
    {
        m_stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(bytes.constData()));
        m_stream.avail_in = uInt(bytes.size());
        const int flush = last ? Z_FINISH : Z_NO_FLUSH;
        int result = Z_OK;
        do {
            char buffer[1 << 16];
            m_stream.next_out = reinterpret_cast<Bytef *>(buffer);
            m_stream.avail_out = sizeof buffer;
            result = deflate(&m_stream, flush);
            if (result == Z_STREAM_ERROR)
                return false;
            out.append(buffer, int(sizeof buffer - m_stream.avail_out));
        } while (m_stream.avail_out == 0 || (last && result != Z_STREAM_END));
        return m_ok;
    }

    QByteArray out;

private:
    z_stream m_stream{};
    bool m_ok = false;
};

} // namespace

QByteArray make(quint32 width, quint32 height, int depth, quint32 noiserows)
{
    if (width == 0 || height == 0 || (depth != 8 && depth != 16) || width > (1u << 24))
        return QByteArray();
    const int rowbytes = int(width) * 4 * depth / 8;
    QByteArray grey(rowbytes + 1, char(0x80));
    grey[0] = 0;   // no filter
    for (int alpha = 1 + 3 * depth / 8; alpha < grey.size(); alpha += 4 * depth / 8)
        std::fill(grey.begin() + alpha, grey.begin() + alpha + depth / 8, char(0xff));
    QRandomGenerator random(35);
    QByteArray noise(rowbytes + 1, '\0');
    Deflater deflater;
    for (quint32 row = 0; row < height; ++row) {
        const bool noisy = row < noiserows;
        if (noisy) {
            for (int i = 1; i < noise.size(); ++i)
                noise[i] = char(random.generate());
        }
        if (!deflater.add(noisy ? noise : grey, row + 1 == height))
            return QByteArray();
    }
    const QByteArray header = bigendian(width) + bigendian(height) + QByteArray(1, char(depth))
                              + QByteArray("\x06\x00\x00\x00", 4);
    return QByteArray("\x89PNG\r\n\x1a\n", 8) + chunk("IHDR", header) + chunk("IDAT", deflater.out)
           + chunk("IEND", QByteArray());
}

} // namespace pngfile
