#include "PngEncoder.h"

#include <zlib.h>

#include <algorithm>
#include <cmath>
#include <future>
#include <string>
#include <vector>

namespace {

// A band's rows compressed: a raw deflate stream that ends on a byte boundary (or closes the
// whole stream for the last band), and the checksum of the rows it holds.
struct Band {
    std::string deflated;
    uLong adler = 0;
    uLong rawSize = 0;
    bool ok = false;
};

void appendUInt32(QByteArray& out, quint32 value)
{
    const char bytes[4] = {static_cast<char>(value >> 24), static_cast<char>(value >> 16),
                           static_cast<char>(value >> 8), static_cast<char>(value)};
    out.append(bytes, 4);
}

void appendChunk(QByteArray& out, const char* type, const QByteArray& data)
{
    appendUInt32(out, static_cast<quint32>(data.size()));
    const qsizetype start = out.size();
    out.append(type, 4);
    out.append(data);
    const uLong crc = crc32(0L, reinterpret_cast<const Bytef*>(out.constData() + start),
                            static_cast<uInt>(out.size() - start));
    appendUInt32(out, static_cast<quint32>(crc));
}

// Rows [top, bottom) as PNG scanlines (filter byte 0, then red, green and blue of each pixel).
std::vector<Bytef> scanlines(const QImage& picture, int top, int bottom)
{
    const int width = picture.width();
    std::vector<Bytef> raw(static_cast<std::size_t>(bottom - top) * (1 + 3 * static_cast<std::size_t>(width)));
    Bytef* out = raw.data();
    for (int y = top; y < bottom; ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
        *out++ = 0;
        for (int x = 0; x < width; ++x) {
            *out++ = static_cast<Bytef>(qRed(row[x]));
            *out++ = static_cast<Bytef>(qGreen(row[x]));
            *out++ = static_cast<Bytef>(qBlue(row[x]));
        }
    }
    return raw;
}

Band compressRows(const QImage& picture, int top, int bottom, bool last)
{
    Band band;
    std::vector<Bytef> raw = scanlines(picture, top, bottom);
    band.rawSize = static_cast<uLong>(raw.size());
    band.adler = adler32(adler32(0L, Z_NULL, 0), raw.data(), static_cast<uInt>(raw.size()));
    z_stream z{};
    if (deflateInit2(&z, Z_BEST_SPEED, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY) != Z_OK)
        return band;
    band.deflated.resize(deflateBound(&z, band.rawSize) + 16);
    z.next_in = raw.data();
    z.avail_in = static_cast<uInt>(raw.size());
    z.next_out = reinterpret_cast<Bytef*>(band.deflated.data());
    z.avail_out = static_cast<uInt>(band.deflated.size());
    const int rc = deflate(&z, last ? Z_FINISH : Z_SYNC_FLUSH);
    band.ok = last ? rc == Z_STREAM_END : (rc == Z_OK && z.avail_in == 0);
    band.deflated.resize(z.total_out);
    deflateEnd(&z);
    return band;
}

} // namespace

QByteArray PngEncoder::encode(const QImage& picture, int threads)
{
    if (picture.isNull())
        return {};
    const QImage rgb = picture.format() == QImage::Format_RGB32 || picture.format() == QImage::Format_ARGB32
        ? picture
        : picture.convertToFormat(QImage::Format_RGB32);
    const int height = rgb.height();
    const int bands = std::clamp(threads, 1, height);
    std::vector<std::future<Band>> work;
    for (int i = 1; i < bands; ++i)
        work.push_back(std::async(std::launch::async, compressRows, std::cref(rgb), height * i / bands,
                                  height * (i + 1) / bands, i + 1 == bands));
    std::vector<Band> done;
    done.push_back(compressRows(rgb, 0, height / bands, bands == 1));
    for (std::future<Band>& band : work)
        done.push_back(band.get());

    // The zlib stream: its header (deflate, 32 KB window, fastest), the bands, the checksum.
    QByteArray idat("\x78\x01", 2);
    uLong adler = adler32(0L, Z_NULL, 0);
    for (const Band& band : done) {
        if (!band.ok)
            return {};
        idat.append(band.deflated.data(), static_cast<qsizetype>(band.deflated.size()));
        adler = adler32_combine(adler, band.adler, static_cast<z_off_t>(band.rawSize));
    }
    appendUInt32(idat, static_cast<quint32>(adler));

    QByteArray png("\x89PNG\r\n\x1a\n", 8);
    QByteArray header;
    appendUInt32(header, static_cast<quint32>(rgb.width()));
    appendUInt32(header, static_cast<quint32>(height));
    header.append("\x08\x02\x00\x00\x00", 5); // 8 bits, RGB, deflate, no filter method, no interlace
    appendChunk(png, "IHDR", header);
    if (rgb.dotsPerMeterX() > 0 && rgb.dotsPerMeterY() > 0) {
        QByteArray resolution;
        appendUInt32(resolution, static_cast<quint32>(rgb.dotsPerMeterX()));
        appendUInt32(resolution, static_cast<quint32>(rgb.dotsPerMeterY()));
        resolution.append('\x01'); // per metre
        appendChunk(png, "pHYs", resolution);
    }
    appendChunk(png, "IDAT", idat);
    appendChunk(png, "IEND", QByteArray());
    return png;
}
