// Writes an opaque picture as a PNG file (8-bit RGB) in memory, fast: rows unfiltered, the
// quickest zlib level, and the rows compressed in bands on several threads whose streams join
// into the one the file holds (each band ends on a byte boundary, the last one closes it).
// The pixels are kept exactly; only the file is a little larger than the tightest one.
#pragma once

#include <QByteArray>
#include <QImage>

class PngEncoder {
public:
    // The PNG file of the picture (its alpha dropped) with its resolution; empty for an empty
    // picture or when compression fails. At most `threads` threads compress.
    static QByteArray encode(const QImage& picture, int threads);
};
