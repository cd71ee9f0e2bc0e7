// The pixels of a picture to paint on, in huge pages where the system gives them: painting a
// fresh picture of a few megabytes otherwise takes a page fault every 4 KB, which costs more
// than the painting on some virtual machines.
#pragma once

#include <QImage>

class PictureBuffer {
public:
    // A picture of the size and format that owns its pixels (uninitialised, like QImage's).
    static QImage image(const QSize& size, QImage::Format format);
};
