// Paints a display list on any Qt paint device: maps a window of model space onto the
// device (y up, aspect kept, centred), dashes linetypes in model units, gives lineweights in
// millimetres of the sheet, and fills each glyph's outline into its measured cell.
#pragma once

#include "DisplayList.h"

#include <QPainter>
#include <QRectF>

#include <vector>

class DrawingPainter {
public:
    // pixelsPerMm turns lineweights (mm on the sheet) into device pixels.
    DrawingPainter(const QRectF& modelWindow, const QRectF& deviceRect, double pixelsPerMm);

    void paint(QPainter& painter, const DisplayList& list) const;

    // For painting one picture in bands on several threads: the device extent each item can
    // touch (its pen and anti-aliasing included), in list order, null for an item that may
    // reach anywhere. Also makes the caches Qt keeps inside the paths the items share (the
    // glyph outlines, the filled areas), so that the bands' threads only read them.
    std::vector<QRectF> reaches(const DisplayList& list) const;
    // Paints the items whose reach meets the band (a device rectangle), clipped to the band.
    void paintBand(QPainter& painter, const DisplayList& list, const std::vector<QRectF>& reaches,
                   const QRect& band) const;
    // Model to device.
    const QTransform& transform() const { return mTransform; }

private:
    void paintItem(QPainter& painter, const DisplayItem& item) const;
    void paintStroke(QPainter& painter, const DisplayItem& item) const;
    void paintPattern(QPainter& painter, const DisplayItem& item) const;
    void paintGlyph(QPainter& painter, const DisplayItem& item) const;
    void paintInfinite(QPainter& painter, const DisplayItem& item) const;
    void paintPoint(QPainter& painter, const DisplayItem& item) const;
    QPen pen(const DisplayItem& item) const;

    QRectF mWindow;
    QRectF mDevice;
    double mPixelsPerMm;
    double mScale = 1.0;
    QTransform mTransform;
};
