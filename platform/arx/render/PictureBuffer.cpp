#include "PictureBuffer.h"

#include <sys/mman.h>

#include <cstdlib>

namespace {

constexpr std::size_t kHugePage = std::size_t(2) << 20;

void release(void* pixels) { std::free(pixels); }

} // namespace

QImage PictureBuffer::image(const QSize& size, QImage::Format format)
{
    // Rows padded to four bytes, as QImage keeps them.
    const qsizetype depth = QImage::toPixelFormat(format).bitsPerPixel();
    const qsizetype bytesPerLine = ((static_cast<qsizetype>(size.width()) * depth + 31) / 32) * 4;
    const std::size_t bytes = static_cast<std::size_t>(bytesPerLine) * static_cast<std::size_t>(size.height());
    if (size.isEmpty() || bytes < kHugePage)
        return QImage(size, format);
    const std::size_t rounded = (bytes + kHugePage - 1) / kHugePage * kHugePage;
    void* pixels = std::aligned_alloc(kHugePage, rounded);
    if (pixels == nullptr)
        return QImage(size, format);
    // Only a hint: without huge pages the buffer is an ordinary one.
    ::madvise(pixels, rounded, MADV_HUGEPAGE);
    return QImage(static_cast<uchar*>(pixels), size.width(), size.height(), bytesPerLine, format, release, pixels);
}
