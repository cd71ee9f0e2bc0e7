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

// Rows of the picture as PNG scanlines (filter byte 0, then red, green and blue of each pixel).
void scanlines(const QImage& picture, int top, int bottom, Bytef* out)
{
    const int width = picture.width();
    for (int y = top; y < bottom; ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
        *out++ = 0;
        for (int x = 0; x < width; ++x) {
            *out++ = static_cast<Bytef>(qRed(row[x]));
            *out++ = static_cast<Bytef>(qGreen(row[x]));
            *out++ = static_cast<Bytef>(qBlue(row[x]));
        }
    }
}

// The band's rows go through small buffers a few rows at a time: a picture's worth of fresh
// memory would cost more in page faults than the compression.
Band compressRows(const QImage& picture, int top, int bottom, bool last)
{
    constexpr int kRowsAtOnce = 16;
    constexpr std::size_t kOutputChunk = 1 << 16;
    Band band;
    z_stream z{};
    if (deflateInit2(&z, Z_BEST_SPEED, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY) != Z_OK)
        return band;
    const std::size_t rowBytes = 1 + 3 * static_cast<std::size_t>(picture.width());
    std::vector<Bytef> rows(rowBytes * kRowsAtOnce);
    std::vector<Bytef> output(kOutputChunk);
    band.adler = adler32(0L, Z_NULL, 0);
    int rc = Z_OK;
    for (int y = top; y < bottom || (y == top && top == bottom); y += kRowsAtOnce) {
        const int end = std::min(bottom, y + kRowsAtOnce);
        const uInt size = static_cast<uInt>(rowBytes * static_cast<std::size_t>(std::max(0, end - y)));
        scanlines(picture, y, end, rows.data());
        band.adler = adler32(band.adler, rows.data(), size);
        band.rawSize += size;
        z.next_in = rows.data();
        z.avail_in = size;
        const int flush = end < bottom ? Z_NO_FLUSH : (last ? Z_FINISH : Z_SYNC_FLUSH);
        do {
            z.next_out = output.data();
            z.avail_out = static_cast<uInt>(output.size());
            rc = deflate(&z, flush);
            band.deflated.append(reinterpret_cast<const char*>(output.data()), output.size() - z.avail_out);
        } while (rc != Z_STREAM_ERROR && z.avail_out == 0);
        if (rc == Z_STREAM_ERROR || end >= bottom)
            break;
    }
    band.ok = last ? rc == Z_STREAM_END : (rc == Z_OK || rc == Z_BUF_ERROR) && z.avail_in == 0;
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
